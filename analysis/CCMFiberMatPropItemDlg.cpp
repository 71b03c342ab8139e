#include "analysis/CCMFiberMatPropItemDlg.h"

#include <algorithm>
#include <iterator>

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "afx/CPaintDC.h"
#include "analysis/FiberTrilinear.h"
#include "db/CClassFimp.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCMFiberMatPropItemDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCMFiberMatPropItemDlg, CDlgMove)
  ON_CBN_SELCHANGE(IDC_FIMP_MATL_TYPE, &CCMFiberMatPropItemDlg::OnSelchangeCmd2FiberMaterialTypeCmb)
  ON_CBN_SELCHANGE(IDC_FIMP_MODEL, &CCMFiberMatPropItemDlg::OnSelchangeCmd2FiberHysteresisModelCmb)
  ON_BN_CLICKED(IDC_FIMP_APPLY, &CCMFiberMatPropItemDlg::OnCmd2FiberApply)
  ON_BN_CLICKED(IDC_FIMP_ST_SE, &CCMFiberMatPropItemDlg::OnCmd2TriSteelRdo)
  ON_BN_CLICKED(IDC_FIMP_ST_SA, &CCMFiberMatPropItemDlg::OnCmd2TriSteelRdo)
  ON_BN_CLICKED(IDC_FIMP_CT_SE, &CCMFiberMatPropItemDlg::OnCmd2TriConcRdo)
  ON_BN_CLICKED(IDC_FIMP_CT_SA, &CCMFiberMatPropItemDlg::OnCmd2TriConcRdo)
  ON_CONTROL_RANGE(EN_CHANGE, IDC_FIMP_ST_S1, IDC_FIMP_ST_E3, &CCMFiberMatPropItemDlg::OnChangeTriStlEdt)
  ON_CONTROL_RANGE(EN_CHANGE, IDC_FIMP_ST_R2, IDC_FIMP_ST_R3, &CCMFiberMatPropItemDlg::OnChangeTriStlEdt)
END_MESSAGE_MAP()

