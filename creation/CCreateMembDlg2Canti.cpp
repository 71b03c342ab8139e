// The requests that need more than the common member record: cantilever slabs (with the
// cantilever record), braces by two points (one level for every pattern brace), the
// cantilever test of a beam, and the requests that first turn positions into point keys.
#include <algorithm>
#include "afx/AfxMessageBox.h"
#include "creation/CCreateMembDlg2.h"
#include "creation/CreateMembTables.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CFlagCtrl.h"
#include "db/CModeler2.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/math_lib.h"

namespace {

template <class T>
T* ModelTable() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

void Message(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0), 0, 0); }

CPoint3DArray ToPoint3D(const std::vector<T_MEMBDLG_3DPOINT>& points) {
  CPoint3DArray a;
  for (const T_MEMBDLG_3DPOINT& p : points) a.Add(T_POINT3D{p.x, p.y, p.z});
  return a;
}

template <size_t N>
CUIntArray Ids(const UINT (&ids)[N]) {
  CUIntArray a;
  for (UINT id : ids) a.Add(id);
  return a;
}

// The member types a support test passes over: none, points and line members.
bool IsNoSupport(int type) { return type == 0 || type == 100 || type == 200; }

}  // namespace

// ---- Cantilever slabs ----------------------------------------------------------------------

BOOL CCreateMembDlg2::MakeParamCSlab4Modeler2(T_PARAM_CANTI_SLAB& canti) const {
  using namespace CreateMembTables;
  m_edCantiLen.GetEditValue(canti.length);
  m_edCantiWidth.GetEditValue(canti.width);
  m_edCantiOffset.GetEditValue(canti.offset);
  // A NaN is no length either.
  if (!(canti.length >= GetRegardZero()) || !(canti.width >= GetRegardZero())) {
    Message("IDS_WG_CMD_MC_ERROR_Invalid_Input");
    return FALSE;
  }
  CWnd* self = const_cast<CCreateMembDlg2*>(this);
  canti.location = CDlgUtil::CtrlRadioGetCheck(self, Ids(kCantiLocations));
  canti.direction = CDlgUtil::CtrlRadioGetCheck(self, Ids(kCantiDirections));
  return TRUE;
}

// A cantilever request: the member record with the cantilever flag, the cantilever
// record, then the one call.
#define VUR_CANTI_REQUEST(call)                                  \
  CModeler2* modeler = CModeler2::Instance();                    \
  T_MODELER2_PARAM_MEMB memb;                                    \
  if (!modeler || !MakeParamMemb4Modeler2(memb)) return 0;       \
  memb.canti = 1;                                                \
  T_PARAM_CANTI_SLAB canti;                                      \
  canti.Initialize();                                            \
  canti.length = canti.width = canti.offset = 0.0;               \
  canti.location = canti.direction = 0;                          \
  if (!MakeParamCSlab4Modeler2(canti)) return 0;                 \
  return modeler->call

int CCreateMembDlg2::CreateCantileverSlabByMemb(CUIntArray& keys) {
  const CClassMemb* table = ModelTable<CClassMemb>();
  if (!table) return 0;
  for (INT_PTR i = keys.GetSize() - 1; i >= 0; --i) {
    int type = 0;
    if (!table->GetMembType(keys[i], type)) return 0;
    if (type != 201 && type != 202 && type != 205) keys.RemoveAt(i);
  }
  if (keys.IsEmpty()) {
    if (GetCurMethod() == METHOD_1PICK) Message("IDS_WG_CMD_BEAM_WALL_MUST_SELECTED");
    return 0;
  }
  VUR_CANTI_REQUEST(CreateCantileverSlabsOnMembs(keys, memb, canti));
}

int CCreateMembDlg2::CreateCantileverSlabByWnd1(const T_MEMBDLG_3DPOINT&) {
  const CPoint3DArray points = ToPoint3D(m_inputPoints);
  VUR_CANTI_REQUEST(CreateCantileverSlabsInWindow(points, memb, canti));
}

int CCreateMembDlg2::CreateCantileverSlabByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points) {
  const CPoint3DArray polygon = ToPoint3D(points);
  VUR_CANTI_REQUEST(CreateCantileverSlabsInPolygon(polygon, memb, canti));
}

#undef VUR_CANTI_REQUEST

// ---- Braces by two points ------------------------------------------------------------------

int CCreateMembDlg2::CreateBraceTypeMemberBy2Pos(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2, int nFlag) {
  CModeler2* modeler = CModeler2::Instance();
  T_MODELER2_PARAM_MEMB memb;
  if (!modeler || !MakeParamMemb4Modeler2(memb)) return 0;
  if (memb.braceType != CreateMembTables::kBraceFree && !math_lib::is_zero(p1.z - p2.z)) {
    Message("IDS_CMD_MC_ERR_Input_Same_Level_Point");
    return 0;
  }
  const T_MEMBDLG_3DPOINT a = p1, b = p2;
  return modeler->CreateBraceBy2Pos(&a, &b, memb, nFlag);
}

