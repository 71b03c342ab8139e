#include "frame/CmdDialogTable.h"

#include <cstring>
#include <string>
#include "analysis/CAutoErectSeqDlg.h"
#include "analysis/CCCmdAnalPDeltaDlg.h"
#include "analysis/CCMEtcPjst.h"
#include "analysis/CCMEtcPrjConf.h"
#include "analysis/CCmdAnalCtrlTabDlg.h"
#include "analysis/CCmdAnalEigvDlg.h"
#include "analysis/CCmdDetailSlabDirDlg.h"
#include "analysis/CCmdDetailSlabDlg.h"
#include "analysis/CCMFiberMatPropItemDlg.h"
#include "analysis/CCMFiberMatPropListDlg.h"
#include "analysis/CCmdPFLevelCtrlDlg.h"
#include "analysis/CEtcPzefDlg.h"
#include "analysis/CNLLinkPrtItemDlg.h"
#include "analysis/CNLLinkPrtListDlg.h"
#include "db/CClassFimp.h"
#include "db/CClassMatl.h"
#include "db/CClassNllp.h"
#include "db/CClassSect.h"
#include "db/CClassThik.h"
#include "factory/CmdPrepare.h"
#include "levels/CCmdChangeCurPlanDlg.h"
#include "levels/CCmdPlanStoryDlgMain.h"
#include "levels/CCmdPlanStoryDlgMain2.h"
#include "levels/CModelCtrlDlg.h"
#include "loads/CCMLoadCaseDlg.h"
#include "loads/CCmdBeamLoadTypeDlg.h"
#include "loads/CCmdNamedSlabLoadDlg.h"
#include "loads/COutLineDefineDlg.h"
#include "loads/CWindRigionDefineDlg.h"
#include "loads/CMembLoadAssignDlg.h"
#include "properties/CCMSectItemDlg.h"
#include "properties/CCMSectScaleFactorDlg.h"
#include "properties/CModelDefProperty.h"
#include "properties/CModelPropMatlDlg.h"
#include "properties/CModelPropThikDlg.h"
#include "res/resource.h"
#include "selection/CCMBndrGrupDefDlg.h"
#include "selection/CCMSelectIdentityDlg.h"
#include "selection/CCMUnselectIdentityDlg.h"
#include "selection/CMActiveIdentityDlg.h"
#include "selection/CSelectActiveIdentityDlg.h"
#include "selection/CCMStrtGrupDefDlg.h"
#include "selection/CDefMemberName.h"
#include "tools/CToolsDlg.h"