namespace {

// A slot of a parameter block: an edit, or (radio) the first button of a radio group whose
// checked index is the slot's value. form: which trilinear input form the edit belongs to.
enum Form { BOTH, STRAIN, STIFF };
struct Slot {
  UINT id;
  Form form = BOTH;
  UINT radio2 = 0;  // the second button of a radio group; 0 for an edit
};

template <class Block>
void InitBlock(double* p) {
  Block b;
  b.Initialize();
  b.ToParam(p);
}

struct Model {
  const char* text;
  UINT picture;
  UINT group;
  void (*init)(double* p);
  std::initializer_list<Slot> slots;
};

const Model kConcrete[] = {
    {"IDS_CMD_FIMP_KENT_PARK", IDB_FIMP_KENT_PARK, IDC_FIMP_KP_GROUP, InitBlock<T_FIMP_CON_KENTPK>,
     {{IDC_FIMP_KP_FC}, {IDC_FIMP_KP_ECO}, {IDC_FIMP_KP_K}, {IDC_FIMP_KP_Z}, {IDC_FIMP_KP_ECU}}},
    {"IDS_CMD_FIMP_JCONCRETE", IDB_FIMP_JCONCRETE, IDC_FIMP_SJ_GROUP, InitBlock<T_FIMP_CON_STANJP>,
     {{IDC_FIMP_SJ_FC}, {IDC_FIMP_SJ_EPEAK}}},
    {"IDS_CMD_FIMP_JBRIDGE", IDB_FIMP_JBRIDGE, IDC_FIMP_RJ_GROUP, InitBlock<T_FIMP_CON_ROADJP>,
     {{IDC_FIMP_RJ_TYPE1, BOTH, IDC_FIMP_RJ_TYPE2}, {IDC_FIMP_RJ_EC}, {IDC_FIMP_RJ_SCK}, {IDC_FIMP_RJ_SSY},
      {IDC_FIMP_RJ_ALPHA}, {IDC_FIMP_RJ_SBT}, {IDC_FIMP_RJ_AH}, {IDC_FIMP_RJ_S}, {IDC_FIMP_RJ_D},
      {IDC_FIMP_RJ_BETA}}},
    {"IDS_CMD_FIMP_NAKOYA", IDB_FIMP_NAGOYA, IDC_FIMP_NG_GROUP, InitBlock<T_FIMP_CON_NAGOYA>,
     {{IDC_FIMP_NG_SCK}, {IDC_FIMP_NG_ECC}, {IDC_FIMP_NG_ECU}, {IDC_FIMP_NG_K}, {IDC_FIMP_NG_ETO},
      {IDC_FIMP_NG_ET1}, {IDC_FIMP_NG_ETU}}},
    {"IDS_CMD_FIMP_CON_TRILIN", IDB_FIMP_CON_TRILIN, IDC_FIMP_CT_GROUP, InitBlock<T_FIMP_CON_TRILIN>,
     {{IDC_FIMP_CT_SE, BOTH, IDC_FIMP_CT_SA}, {IDC_FIMP_CT_SC1}, {IDC_FIMP_CT_SC2}, {IDC_FIMP_CT_SC3},
      {IDC_FIMP_CT_ET}, {IDC_FIMP_CT_ET1}, {IDC_FIMP_CT_ETU}, {IDC_FIMP_CT_EC1, STRAIN},
      {IDC_FIMP_CT_EC2, STRAIN}, {IDC_FIMP_CT_EC3, STRAIN}, {IDC_FIMP_CT_K1, STIFF}, {IDC_FIMP_CT_R2, STIFF},
      {IDC_FIMP_CT_R3, STIFF}, {IDC_FIMP_CT_ECU}}},
};
const Model kSteel[] = {
    {"IDS_CMD_FIMP_MENEGOTTO", IDB_FIMP_MENEGOTTO, IDC_FIMP_MP_GROUP, InitBlock<T_FIMP_STL_MENEGO>,
     {{IDC_FIMP_MP_FY}, {IDC_FIMP_MP_RO}, {IDC_FIMP_MP_E}, {IDC_FIMP_MP_A1}, {IDC_FIMP_MP_A2}, {IDC_FIMP_MP_B}}},
    {"IDS_CMD_FIMP_BILINEAR", IDB_FIMP_BILINEAR, IDC_FIMP_BL_GROUP, InitBlock<T_FIMP_STL_BILINE>,
     {{IDC_FIMP_BL_FY}, {IDC_FIMP_BL_E1}, {IDC_FIMP_BL_R}}},
    {"IDS_CMD_FIMP_GEN_BILINEAR", IDB_FIMP_GEN_BILINEAR, IDC_FIMP_GB_GROUP, InitBlock<T_FIMP_STL_GENBIL>,
     {{IDC_FIMP_GB_SY}, {IDC_FIMP_GB_SCY}, {IDC_FIMP_GB_EPS1}, {IDC_FIMP_GB_EPS2}, {IDC_FIMP_GB_E1},
      {IDC_FIMP_GB_E2}, {IDC_FIMP_GB_E3}, {IDC_FIMP_GB_E4}, {IDC_FIMP_GB_E5}}},
    {"IDS_CMD_FIMP_STL_TRILIN", IDB_FIMP_STL_TRILIN, IDC_FIMP_ST_GROUP, InitBlock<T_FIMP_STL_TRILIN>,
     {{IDC_FIMP_ST_SE, BOTH, IDC_FIMP_ST_SA}, {IDC_FIMP_ST_S1}, {IDC_FIMP_ST_S2}, {IDC_FIMP_ST_S3},
      {IDC_FIMP_ST_SC1}, {IDC_FIMP_ST_SC2}, {IDC_FIMP_ST_SC3}, {IDC_FIMP_ST_E1, STRAIN},
      {IDC_FIMP_ST_E2, STRAIN}, {IDC_FIMP_ST_E3, STRAIN}, {IDC_FIMP_ST_EC1, STRAIN}, {IDC_FIMP_ST_EC2, STRAIN},
      {IDC_FIMP_ST_EC3, STRAIN}, {IDC_FIMP_ST_K1, STIFF}, {IDC_FIMP_ST_R2, STIFF}, {IDC_FIMP_ST_R3, STIFF},
      {IDC_FIMP_ST_R4, STIFF}, {IDC_FIMP_ST_R5, STIFF}}},
};
constexpr int kConcreteModels = (int)std::size(kConcrete), kSteelModels = (int)std::size(kSteel);
enum { MODEL_CON_TRILIN = 4, MODEL_STL_TRILIN = 3 };

const Model* FindModel(int kind, int model) {
  if (kind == FIMP_KIND_CONCRETE && model >= 0 && model < kConcreteModels) return &kConcrete[model];
  if (kind == FIMP_KIND_STEEL && model >= 0 && model < kSteelModels) return &kSteel[model];
  return nullptr;
}

// The unit labels: the label, the edit beside it, the entry of T_FIMP_D::unit.
struct UnitLabel {
  UINT label, edit;
  int unit;
};
const UnitLabel kUnits[] = {
    {IDC_FIMP_KP_FC_UNIT, IDC_FIMP_KP_FC, 0},    {IDC_FIMP_SJ_FC_UNIT, IDC_FIMP_SJ_FC, 1},
    {IDC_FIMP_RJ_EC_UNIT, IDC_FIMP_RJ_EC, 1},    {IDC_FIMP_RJ_SCK_UNIT, IDC_FIMP_RJ_SCK, 1},
    {IDC_FIMP_RJ_SSY_UNIT, IDC_FIMP_RJ_SSY, 1},  {IDC_FIMP_RJ_SBT_UNIT, IDC_FIMP_RJ_SBT, 1},
    {IDC_FIMP_RJ_AH_UNIT, IDC_FIMP_RJ_AH, 3},    {IDC_FIMP_RJ_S_UNIT, IDC_FIMP_RJ_S, 4},
    {IDC_FIMP_RJ_D_UNIT, IDC_FIMP_RJ_D, 4},      {IDC_FIMP_NG_SCK_UNIT, IDC_FIMP_NG_SCK, 1},
    {IDC_FIMP_CT_SC1_UNIT, IDC_FIMP_CT_SC1, 1},  {IDC_FIMP_CT_SC2_UNIT, IDC_FIMP_CT_SC2, 1},
    {IDC_FIMP_CT_SC3_UNIT, IDC_FIMP_CT_SC3, 1},  {IDC_FIMP_CT_K1_UNIT, IDC_FIMP_CT_K1, 1},
    {IDC_FIMP_MP_FY_UNIT, IDC_FIMP_MP_FY, 1},    {IDC_FIMP_MP_E_UNIT, IDC_FIMP_MP_E, 2},
    {IDC_FIMP_BL_FY_UNIT, IDC_FIMP_BL_FY, 1},    {IDC_FIMP_BL_E1_UNIT, IDC_FIMP_BL_E1, 1},
    {IDC_FIMP_GB_SY_UNIT, IDC_FIMP_GB_SY, 1},    {IDC_FIMP_GB_SCY_UNIT, IDC_FIMP_GB_SCY, 1},
    {IDC_FIMP_GB_E1_UNIT, IDC_FIMP_GB_E1, 1},    {IDC_FIMP_GB_E2_UNIT, IDC_FIMP_GB_E2, 1},
    {IDC_FIMP_GB_E3_UNIT, IDC_FIMP_GB_E3, 1},    {IDC_FIMP_GB_E4_UNIT, IDC_FIMP_GB_E4, 1},
    {IDC_FIMP_GB_E5_UNIT, IDC_FIMP_GB_E5, 1},    {IDC_FIMP_ST_S1_UNIT, IDC_FIMP_ST_S1, 1},
    {IDC_FIMP_ST_S2_UNIT, IDC_FIMP_ST_S2, 1},    {IDC_FIMP_ST_S3_UNIT, IDC_FIMP_ST_S3, 1},
    {IDC_FIMP_ST_SC1_UNIT, IDC_FIMP_ST_SC1, 1},  {IDC_FIMP_ST_SC2_UNIT, IDC_FIMP_ST_SC2, 1},
    {IDC_FIMP_ST_SC3_UNIT, IDC_FIMP_ST_SC3, 1},  {IDC_FIMP_ST_K1_UNIT, IDC_FIMP_ST_K1, 1},
};

// The panels found inside their group boxes, in the order of m_arrPanel.
const UINT kPanelGroups[7] = {IDC_FIMP_MP_GROUP, IDC_FIMP_BL_GROUP, IDC_FIMP_GB_GROUP, IDC_FIMP_KP_GROUP,
                              IDC_FIMP_SJ_GROUP, IDC_FIMP_RJ_GROUP, IDC_FIMP_NG_GROUP};

const UINT kReadOnly[] = {IDC_FIMP_MP_RO,  IDC_FIMP_MP_A1,  IDC_FIMP_MP_A2, IDC_FIMP_ST_EC1,
                          IDC_FIMP_ST_EC2, IDC_FIMP_ST_EC3, IDC_FIMP_ST_R4, IDC_FIMP_ST_R5};

const char kNotNumber[] = "IDS_CMD_FIMP_Error_Not_Number";

// Scrolls an edit's caret into view (the edit message of that name).
constexpr UINT kEmScrollCaret = 0x00B7;

void Fill(CUIntArray& a, std::initializer_list<UINT> ids) {
  for (UINT id : ids) a.Add(id);
}
void FillRange(CUIntArray& a, UINT first, UINT last) {
  for (UINT id = first; id <= last; ++id) a.Add(id);
}

CPoint TopLeft(CWnd* dlg, UINT id) {
  CRect r;
  if (CWnd* w = dlg->GetDlgItem((int)id)) w->GetWindowRect(&r);
  return r.TopLeft();
}

}  // namespace

