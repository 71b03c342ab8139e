#include "creation/CAdvOptMembCreateSectPanels.h"

#include "afx/CComboBox.h"
#include "afx/CDataExchange.h"
#include "creation/AdvOptIds.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "view/CStrParser.h"

BEGIN_MESSAGE_MAP(CAdvOptMembCreateSectDlg, CAdvOptMembCreateDlg)
  ON_BN_CLICKED(IDC_ADVOPT_DIR_BETA, &CAdvOptMembCreateSectDlg::OnDirection)
  ON_BN_CLICKED(IDC_ADVOPT_DIR_REF, &CAdvOptMembCreateSectDlg::OnDirection)
END_MESSAGE_MAP()

namespace {
using T = CAdvOptMembCreateDlg::Tolerance;
// idd, kind group, tolerance group, refresh without type, manages 17356, split follows the
// type, shows the section, trimmed to group.
const CAdvOptMembCreateDlg::Traits kColumn{IDD_ADVOPT_MEMB_COLUMN, "point", T::MergeSplit, true, true, true, true,
                                           IDC_ADVOPT_TOL_GROUP};
const CAdvOptMembCreateDlg::Traits kBeam{IDD_ADVOPT_MEMB_BEAM, "line", T::CrossSplit, false, true, false, true, 0};
const CAdvOptMembCreateDlg::Traits kWall{IDD_ADVOPT_MEMB_WALL, "line", T::CrossSplit, false, true, false, true, 0};
const CAdvOptMembCreateDlg::Traits kBrace{IDD_ADVOPT_MEMB_BRACE, "line", T::CrossSplit, false, true, false, true,
                                          IDC_ADVOPT_TOL_GROUP2};

const char* const kBetaItems[] = {"0", "45", "90", "135", "180"};
const struct {
  const char* key;
  int data;
} kIEnds[] = {{"IDS_WG_CMD_ADVOPT_MEMBER_BRTR_TOP", 0},
              {"IDS_WG_CMD_ADVOPT_MEMBER_BRTR_BOTTOM", 1},
              {"IDS_WG_CMD_ADVOPT_MEMBER_BRTR_SNAP_POINT", 2}};

CString LoadStr(const char* key) {
  const char* s = CMsgDll::pfuncLoadStr ? CMsgDll::pfuncLoadStr(key, 0) : nullptr;
  return s ? CString(s) : CString();
}

CString G(double d) {
  CString s;
  s.Format("%g", d);
  return s;
}
}  // namespace

CAdvOptMembCreateSectDlg::CAdvOptMembCreateSectDlg(const Traits& traits, Kind kind)
    : CAdvOptMembCreateDlg(traits), m_kind(kind) {
  if (HasDirection()) {
    for (UINT id : {IDC_ADVOPT_DIR_BETA, IDC_ADVOPT_DIR_REF}) m_dirIds.Add(id);
    for (UINT id : {IDC_ADVOPT_BETA, IDC_ADVOPT_BETA_UNIT}) m_betaIds.Add(id);
    for (UINT id : {IDC_ADVOPT_REF, IDC_ADVOPT_REF_UNIT}) m_refIds.Add(id);
    m_editRef.SetParamType(1, 3, 0);
  }
}

CAdvOptMembCreateColumnDlg::CAdvOptMembCreateColumnDlg() : CAdvOptMembCreateSectDlg(kColumn, COLUMN) {}
CAdvOptMembCreateBeamDlg::CAdvOptMembCreateBeamDlg() : CAdvOptMembCreateSectDlg(kBeam, BEAM) {}
CAdvOptMembCreateWallDlg::CAdvOptMembCreateWallDlg() : CAdvOptMembCreateSectDlg(kWall, WALL) {}
CAdvOptMembCreateBrTrDlg::CAdvOptMembCreateBrTrDlg() : CAdvOptMembCreateSectDlg(kBrace, BRACE) {}

int CAdvOptMembCreateSectDlg::BetaId() const { return m_kind == BEAM ? IDC_ADVOPT_BEAM_BETA : IDC_ADVOPT_BETA; }

void CAdvOptMembCreateSectDlg::DoDataExchange(CDataExchange* pDX) {
  CAdvOptMembCreateDlg::DoDataExchange(pDX);
  if (HasDirection()) {
    DDX_Control(pDX, IDC_ADVOPT_REF, m_editRef);
    DDX_Control(pDX, IDC_ADVOPT_REF_UNIT, m_unitRef);
  }
}

