#include "db/CPositiveLengthDlg.h"

#include <cmath>
#include "db/CDBDoc.h"
#include "db/CFlagCtrl.h"

IMPLEMENT_DYNAMIC(CPositiveLengthDlg, CDialog)

namespace {

CFlagCtrl* Flags() { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetFlagCtrl() : nullptr; }

}  // namespace

CPositiveLengthDlg::CPositiveLengthDlg(const AFX_DLGTEMPLATE* pTemplate, UINT nEdit, UINT nUnit, CWnd* pParent)
    : m_nEdit(nEdit), m_nUnit(nUnit) {
  InitModalIndirect(pTemplate, pParent);
}

BOOL CPositiveLengthDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_edit.SubclassDlgItem(m_nEdit, this);
  m_unit.SubclassDlgItem(m_nUnit, this);
  m_edit.SetUnitType(1);
  m_unit.SetUnitType(1);
  if (CFlagCtrl* flags = Flags()) {
    m_edit.SetEditUnit(LoadFlags(*flags));
  } else {
    m_edit.EnableWindow(FALSE);
    DisableOthers();
  }
  return TRUE;
}

void CPositiveLengthDlg::OnOK() {
  if (CFlagCtrl* flags = Flags()) {
    double d = 0.0;
    if (!m_edit.GetShownValue(d) || !std::isfinite(d) || d <= 0.0) {
      GotoDlgCtrl(&m_edit);
      return;
    }
    StoreFlags(*flags, d);
  }
  CDialog::OnOK();
}
