#include "creation/CAdvancedOptionDlg_MembCreate.h"

#include "afx/AfxMessageQueue.h"
#include "creation/CAdvOptMembCreatePanels.h"
#include "creation/CAdvOptMembCreateSectPanels.h"
#include "creation/AdvOptIds.h"
#include "res/resource.h"

UINT CAdvancedOptionDlg_MembCreate::WM_ADVOPTDLG_UPDATE_NAMECOMBO =
    RegisterWindowMessageA("WM_ADVOPTDLG_UPDATE_NAMECOMBO");

namespace {
template <class P>
CAdvOptMembCreateDlg* Make() {
  return new P;
}
const struct {
  UINT idd;
  CAdvOptMembCreateDlg* (*make)();
} kPanels[] = {
    {IDD_ADVOPT_MEMB_PONT, &Make<CAdvOptMembCreatePontDlg>},
    {IDD_ADVOPT_MEMB_COLUMN, &Make<CAdvOptMembCreateColumnDlg>},
    {IDD_ADVOPT_MEMB_BEAM, &Make<CAdvOptMembCreateBeamDlg>},
    {IDD_ADVOPT_MEMB_WALL, &Make<CAdvOptMembCreateWallDlg>},
    {IDD_ADVOPT_MEMB_BRACE, &Make<CAdvOptMembCreateBrTrDlg>},
    {IDD_ADVOPT_MEMB_LINE, &Make<CAdvOptMembCreateLineDlg>},
    {IDD_ADVOPT_MEMB_SLAB, &Make<CAdvOptMembCreateSlabDlg>},
    {IDD_ADVOPT_MEMB_AREA, &Make<CAdvOptMembCreateAreaDlg>},
};
}  // namespace

void CAdvancedOptionDlg_MembCreate::AddOptionDlg(UINT idd) {
  if (Find(idd)) return;
  for (const auto& p : kPanels)
    if (p.idd == idd) Enter(idd, p.make());
}

void CAdvancedOptionDlg_MembCreate::ShowOptionDlg(UINT idd, CWnd* pHost, void* pData) {
  CAdvancedOptionDlgBase::ShowOptionDlg(idd, pHost, pData);
  if (pData) ChangeData(*static_cast<const T_ADVOPT_DLG_DATA*>(pData));
}

void CAdvancedOptionDlg_MembCreate::ChangeData(const T_ADVOPT_DLG_DATA& data) {
  m_data = data;
  CWnd* panel = GetCurDlg();
  if (panel && panel->GetSafeHwnd())
    panel->SendMessage(WM_ADVOPT_DLG_CHANGE_DATA, reinterpret_cast<WPARAM>(&m_data), 0);
}

void CAdvancedOptionDlg_MembCreate::UpdateMemberNameCombo() {
  CWnd* panel = GetCurDlg();
  if (panel && panel->GetSafeHwnd()) panel->PostMessage(WM_ADVOPTDLG_UPDATE_NAMECOMBO, 0, 0);
}

int CAdvancedOptionDlg_MembCreate::GetOptDlgData(T_ADVOPT_DLG_COMMON_DATA* common, PARAM_MPROP* prop) {
  auto* panel = dynamic_cast<CAdvOptMembCreateDlg*>(GetCurDlg());
  if (!panel || !panel->GetSafeHwnd() || !common || !prop) return 0;
  panel->WriteOptions(common, prop);
  return 1;
}
