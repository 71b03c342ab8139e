#include "tools/AttrLoadTexts.h"

#include <cmath>
#include "db/CClassCmld.h"
#include "db/CClassMemb.h"
#include "db/CClassStld.h"
#include "ui/CCompFunc.h"
#include "ui/CMsgDll.h"

namespace {

enum Group { CON, UNI, PAR, LAST, GROUPS };

struct ShapeKeys {
  const char* dead;
  const char* live;
};
constexpr ShapeKeys kKeys[GROUPS] = {
    {"IDS_CMD_ATTR_MEMB_DLOAD_CON", "IDS_CMD_ATTR_MEMB_LLOAD_CON"},
    {"IDS_CMD_ATTR_MEMB_DLOAD_UNI", "IDS_CMD_ATTR_MEMB_LLOAD_UNI"},
    {"IDS_CMD_ATTR_MEMB_DLOAD_PAR", "IDS_CMD_ATTR_MEMB_LLOAD_PAR"},
    {"IDS_CMD_ATTR_MEMB_DLOAD_TAP", "IDS_CMD_ATTR_MEMB_LLOAD_TAP"},
};

CString Piece(double p, double v) {
  CString s;
  s.Format("%.2f*%.1f", p, v);
  return s;
}

// The group and values text of one load; FALSE for a load type without a text.
BOOL Shape(const T_MEMBLOAD_D& r, double tol, Group& group, CString& values) {
  auto eq = [tol](double a, double b) { return CCompFunc::CompRealTol(a, b, tol) == 0; };
  auto nonzero = [tol](double a) { return std::fabs(a) > tol; };
  const double* p = r.p;
  const double* v = r.v;
  values.Empty();
  if (r.loadType == 1) {
    group = CON;
    for (int i = 0; i < 4; ++i) {
      if (!nonzero(v[i])) continue;
      if (!values.IsEmpty()) values += ",";
      values += Piece(p[i], v[i]);
    }
    return TRUE;
  }
  if (r.loadType != 3) return FALSE;
  const bool whole = eq(p[0], 0.0) && eq(p[1], 1.0);
  if (whole && eq(v[0], v[1]) && nonzero(v[0])) {
    group = UNI;
    values.Format("%.1f", v[0]);
  } else if (!whole && eq(p[2], 0.0) && eq(v[0], v[1]) && nonzero(v[0])) {
    group = PAR;
    values.Format("%.2f~%.2f*%.1f", p[0], p[1], v[0]);
  } else if (eq(p[0], 0.0) && eq(p[3], 1.0) && nonzero(p[1]) && nonzero(p[2]) && nonzero(v[1]) && eq(v[0], 0.0) &&
             eq(v[3], 0.0) && eq(v[1], v[2]) && eq(p[1] + p[2], 1.0)) {
    group = LAST;
    values = Piece(p[1], v[1]);
  } else {
    group = LAST;
    values = Piece(p[0], v[0]);
    for (int i = 1; i < 4 && !eq(p[i], 0.0); ++i) values += "," + Piece(p[i], v[i]);
  }
  return TRUE;
}

template <class Table, class Rec>
BOOL ReadLoad(DB_CDataBase* pDB, UINT key, T_MEMBLOAD_D& out) {
  auto* t = static_cast<Table*>(pDB->GetClass(Table::m_nClassID));
  Rec r;
  if (!t || !t->Get(key, r)) return FALSE;
  out = r;
  return TRUE;
}

}  // namespace

void MakeMembLoadTexts(DB_CDataBase* pDB, UINT membKey, int nSelector, double dTol, CStringArray& texts) {
  texts.RemoveAll();
  auto* memb = pDB ? static_cast<CClassMemb*>(pDB->GetClass(CClassMemb::m_nClassID)) : nullptr;
  auto* stld = pDB ? static_cast<CClassStld*>(pDB->GetClass(CClassStld::m_nClassID)) : nullptr;
  CArray<CClassStor::T_ATTR_ENTRY> attrs;
  if (memb && stld) memb->GetAttrList(membKey, attrs);
  const int code = nSelector == 0 ? CClassCmld::UR_CMLD_CMD : CClassLnld::UR_LNLD_CMD;
  CStringArray groups[GROUPS];
  for (const auto& e : attrs) {
    if (e.code != code) continue;
    T_MEMBLOAD_D load;
    const BOOL found = nSelector == 0 ? ReadLoad<CClassCmld, T_CMLD_D>(pDB, e.key, load)
                                      : ReadLoad<CClassLnld, T_LNLD_D>(pDB, e.key, load);
    T_STLD_D lc;
    if (!found || !stld->Get(load.loadCase, lc)) continue;
    Group g;
    CString values;
    if (!Shape(load, dTol, g, values)) continue;
    CString kind;
    if (lc.type == "D") kind = CMsgDll::pfuncLoadStr(kKeys[g].dead, 0);
    else if (lc.type == "L") kind = CMsgDll::pfuncLoadStr(kKeys[g].live, 0);
    groups[g].Add(kind + ":" + values);
  }
  for (const auto& g : groups)
    for (INT_PTR i = 0; i < g.GetSize(); ++i) texts.Add(g[i]);
  if (texts.GetSize() == 0) texts.Add(CMsgDll::pfuncLoadStr("IDS_CMD_ATTR_NONE", 0));
}