static_assert(std::size(kUnits) == 32, "one label object per unit label");

int CCMFiberMatPropItemDlg::GetModelCount(int kind) {
  return kind == FIMP_KIND_CONCRETE ? kConcreteModels : kind == FIMP_KIND_STEEL ? kSteelModels : 0;
}
const char* CCMFiberMatPropItemDlg::GetModelTextKey(int kind, int model) {
  const Model* m = FindModel(kind, model);
  return m ? m->text : nullptr;
}
UINT CCMFiberMatPropItemDlg::GetModelPicture(int kind, int model) {
  const Model* m = FindModel(kind, model);
  return m ? m->picture : 0;
}

CCMFiberMatPropItemDlg::CCMFiberMatPropItemDlg(CWnd* pParent) : CDlgMove(IDD_CMD_FIBER_MAT_ITEM, pParent) {
  Fill(m_arrStlTriBase, {IDC_FIMP_ST_GROUP, IDC_FIMP_ST_METHOD_LABEL, IDC_FIMP_ST_SE, IDC_FIMP_ST_SA,
                         IDC_FIMP_ST_S1_LABEL, IDC_FIMP_ST_S2_LABEL, IDC_FIMP_ST_S3_LABEL, IDC_FIMP_ST_SC1_LABEL,
                         IDC_FIMP_ST_SC2_LABEL, IDC_FIMP_ST_SC3_LABEL});
  FillRange(m_arrStlTriBase, IDC_FIMP_ST_S1, IDC_FIMP_ST_SC3);
  Fill(m_arrStlTriBase, {IDC_FIMP_ST_S1_UNIT, IDC_FIMP_ST_S2_UNIT, IDC_FIMP_ST_S3_UNIT, IDC_FIMP_ST_SC1_UNIT,
                         IDC_FIMP_ST_SC2_UNIT, IDC_FIMP_ST_SC3_UNIT});
  Fill(m_arrStlTriRadio, {IDC_FIMP_ST_SE, IDC_FIMP_ST_SA});
  Fill(m_arrStlTriStrain, {IDC_FIMP_ST_E1_LABEL, IDC_FIMP_ST_E2_LABEL, IDC_FIMP_ST_E3_LABEL,
                           IDC_FIMP_ST_EC1_LABEL, IDC_FIMP_ST_EC2_LABEL, IDC_FIMP_ST_EC3_LABEL});
  FillRange(m_arrStlTriStrain, IDC_FIMP_ST_E1, IDC_FIMP_ST_EC3);
  Fill(m_arrStlTriStiff, {IDC_FIMP_ST_K1_LABEL, IDC_FIMP_ST_R2_LABEL, IDC_FIMP_ST_R3_LABEL, IDC_FIMP_ST_R4_LABEL,
                          IDC_FIMP_ST_R5_LABEL, IDC_FIMP_ST_K1, IDC_FIMP_ST_R2, IDC_FIMP_ST_R3, IDC_FIMP_ST_R4,
                          IDC_FIMP_ST_R5, IDC_FIMP_ST_K1_UNIT});
  Fill(m_arrConTriBase, {IDC_FIMP_CT_GROUP, IDC_FIMP_CT_METHOD_LABEL, IDC_FIMP_CT_SE, IDC_FIMP_CT_SA,
                         IDC_FIMP_CT_SC1_LABEL, IDC_FIMP_CT_SC2_LABEL, IDC_FIMP_CT_SC3_LABEL, IDC_FIMP_CT_ET_LABEL,
                         IDC_FIMP_CT_ET1_LABEL, IDC_FIMP_CT_ETU_LABEL});
  FillRange(m_arrConTriBase, IDC_FIMP_CT_SC1, IDC_FIMP_CT_ETU);
  Fill(m_arrConTriBase, {IDC_FIMP_CT_SC1_UNIT, IDC_FIMP_CT_SC2_UNIT, IDC_FIMP_CT_SC3_UNIT, IDC_FIMP_CT_ECU_LABEL,
                         IDC_FIMP_CT_ECU});
  Fill(m_arrRoadRadio, {IDC_FIMP_RJ_TYPE1, IDC_FIMP_RJ_TYPE2});
  Fill(m_arrConTriRadio, {IDC_FIMP_CT_SE, IDC_FIMP_CT_SA});
  Fill(m_arrConTriStrain, {IDC_FIMP_CT_EC1_LABEL, IDC_FIMP_CT_EC2_LABEL, IDC_FIMP_CT_EC3_LABEL, IDC_FIMP_CT_EC1,
                           IDC_FIMP_CT_EC2, IDC_FIMP_CT_EC3});
  Fill(m_arrConTriStiff, {IDC_FIMP_CT_K1_LABEL, IDC_FIMP_CT_R2_LABEL, IDC_FIMP_CT_R3_LABEL, IDC_FIMP_CT_K1,
                          IDC_FIMP_CT_R2, IDC_FIMP_CT_R3, IDC_FIMP_CT_K1_UNIT});
  m_rec.Initialize();
}