namespace {

// The attribute tool window's operations the factory calls.
CToolsDlg& Tools(CDBDlgBase* d) { return static_cast<CToolsDlg&>(*d); }
const CmdToolWindowOps kToolsOps = {
    [](CDBDlgBase* d) -> BOOL { return Tools(d).CanReceiveSnapEvent(); },
    [](CDBDlgBase* d) { Tools(d).SetInitDataByMenu(); },
    [](CDBDlgBase* d) { Tools(d).SetSnappedPtData(); },
};

// Rows 1 and 2: the tabbed levels dialog, the parameter its first tab.
CInternationalDlg* NewLevelsDlg(CWnd* pParent, UINT nFirstTab) {
  return new CCmdPlanStoryDlgMain2(pParent, nFirstTab, 0, 0);
}

// The modal table. Template ids are those of the dialog each row builds.
CmdModalRow s_modal[] = {
    // Tabbed levels dialog CCmdPlanStoryDlgMain2 (parent, first tab = parameter, 0, 0).
    {"CCmdPlanStoryDlgMain", IDD_CMD_PLANSTORY_MAIN2, CMD_PARENT_NONE, CMD_NO_PLACEMENT, NewLevelsDlg, nullptr},
    {"CCmdPlanStoryDlgMain2", IDD_CMD_PLANSTORY_MAIN2, CMD_PARENT_NONE, CMD_NO_PLACEMENT, NewLevelsDlg, nullptr},
    // Older CCmdPlanStoryDlgMain (parent, tab 1, standard-floor key = parameter, tower 0).
    {"CCmdPlanStoryDlgMain_Plan", IDD_CMD_PLANSTORY_MAIN, CMD_PARENT_NONE, CMD_NO_PLACEMENT,
     [](CWnd* p, UINT key) -> CInternationalDlg* { return new CCmdPlanStoryDlgMain(p, CCmdPlanStoryDlgMain::TAB_PLAN, key, 0); },
     nullptr},
    // Older CCmdPlanStoryDlgMain (parent, tab 2, standard-floor key 0, tower = parameter).
    {"CCmdPlanStoryDlgMain_Story", IDD_CMD_PLANSTORY_MAIN, CMD_PARENT_NONE, CMD_NO_PLACEMENT,
     [](CWnd* p, UINT key) -> CInternationalDlg* { return new CCmdPlanStoryDlgMain(p, CCmdPlanStoryDlgMain::TAB_STORY, 0, key); },
     nullptr},
    {"CCmdChangeCurPlanDlg", IDD_CMD_CHANGE_CUR_PLAN, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCmdChangeCurPlanDlg(p); }, nullptr},
    {"CModelCtrlDlg", IDD_CMD_MODEL_CTRL, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CModelCtrlDlg(p); }, nullptr},
    // The performance-analysis name builds nothing: -1, as an unknown name.
    {"CCmdAnalPerfDlg", 0, CMD_PARENT_NONE, CMD_NO_PLACEMENT, nullptr, nullptr},
    {"CMembLoadAssignDlg", IDD_CMD_MEMB_LOAD_ASSIGN, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CMembLoadAssignDlg(p); }, nullptr},
    {"CCMSectScaleFactorDlg", IDD_CMD_SECT_SCALE_FACTOR, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCMSectScaleFactorDlg(p); }, nullptr},
    {"CCmdNamedSlabLoadDlg", IDD_CMD_NAMED_SLAB_LOAD, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCmdNamedSlabLoadDlg(p); }, nullptr},
    {"CCmdBeamLoadTypeDlg", IDD_CMD_BEAM_LOAD_TYPE, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCmdBeamLoadTypeDlg(p); }, nullptr},
    {"CEtcPzefDlg", IDD_CMD_PZEF, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CEtcPzefDlg(p); }, nullptr},
    // Edit or add: material key (CClassMatl, T_MATL_D, SetModifyData / SetMatlID).
    {"CModelPropMatlDlg", IDD_CMD_PROP_MATL, CMD_PARENT_NONE, CMD_NO_PLACEMENT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CModelPropMatlDlg(p); },
     [](CInternationalDlg* d, UINT key) {
       CmdPrepareEditOrAdd<CClassMatl, T_MATL_D>(static_cast<CModelPropMatlDlg&>(*d), key,
                                                 &CModelPropMatlDlg::SetMatlID);
     }},
    // Fiber material key found in CClassFimp: SetModify (key); not found: nothing.
    {"CCMFiberMatPropItemDlg", IDD_CMD_FIBER_MAT_ITEM, CMD_PARENT_NONE, CMD_NO_PLACEMENT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCMFiberMatPropItemDlg(p); },
     [](CInternationalDlg* d, UINT key) {
       CmdPrepareIfFound<CClassFimp, T_FIMP_D>(
           key, [d](UINT k, const T_FIMP_D&) { static_cast<CCMFiberMatPropItemDlg&>(*d).SetModify(k); });
     }},
    // Edit or add: section key (CClassSect, T_SECT_D, SetModifyData / SetSectID).
    {"CCMSectItemDlg", IDD_CMD_SECT_ITEM, CMD_PARENT_NONE, CMD_NO_PLACEMENT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCMSectItemDlg(p); },
     [](CInternationalDlg* d, UINT key) {
       CmdPrepareEditOrAdd<CClassSect, T_SECT_D>(static_cast<CCMSectItemDlg&>(*d), key, &CCMSectItemDlg::SetSectID);
     }},
    // Edit or add: thickness key (CClassThik, T_THIK_D, SetModifyData / SetThikID).
    {"CModelPropThikDlg", IDD_CMD_PROP_THIK, CMD_PARENT_NONE, CMD_NO_PLACEMENT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CModelPropThikDlg(p); },
     [](CInternationalDlg* d, UINT key) {
       CmdPrepareEditOrAdd<CClassThik, T_THIK_D>(static_cast<CModelPropThikDlg&>(*d), key,
                                                 &CModelPropThikDlg::SetThikID);
     }},
    {"CCMFiberMatPropListDlg", IDD_CMD_FIBER_MAT_LIST, CMD_PARENT_MAIN, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCMFiberMatPropListDlg(p); }, nullptr},
    {"CNLLinkPrtListDlg", IDD_CMD_NLLINK_LIST, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CNLLinkPrtListDlg(p); }, nullptr},
    // Link property key found in CClassNllp: old and current key := key, record := a copy,
    // mode := 1 (modify); not found: add mode.
    {"CNLLinkPrtItemDlg", IDD_CMD_NLLINK_ITEM, CMD_PARENT_NONE, {2, 0, 0},
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CNLLinkPrtItemDlg(p); },
     [](CInternationalDlg* d, UINT key) {
       CmdPrepareIfFound<CClassNllp, T_NLLP_D>(
           key, [d](UINT k, const T_NLLP_D& rec) { static_cast<CNLLinkPrtItemDlg&>(*d).SetModifyData(k, rec); });
     }},
    {"CCmdAnalEigvDlg", IDD_CMD_ANAL_EIGV, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCmdAnalEigvDlg(p); }, nullptr},
    {"CCCmdAnalPDeltaDlg", IDD_CMD_ANAL_PDELTA, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCCmdAnalPDeltaDlg(p); }, nullptr},
    {"CAutoErectSeqDlg", IDD_CMD_AUTO_ERECT_SEQ, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CAutoErectSeqDlg(p); }, nullptr},
    {"CCMEtcPrjConf", IDD_CMD_PRJ_CONF, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCMEtcPrjConf(p); }, nullptr},
    {"CCMEtcPjst", IDD_CMD_PJST, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCMEtcPjst(p); }, nullptr},
    {"CCmdDetailSlabDlg", IDD_CMD_DETAIL_SLAB, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCmdDetailSlabDlg(p); }, nullptr},
    {"CCmdPFLevelCtrlDlg", IDD_CMD_PF_LEVEL_CTRL, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
     [](CWnd* p, UINT) -> CInternationalDlg* { return new CCmdPFLevelCtrlDlg(p); }, nullptr},
};

