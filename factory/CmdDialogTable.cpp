#include "frame/CmdDialogTable.h"

#include <cstring>
#include <string>
#include "analysis/CEtcPzefDlg.h"
#include "db/CClassSect.h"
#include "factory/CmdPrepare.h"
#include "levels/CCmdPlanStoryDlgMain2.h"
#include "levels/CModelCtrlDlg.h"
#include "properties/CCMSectItemDlg.h"

namespace {

// Rows 1 and 2: the tabbed levels dialog, the parameter its first tab.
CInternationalDlg* NewLevelsDlg(CWnd* pParent, UINT nFirstTab) {
  return new CCmdPlanStoryDlgMain2(pParent, nFirstTab, 0, 0);
}

// The modal table. Template ids are those of the dialog each row builds.
CmdModalRow s_modal[] = {
    // Tabbed levels dialog CCmdPlanStoryDlgMain2 (parent, first tab = parameter, 0, 0).
    {"CCmdPlanStoryDlgMain", 16258, CMD_PARENT_NONE, CMD_NO_PLACEMENT, NewLevelsDlg, nullptr},
    {"CCmdPlanStoryDlgMain2", 16258, CMD_PARENT_NONE, CMD_NO_PLACEMENT, NewLevelsDlg, nullptr},
    // Older CCmdPlanStoryDlgMain (parent, tab 1, standard-floor key = parameter, tower 0).
    {"CCmdPlanStoryDlgMain_Plan", 14010, CMD_PARENT_NONE, CMD_NO_PLACEMENT, nullptr, nullptr},
    // Older CCmdPlanStoryDlgMain (parent, tab 2, standard-floor key 0, tower = parameter).
    {"CCmdPlanStoryDlgMain_Story", 14010, CMD_PARENT_NONE, CMD_NO_PLACEMENT, nullptr, nullptr},
    {"CCmdChangeCurPlanDlg", 14016, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CModelCtrlDlg", 16256, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CModelCtrlDlg(p); }, nullptr},
    // The performance-analysis name builds nothing: -1, as an unknown name.
    {"CCmdAnalPerfDlg", 0, CMD_PARENT_NONE, CMD_NO_PLACEMENT, nullptr, nullptr},
    {"CMembLoadAssignDlg", 14029, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCMSectScaleFactorDlg", 14001, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCmdNamedSlabLoadDlg", 14028, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCmdBeamLoadTypeDlg", 14050, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CEtcPzefDlg", 14000, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CEtcPzefDlg(p); }, nullptr},
    // Edit or add: material key (CClassMatl, T_MATL_D, SetModifyData / SetMatlID).
    {"CModelPropMatlDlg", 14022, CMD_PARENT_NONE, CMD_NO_PLACEMENT, nullptr, nullptr},
    // Fiber material key found in CClassFimp: SetModify (key); not found: nothing.
    {"CCMFiberMatPropItemDlg", 14052, CMD_PARENT_NONE, CMD_NO_PLACEMENT, nullptr, nullptr},
    // Edit or add: section key (CClassSect, T_SECT_D, SetModifyData / SetSectID).
    {"CCMSectItemDlg", 14025, CMD_PARENT_NONE, CMD_NO_PLACEMENT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCMSectItemDlg(p); },
     [](CInternationalDlg* d, UINT key) {
       CmdPrepareEditOrAdd<CClassSect, T_SECT_D>(static_cast<CCMSectItemDlg&>(*d), key, &CCMSectItemDlg::SetSectID);
     }},
    // Edit or add: thickness key (CClassThik, T_THIK_D, SetModifyData / SetThikID).
    {"CModelPropThikDlg", 16261, CMD_PARENT_NONE, CMD_NO_PLACEMENT, nullptr, nullptr},
    {"CCMFiberMatPropListDlg", 14053, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CNLLinkPrtListDlg", 14003, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
    // Link property key found in CClassNllp: old and current key := key, record := a copy,
    // mode := 1 (modify); not found: nothing.
    {"CNLLinkPrtItemDlg", 14004, CMD_PARENT_NONE, {2, 0, 0}, nullptr, nullptr},
    {"CCmdAnalEigvDlg", 14151, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCCmdAnalPDeltaDlg", 16194, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CAutoErectSeqDlg", 16253, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCMEtcPrjConf", 14721, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCMEtcPjst", 14723, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCmdDetailSlabDlg", 16257, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
    {"CCmdPFLevelCtrlDlg", 14275, CMD_PARENT_NONE, CMD_PLACE_DEFAULT, nullptr, nullptr},
};

// The modeless table. Row "CCmdAnalCtrlDlg" builds CCmdAnalCtrlTabDlg.
CmdModelessRow s_modeless[] = {
    {"CModelDefProperty", 14019, CMD_PLACE_DEFAULT, CMD_EXTRA_TAB, nullptr, nullptr, nullptr},
    {"CCMBndrGrupDefDlg", 14002, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CDefMemberName", 14283, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CCMLoadCaseDlg", 14027, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CWindRigionDefineDlg", 16251, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CCMStrtGrupDefDlg", 9288, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CCMSelectIdentityDlg", 14077, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CCMUnselectIdentityDlg", 16243, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CSelectActiveIdentityDlg", 16265, CMD_PLACE_RIGHT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CCmdAnalCtrlDlg", 16176, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CMActiveIdentityDlg", 10337, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CCmdDetailSlabDirDlg", 14187, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
    {"CToolsDlg", 16262, CMD_PLACE_RIGHT, CMD_EXTRA_TOOL_MODE, nullptr, nullptr, nullptr},
    {"COutLineDefineDlg", 14188, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED, nullptr, nullptr, nullptr},
};

constexpr int kModalCount = (int)(sizeof s_modal / sizeof s_modal[0]);
constexpr int kModelessCount = (int)(sizeof s_modeless / sizeof s_modeless[0]);

// The names compare as whole byte strings: nothing trimmed, no case folded.
template <class Row, int N>
Row* Find(Row (&rows)[N], const char* name) {
  if (!name) return nullptr;
  const std::string wanted(name);
  for (Row& r : rows)
    if (wanted == r.pszName) return &r;
  return nullptr;
}

}  // namespace

int CmdDialogTable::GetModalCount() { return kModalCount; }
const CmdModalRow& CmdDialogTable::GetModalRow(int i) { return s_modal[i]; }
int CmdDialogTable::GetModelessCount() { return kModelessCount; }
const CmdModelessRow& CmdDialogTable::GetModelessRow(int i) { return s_modeless[i]; }

const CmdModalRow* CmdDialogTable::FindModal(const char* name) { return Find(s_modal, name); }
const CmdModelessRow* CmdDialogTable::FindModeless(const char* name) { return Find(s_modeless, name); }

BOOL CmdDialogTable::SetModalBuilder(const char* name, CMD_MODAL_NEW pfnNew, CMD_MODAL_PREPARE pfnPrepare,
                                     CmdModalRow* pOld) {
  CmdModalRow* r = Find(s_modal, name);
  if (!r || r->nTemplate == 0) return FALSE;
  if (pOld) *pOld = *r;
  r->pfnNew = pfnNew;
  r->pfnPrepare = pfnPrepare;
  return TRUE;
}

BOOL CmdDialogTable::SetModelessBuilder(const char* name, CMD_MODELESS_NEW pfnNew, CMD_ACTIVATE_TAB pfnActivateTab,
                                        const CmdToolWindowOps* pTool, CmdModelessRow* pOld) {
  CmdModelessRow* r = Find(s_modeless, name);
  if (!r) return FALSE;
  if (pOld) *pOld = *r;
  r->pfnNew = pfnNew;
  r->pfnActivateTab = pfnActivateTab;
  r->pTool = pTool;
  return TRUE;
}