CCMFiberMatPropItemDlg::~CCMFiberMatPropItemDlg() = default;

void CCMFiberMatPropItemDlg::SetModify(UINT key) {
  m_nModify = 1;
  m_nModifyKey = key;
}

void CCMFiberMatPropItemDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FIMP_MATL_TYPE, m_cbMaterial);
  DDX_Control(pDX, IDC_FIMP_MODEL, m_cbModel);
  DDX_Control(pDX, IDC_FIMP_PICTURE, m_stPicture);
  int i = 0;
  for (const Model* table : {kConcrete, kSteel}) {
    const int n = table == kConcrete ? kConcreteModels : kSteelModels;
    for (int m = 0; m < n; ++m)
      for (const Slot& s : table[m].slots)
        if (!s.radio2 && i < kEditCount) DDX_Control(pDX, (int)s.id, m_edits[i++]);
  }
  for (int u = 0; u < kUnitCount; ++u) DDX_Control(pDX, (int)kUnits[u].label, m_units[u]);
}

CEditUnit* CCMFiberMatPropItemDlg::Edit(UINT id) {
  for (CEditUnit& e : m_edits)
    if (e.GetSafeHwnd() && (UINT)e.GetDlgCtrlID() == id) return &e;
  return nullptr;
}

double CCMFiberMatPropItemDlg::Value(UINT id) {
  double v = 0.0;
  if (CEditUnit* e = Edit(id)) e->GetShownValue(v);
  return v;
}