// The modeless table. Row "CCmdAnalCtrlDlg" builds CCmdAnalCtrlTabDlg.
CmdModelessRow s_modeless[] = {
    {"CModelDefProperty", IDD_CMD_MODEL_DEF_PROPERTY, CMD_PLACE_DEFAULT, CMD_EXTRA_TAB,
     [](CWnd* p) -> CDBDlgBase* { return new CModelDefProperty(p); },
     [](CDBDlgBase* d, int tab) { static_cast<CModelDefProperty*>(d)->ActivateTab(tab); }, nullptr},
    {"CCMBndrGrupDefDlg", IDD_CMD_BNDR_GRUP, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CCMBndrGrupDefDlg(p); }, nullptr, nullptr},
    {"CDefMemberName", IDD_CMD_DEF_MEMBER_NAME, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CDefMemberName(p); }, nullptr, nullptr},
    {"CCMLoadCaseDlg", IDD_CMD_LOAD_CASE, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CCMLoadCaseDlg(p); }, nullptr, nullptr},
    {"CWindRigionDefineDlg", IDD_CMD_WIND_REGION, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CWindRigionDefineDlg(p); }, nullptr, nullptr},
    {"CCMStrtGrupDefDlg", IDD_CMD_STRT_GRUP, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CCMStrtGrupDefDlg(p); }, nullptr, nullptr},
    {"CCMSelectIdentityDlg", IDD_CMD_SELECT_IDENTITY, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CCMSelectIdentityDlg(p); }, nullptr, nullptr},
    {"CCMUnselectIdentityDlg", IDD_CMD_UNSELECT_IDENTITY, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CCMUnselectIdentityDlg(p); }, nullptr, nullptr},
    {"CSelectActiveIdentityDlg", IDD_CMD_SELECT_ACTIVE_IDENTITY, CMD_PLACE_RIGHT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CSelectActiveIdentityDlg(p); }, nullptr, nullptr},
    {"CCmdAnalCtrlDlg", IDD_CMD_ANAL_CTRL, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CCmdAnalCtrlTabDlg(p); }, nullptr, nullptr},
    {"CMActiveIdentityDlg", IDD_CMD_ACTIVE_IDENTITY, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CMActiveIdentityDlg(p); }, nullptr, nullptr},
    {"CCmdDetailSlabDirDlg", IDD_CMD_DETAIL_SLAB_DIR, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new CCmdDetailSlabDirDlg(p); }, nullptr, nullptr},
    {"CToolsDlg", IDD_CMD_TOOLS, CMD_PLACE_RIGHT, CMD_EXTRA_TOOL_MODE,
     [](CWnd* p) -> CDBDlgBase* { return new CToolsDlg(p); }, nullptr, &kToolsOps},
    {"COutLineDefineDlg", IDD_CMD_OUTLINE_DEFINE, CMD_PLACE_DEFAULT, CMD_EXTRA_IGNORED,
     [](CWnd* p) -> CDBDlgBase* { return new COutLineDefineDlg(p); }, nullptr, nullptr},
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