void CAdvOptMembCreateSectDlg::OnPrepare() {
  if (m_kind == WALL) return;
  auto* beta = dynamic_cast<CComboBox*>(GetDlgItem(BetaId()));
  if (beta)
    for (const char* item : kBetaItems) beta->AddString(item);
  if (m_kind == COLUMN) m_unitRef.SetUnitType(1);
  if (m_kind == BRACE) {
    if (auto* iend = dynamic_cast<CComboBox*>(GetDlgItem(IDC_ADVOPT_IEND)))
      for (const auto& e : kIEnds) CDlgUtil::CobxAddItem(iend, LoadStr(e.key), (DWORD_PTR)e.data);
    // Neither bound to the record nor handed over.
    Enable(IDC_ADVOPT_TENSION, FALSE);
    Enable(IDC_ADVOPT_GAP, FALSE);
  }
  if (HasDirection() && beta) {
    // The reference point stands on the Beta angle's line of the direction group.
    CRect rcBeta, rcRef;
    beta->GetWindowRect(&rcBeta);
    GetDlgItem(IDC_ADVOPT_REF)->GetWindowRect(&rcRef);
    CDlgUtil::CtrlMoveDistY(this, m_refIds, rcBeta.top - rcRef.top, TRUE);
  }
}

void CAdvOptMembCreateSectDlg::Data2Dlg() {
  switch (m_kind) {
    case BEAM:
      SetDlgItemText(IDC_ADVOPT_BEAM_BETA, G(m_sect.dBeta));
      break;
    case WALL:
      CheckDlgButton(IDC_ADVOPT_TRANSFER, m_sect.nTransfer ? BST_CHECKED : BST_UNCHECKED);
      break;
    case BRACE:
      CDlgUtil::CobxSetCurSelItemData(dynamic_cast<CComboBox*>(GetDlgItem(IDC_ADVOPT_IEND)), (DWORD_PTR)m_sect.nIEnd);
      [[fallthrough]];
    case COLUMN: {
      CDlgUtil::CtrlRadioSetCheck(this, m_dirIds, m_sect.nDirMode ? 1 : 0);
      if (m_sect.nDirMode == 0) {
        SetDlgItemText(IDC_ADVOPT_BETA, G(m_sect.dBeta));
        m_editRef.SetWindowText("0, 0, 0");
      } else {
        SetDlgItemText(IDC_ADVOPT_BETA, "0");
        CString ref;
        ref.Format("%g, %g, %g", m_sect.dRefX, m_sect.dRefY, m_sect.dRefZ);
        m_editRef.SetWindowText(ref);
      }
      break;
    }
  }
  CAdvOptMembCreateDlg::Data2Dlg();
}

int CAdvOptMembCreateSectDlg::Dlg2Data() {
  CAdvOptMembCreateDlg::Dlg2Data();
  CString text;
  double d = 0.0;
  switch (m_kind) {
    case BEAM:
      GetDlgItemText(IDC_ADVOPT_BEAM_BETA, text);
      if (CStrParser::GetFloatNumber(text, d)) m_sect.dBeta = d;
      break;
    case WALL:
      m_sect.nTransfer = IsChecked(IDC_ADVOPT_TRANSFER) ? 1 : 0;
      break;
    case BRACE: {
      auto* iend = dynamic_cast<CComboBox*>(GetDlgItem(IDC_ADVOPT_IEND));
      const DWORD_PTR data = CDlgUtil::CobxGetItemDataByCurSel(iend);
      if (data <= 2) m_sect.nIEnd = (int)data;
      [[fallthrough]];
    }
    case COLUMN:
      m_sect.nDirMode = CDlgUtil::CtrlRadioGetCheck(this, m_dirIds) == 1 ? 1 : 0;
      if (m_sect.nDirMode) {
        double x = 0, y = 0, z = 0;
        m_editRef.GetWindowText(text);
        if (CStrParser::GetPosition(text, x, y, z)) {
          m_sect.dRefX = x;
          m_sect.dRefY = y;
          m_sect.dRefZ = z;
        }
      } else {
        GetDlgItemText(IDC_ADVOPT_BETA, text);
        if (CStrParser::GetFloatNumber(text, d)) m_sect.dBeta = d;
      }
      break;
  }
  return 1;
}

void CAdvOptMembCreateSectDlg::WriteOptions(T_ADVOPT_DLG_COMMON_DATA* common, PARAM_MPROP* prop) {
  CAdvOptMembCreateDlg::WriteOptions(common, prop);
  if (m_kind == BEAM) prop->dBeta = m_sect.dBeta;
  if (m_kind == WALL) prop->nTransfer = m_sect.nTransfer;
  if (HasDirection()) {
    prop->nDirMode = m_sect.nDirMode;
    prop->dBeta = m_sect.dBeta;
    prop->dRefX = m_sect.dRefX;
    prop->dRefY = m_sect.dRefY;
    prop->dRefZ = m_sect.dRefZ;
  }
  if (m_kind == BRACE) {
    prop->nTension = m_sect.nTension;
    prop->dGap = m_sect.dGap;
    prop->nIEnd = m_sect.nIEnd;
  }
}

void CAdvOptMembCreateSectDlg::UpdateCtrlState() {
  CAdvOptMembCreateDlg::UpdateCtrlState();
  if (!HasDirection() || (!m_traits.refreshWithoutType && !m_opt.nMembType)) return;
  const bool ref = IsChecked(IDC_ADVOPT_DIR_REF);
  CDlgUtil::CtrlShowHide(this, m_betaIds, ref ? FALSE : TRUE);
  CDlgUtil::CtrlShowHide(this, m_refIds, ref ? TRUE : FALSE);
}