void CCMFiberMatPropItemDlg::SetValue(UINT id, double v) {
  if (CEditUnit* e = Edit(id)) e->SetEditUnit(v);
}

// ---- opening ------------------------------------------------------------------------------------

BOOL CCMFiberMatPropItemDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_pDoc = CDBDoc::m_pDBDoc;
  m_pMDBCtrl = m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr;
  for (int i = 0; i < 7; ++i) CDlgUtil::GetCtrlIDByIncRect(this, m_arrPanel[i], kPanelGroups[i], TRUE);
  CDlgUtil::CtrlRadioSetCheck(this, m_arrStlTriRadio, 0);
  CDlgUtil::CtrlRadioSetCheck(this, m_arrConTriRadio, 0);
  CDlgUtil::CtrlRadioSetCheck(this, m_arrRoadRadio, 0);
  InitCombo();
  InitUnit();
  AlignCtrl();
  for (UINT id : kReadOnly)
    if (CWnd* w = GetDlgItem((int)id)) w->SendMessage(EM_SETREADONLY, TRUE);

  m_rec.Initialize();
  if (m_nModify && m_pDoc) {
    CClassFimp fimp;
    fimp.ConnectToDB(m_pDoc->GetModelDB());
    fimp.Get(m_nModifyKey, m_rec);
  }
  T_FIMP_D rec = m_rec;
  Data2Dlg(rec);
  if (CWnd* apply = GetDlgItem(IDC_FIMP_APPLY)) apply->EnableWindow(!m_nModify);
  return TRUE;
}

void CCMFiberMatPropItemDlg::InitCombo() {
  m_cbMaterial.ResetContent();
  m_cbMaterial.AddString(GMakeMsg("IDS_CMD_FIMP_CONC"));
  m_cbMaterial.AddString(GMakeMsg("IDS_CMD_FIMP_STEEL"));
}

void CCMFiberMatPropItemDlg::InitUnit() {
  for (int u = 0; u < kUnitCount; ++u) {
    const int kind = T_FIMP_D::unit[kUnits[u].unit];
    m_units[u].SetUnitType(kind);
    if (CEditUnit* e = Edit(kUnits[u].edit)) e->SetUnitType(kind);
  }
}

void CCMFiberMatPropItemDlg::AlignCtrl() {
  const CPoint home = TopLeft(this, IDC_FIMP_KP_GROUP);
  for (int i = 0; i < 7; ++i) {
    if (kPanelGroups[i] == IDC_FIMP_KP_GROUP) continue;
    const CPoint at = TopLeft(this, kPanelGroups[i]);
    CDlgUtil::CtrlMoveDistXY(this, m_arrPanel[i], home.x - at.x, home.y - at.y);
  }
  CPoint at = TopLeft(this, IDC_FIMP_ST_GROUP);
  CDlgUtil::CtrlMoveDistXY(this, m_arrStlTriBase, home.x - at.x, home.y - at.y);
  CDlgUtil::CtrlMoveDistXY(this, m_arrStlTriStrain, home.x - at.x, home.y - at.y);
  at = TopLeft(this, IDC_FIMP_CT_GROUP);
  CDlgUtil::CtrlMoveDistXY(this, m_arrConTriBase, home.x - at.x, home.y - at.y);
  CDlgUtil::CtrlMoveDistXY(this, m_arrConTriStrain, home.x - at.x, home.y - at.y);

  CPoint to = TopLeft(this, IDC_FIMP_ST_E1);
  at = TopLeft(this, IDC_FIMP_ST_K1);
  CDlgUtil::CtrlMoveDistXY(this, m_arrStlTriStiff, to.x - at.x, to.y - at.y);
  to = TopLeft(this, IDC_FIMP_CT_EC1);
  at = TopLeft(this, IDC_FIMP_CT_K1);
  CDlgUtil::CtrlMoveDistXY(this, m_arrConTriStiff, to.x - at.x, to.y - at.y);

  CRect dlg, ok;
  GetWindowRect(&dlg);
  if (CWnd* w = GetDlgItem(IDOK)) w->GetWindowRect(&ok);
  dlg.bottom = ok.bottom + 12;
  MoveWindow(&dlg, FALSE);
}