// ---- The cantilever test of a beam -----------------------------------------------------------

UINT CCreateMembDlg2::CheckCantileverBeam(UINT nMembKey) const {
  const CClassMemb* memb = ModelTable<CClassMemb>();
  T_MEMB_D rec;
  if (!memb || !memb->Get(nMembKey, rec) || !CClassMemb::IsBeam(rec.type)) return 0;
  CUIntArray stories;
  stories.Add(rec.storyKey);
  CArray<T_PONT_D> points;
  if (!memb->GetPontDList(nMembKey, points, 0) || points.GetSize() < 2) return 0;
  // Whether anything but the beam itself, points and line members meets the end: 1
  // supported, 0 free, -1 a failed read.
  auto supported = [&](const T_PONT_D& end) -> int {
    CPoint2DArray square;
    if (!GetPointRegion2D(square, end.x, end.y)) return -1;
    CUIntArray found;
    if (!memb->GetKeyListWithPolygon2D(found, square, stories, 2, 0, nullptr) ||
        !memb->GetKeyListWithPolygon2D(found, square, stories, 1, 0, nullptr))
      return -1;
    for (INT_PTR i = found.GetSize() - 1; i >= 0; --i) {
      int type = 0;
      if (!memb->GetMembType(found[i], type)) return -1;
      if (found[i] == nMembKey || IsNoSupport(type)) found.RemoveAt(i);
    }
    return found.IsEmpty() ? 0 : 1;
  };
  const T_PONT_D& first = points[0];
  const T_PONT_D& last = points[points.GetSize() - 1];
  // A cantilever is held at exactly one end; a beam held at neither is none.
  const int atFirst = supported(first);
  if (atFirst < 0) return 0;
  const int atLast = supported(last);
  if (atLast < 0 || atFirst == atLast) return 0;
  return atFirst ? first.key : last.key;
}

// ---- Point keys ------------------------------------------------------------------------------

BOOL CCreateMembDlg2::TR_GetOrCreatePoint_forLineType(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2,
                                                      CUIntArray& keys) {
  const CClassPont* pont = ModelTable<CClassPont>();
  const CClassStor* stor = ModelTable<CClassStor>();
  if (!pont || !stor) return FALSE;
  T_PONT_D a, b;
  if (!ConvertGCSToPosOfStory(p1.x, p1.y, p1.z, a) || !ConvertGCSToPosOfStory(p2.x, p2.y, p2.z, b)) return FALSE;
  if (a.storyKey != b.storyKey) {
    const int sa = stor->GetSeq(a.storyKey), sb = stor->GetSeq(b.storyKey);
    if (sa > 0 && sb > 0 && (sa - sb == 1 || sb - sa == 1)) {
      if (p1.z == p2.z) return FALSE;
      T_PONT_D& lower = p1.z < p2.z ? a : b;
      const T_PONT_D& higher = p1.z < p2.z ? b : a;
      lower.storyKey = higher.storyKey;
      lower.flag = -1;
    }
  }
  CModeler2* modeler = CModeler2::Instance();
  if (!modeler) return FALSE;
  const UINT k1 = modeler->GetOrCreatePoint(&a, 1);
  if (k1) keys.Add(k1);
  const UINT k2 = modeler->GetOrCreatePoint(&b, 1);
  if (!k2 || !k1) return FALSE;
  keys.Add(k2);
  return TRUE;
}

int CCreateMembDlg2::TR_CreateColumn(const double xyz[3]) {
  const int mode = GetCurrentViewEditMode();
  if (mode < 0 || mode > 2) return 0;
  T_MODELER2_PARAM_MEMB memb;
  memb.Initialize();
  memb.mode = mode;
  memb.optA = 0;
  memb.name = "";
  memb.type = 101;
  memb.beta = GetBetaAngle();
  memb.betaAuto = IsBetaAngleAuto() ? 1 : 0;
  memb.key = GetSectKey();
  memb.optC = 0;
  memb.tension = GetTensionOnly() ? 1 : 0;
  memb.bending = GetConsiderBending() ? 1 : 0;
  memb.braceOpt = 0;  // the tool's brace option, which stays 0
  memb.cross = GetFrameIntersectType() ? 1 : 0;
  memb.optD = 0;
  memb.optE = 0;
  memb.optF = 1;
  T_PONT_D point;
  CModeler2* modeler = CModeler2::Instance();
  if (!ConvertGCSToPosOfStory(xyz[0], xyz[1], xyz[2], point) || !modeler) return 0;
  const UINT key = modeler->GetOrCreatePoint(&point, 1);
  if (!key) return 0;
  int out = 0;
  return modeler->CreateColumnOnPoint(key, memb, &out);
}