// ---- panels -------------------------------------------------------------------------------------

void CCMFiberMatPropItemDlg::PutPanel(int kind, int model, const double* p) {
  const Model* m = FindModel(kind, model);
  if (!m) return;
  int i = 0;
  for (const Slot& s : m->slots) {
    if (s.radio2)
      CDlgUtil::CtrlRadioSetCheck(this, {s.id, s.radio2}, (int)p[i]);
    else
      SetValue(s.id, p[i]);
    ++i;
  }
}

int CCMFiberMatPropItemDlg::GetPanel(int kind, int model, double* p) {
  const Model* m = FindModel(kind, model);
  if (!m) return 1;
  // A trilinear block: the input method is its first slot.
  const Slot& first = *m->slots.begin();
  const int method = first.radio2 ? std::max(0, CDlgUtil::CtrlRadioGetCheck(this, {first.id, first.radio2})) : 0;
  const bool trilinear = m->group == IDC_FIMP_CT_GROUP || m->group == IDC_FIMP_ST_GROUP;
  int i = 0;
  for (const Slot& s : m->slots) {
    const int slot = i++;
    if (s.radio2) {
      p[slot] = std::max(0, CDlgUtil::CtrlRadioGetCheck(this, {s.id, s.radio2}));
      continue;
    }
    if (trilinear && s.form != BOTH && (s.form == STRAIN) != (method == 0)) continue;
    CEditUnit* e = Edit(s.id);
    if (!e) continue;
    if (!e->GetShownValue(p[slot])) {
      AfxMessageBox(GMakeMsg(kNotNumber));
      e->SetFocus();
      e->SetSel(0, -1);
      return 0;
    }
  }
  return 1;
}

void CCMFiberMatPropItemDlg::ShowPicture(int kind, int model) {
  m_stPicture.SetBitmap(nullptr);
  m_pBitmap.reset();
  const UINT id = GetModelPicture(kind, model);
  if (!id) return;
  auto bmp = std::make_unique<CBitmap>();
  if (!bmp->LoadBitmap(id)) return;
  m_stPicture.SetBitmap((HBITMAP)*bmp);
  m_pBitmap = std::move(bmp);
}

void CCMFiberMatPropItemDlg::Data2Dlg(T_FIMP_D& rec) {
  SetDlgItemText(IDC_FIMP_NAME, rec.name);
  m_cbMaterial.SetCurSel(rec.kind);
  OnSelchangeCmd2FiberMaterialTypeCmb();
  m_cbModel.SetCurSel(rec.model);
  OnSelchangeCmd2FiberHysteresisModelCmb();

  const int kind = m_cbMaterial.GetCurSel();
  if (m_nModify && FindModel(rec.kind, rec.model)) {
    PutPanel(rec.kind, rec.model, rec.param);
    if (rec.kind == FIMP_KIND_CONCRETE && rec.model == MODEL_CON_TRILIN) TriConcRdoBtnCtrl();
    if (rec.kind == FIMP_KIND_STEEL && rec.model == MODEL_STL_TRILIN) TriSteelRdoBtnCtrl();
  }
  const int selKind = m_cbMaterial.GetCurSel(), selModel = m_cbModel.GetCurSel();
  for (int k : {FIMP_KIND_CONCRETE, FIMP_KIND_STEEL}) {
    if (m_nModify && k != kind) continue;
    for (int m = 0; m < GetModelCount(k); ++m) {
      if (m_nModify && k == rec.kind && m == rec.model) continue;
      FindModel(k, m)->init(rec.param);
      PutPanel(k, m, rec.param);
      if (k == selKind && m == selModel && k == FIMP_KIND_CONCRETE && m == MODEL_CON_TRILIN) TriConcRdoBtnCtrl();
      if (k == selKind && m == selModel && k == FIMP_KIND_STEEL && m == MODEL_STL_TRILIN) TriSteelRdoBtnCtrl();
    }
  }
}

int CCMFiberMatPropItemDlg::Dlg2Data(T_FIMP_D& rec) {
  rec.Initialize();
  CString name;
  GetDlgItemText(IDC_FIMP_NAME, name);
  rec.name = name;
  rec.kind = m_cbMaterial.GetCurSel();
  rec.model = m_cbModel.GetCurSel();
  if (m_pDoc) {
    CClassFimp fimp;
    fimp.ConnectToDB(m_pDoc->GetModelDB());
    rec.key = fimp.GetNewKey();  // a free key: never one in use
  }
  if (!FindModel(rec.kind, rec.model)) {
    // No model is shown (a stored pair outside the models): the stored one stays.
    rec.kind = m_rec.kind;
    rec.model = m_rec.model;
    std::copy(std::begin(m_rec.param), std::end(m_rec.param), rec.param);
    return 1;
  }
  return GetPanel(rec.kind, rec.model, rec.param);
}

int CCMFiberMatPropItemDlg::OnExecute() {
  T_FIMP_D rec;
  if (!Dlg2Data(rec) || !m_pDoc) return 0;
  CClassFimp fimp;
  fimp.ConnectToDB(m_pDoc->GetModelDB());
  if (m_nModify) {
    rec.key = m_nModifyKey;
    return fimp.TR_Modify(m_nModifyKey, rec) ? 1 : 0;
  }
  return fimp.TR_Add(rec) ? 1 : 0;
}

void CCMFiberMatPropItemDlg::OnOK() {
  if (OnExecute()) CDialog::OnOK();
}

void CCMFiberMatPropItemDlg::OnCmd2FiberApply() {
  if (!OnExecute()) return;
  if (CWnd* name = GetDlgItem(IDC_FIMP_NAME)) {
    name->SetFocus();
    name->SendMessage(EM_SETSEL, 0, -1);
    name->SendMessage(kEmScrollCaret);
  }
}

// ---- the combos ---------------------------------------------------------------------------------

void CCMFiberMatPropItemDlg::OnSelchangeCmd2FiberMaterialTypeCmb() {
  const int kind = m_cbMaterial.GetCurSel();
  m_cbModel.ResetContent();
  int widest = 0;
  CClientDC dc(&m_cbModel);
  for (int m = 0; m < GetModelCount(kind); ++m) {
    const CString text = GMakeMsg(FindModel(kind, m)->text);
    m_cbModel.AddString(text);
    widest = std::max(widest, (int)dc.GetTextExtent(text).cx);
  }
  m_cbModel.SetDroppedWidth((UINT)widest);
  m_cbModel.SetCurSel(0);
  OnSelchangeCmd2FiberHysteresisModelCmb();
}

void CCMFiberMatPropItemDlg::OnSelchangeCmd2FiberHysteresisModelCmb() {
  const int kind = m_cbMaterial.GetCurSel(), model = m_cbModel.GetCurSel();
  const Model* shown = FindModel(kind, model);
  for (int i = 0; i < 7; ++i) CDlgUtil::CtrlShowHide(this, m_arrPanel[i], FALSE);
  CDlgUtil::CtrlShowHide(this, m_arrConTriBase, FALSE);
  CDlgUtil::CtrlShowHide(this, m_arrConTriStrain, FALSE);
  CDlgUtil::CtrlShowHide(this, m_arrConTriStiff, FALSE);
  CDlgUtil::CtrlShowHide(this, m_arrStlTriBase, FALSE);
  CDlgUtil::CtrlShowHide(this, m_arrStlTriStrain, FALSE);
  CDlgUtil::CtrlShowHide(this, m_arrStlTriStiff, FALSE);
  if (shown) {
    if (shown->group == IDC_FIMP_CT_GROUP) {
      CDlgUtil::CtrlShowHide(this, m_arrConTriBase, TRUE);
      TriConcRdoBtnCtrl();
    } else if (shown->group == IDC_FIMP_ST_GROUP) {
      CDlgUtil::CtrlShowHide(this, m_arrStlTriBase, TRUE);
      TriSteelRdoBtnCtrl();
    } else {
      for (int i = 0; i < 7; ++i)
        if (kPanelGroups[i] == shown->group) CDlgUtil::CtrlShowHide(this, m_arrPanel[i], TRUE);
    }
  }
  ShowPicture(kind, model);
}

// ---- the trilinear input forms ------------------------------------------------------------------

void CCMFiberMatPropItemDlg::OnCmd2TriSteelRdo() {
  SetStlTriModelMethodChangeValue();
  TriSteelRdoBtnCtrl();
}

void CCMFiberMatPropItemDlg::OnCmd2TriConcRdo() {
  SetConTriModelMethodChangeValue();
  TriConcRdoBtnCtrl();
}

void CCMFiberMatPropItemDlg::OnChangeTriStlEdt(UINT) { SetStlTriModelCalcValue(); }

void CCMFiberMatPropItemDlg::TriSteelRdoBtnCtrl() {
  const int method = CDlgUtil::CtrlRadioGetCheck(this, m_arrStlTriRadio);
  CDlgUtil::CtrlShowHide(this, m_arrStlTriStrain, method == 0);
  CDlgUtil::CtrlShowHide(this, m_arrStlTriStiff, method == 1);
  SetStlTriModelCalcValue();
}

void CCMFiberMatPropItemDlg::TriConcRdoBtnCtrl() {
  const int method = CDlgUtil::CtrlRadioGetCheck(this, m_arrConTriRadio);
  CDlgUtil::CtrlShowHide(this, m_arrConTriStrain, method == 0);
  CDlgUtil::CtrlShowHide(this, m_arrConTriStiff, method == 1);
}

namespace {
const UINT kStlTension[3] = {IDC_FIMP_ST_S1, IDC_FIMP_ST_S2, IDC_FIMP_ST_S3};
const UINT kStlCompression[3] = {IDC_FIMP_ST_SC1, IDC_FIMP_ST_SC2, IDC_FIMP_ST_SC3};
const UINT kStlTensionStrain[3] = {IDC_FIMP_ST_E1, IDC_FIMP_ST_E2, IDC_FIMP_ST_E3};
const UINT kStlCompressionStrain[3] = {IDC_FIMP_ST_EC1, IDC_FIMP_ST_EC2, IDC_FIMP_ST_EC3};
const UINT kStlRatios[4] = {IDC_FIMP_ST_R2, IDC_FIMP_ST_R3, IDC_FIMP_ST_R4, IDC_FIMP_ST_R5};
const UINT kConStress[3] = {IDC_FIMP_CT_SC1, IDC_FIMP_CT_SC2, IDC_FIMP_CT_SC3};
const UINT kConStrain[3] = {IDC_FIMP_CT_EC1, IDC_FIMP_CT_EC2, IDC_FIMP_CT_EC3};
}  // namespace

void CCMFiberMatPropItemDlg::SetConTriModelMethodChangeValue() {
  FiberBranch b;
  for (int i = 0; i < 3; ++i) {
    b.s[i] = Value(kConStress[i]);
    b.e[i] = Value(kConStrain[i]);
  }
  if (CDlgUtil::CtrlRadioGetCheck(this, m_arrConTriRadio) == 0) {
    if (!FiberToStrainForm(b, Value(IDC_FIMP_CT_K1), Value(IDC_FIMP_CT_R2), Value(IDC_FIMP_CT_R3))) return;
    for (int i = 0; i < 3; ++i) SetValue(kConStrain[i], b.e[i]);
  } else {
    double K1 = 0, r2 = 0, r3 = 0;
    FiberToStiffnessForm(b, K1, r2, r3);
    SetValue(IDC_FIMP_CT_K1, K1);
    SetValue(IDC_FIMP_CT_R2, r2);
    SetValue(IDC_FIMP_CT_R3, r3);
  }
}

void CCMFiberMatPropItemDlg::SetStlTriModelMethodChangeValue() {
  FiberBranch t, c;
  for (int i = 0; i < 3; ++i) {
    t.s[i] = Value(kStlTension[i]);
    t.e[i] = Value(kStlTensionStrain[i]);
    c.s[i] = Value(kStlCompression[i]);
    c.e[i] = Value(kStlCompressionStrain[i]);
  }
  double r[4];
  for (int i = 0; i < 4; ++i) r[i] = Value(kStlRatios[i]);
  if (CDlgUtil::CtrlRadioGetCheck(this, m_arrStlTriRadio) == 0) {
    if (!FiberSteelToStrainForm(t, c, Value(IDC_FIMP_ST_K1), r)) return;
    for (int i = 0; i < 3; ++i) {
      SetValue(kStlTensionStrain[i], t.e[i]);
      SetValue(kStlCompressionStrain[i], c.e[i]);
    }
  } else {
    double K1 = 0;
    FiberSteelToStiffnessForm(t, c, K1, r);
    SetValue(IDC_FIMP_ST_K1, K1);
    for (int i = 0; i < 4; ++i) SetValue(kStlRatios[i], r[i]);
  }
}

void CCMFiberMatPropItemDlg::SetStlTriModelCalcValue() {
  if (CDlgUtil::CtrlRadioGetCheck(this, m_arrStlTriRadio) == 1) {
    SetValue(IDC_FIMP_ST_R4, Value(IDC_FIMP_ST_R2));
    SetValue(IDC_FIMP_ST_R5, Value(IDC_FIMP_ST_R3));
    return;
  }
  FiberBranch t, c;
  for (int i = 0; i < 3; ++i) {
    t.s[i] = Value(kStlTension[i]);
    t.e[i] = Value(kStlTensionStrain[i]);
    c.s[i] = Value(kStlCompression[i]);
  }
  FiberSteelCompressionStrains(t, c);
  for (int i = 0; i < 3; ++i) SetValue(kStlCompressionStrain[i], c.e[i]);
}
