#include "selection/CCMUnselectIdentityDlg.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCMUnselectIdentityDlg, CCMIdentityDlg)

BEGIN_MESSAGE_MAP(CCMUnselectIdentityDlg, CCMIdentityDlg)
  ON_BN_CLICKED(IDC_SELID_CLOSE, &CCMUnselectIdentityDlg::OnCmdClose)
  ON_EN_KILLFOCUS(IDC_UNSELID_PONT_NO, &CCMUnselectIdentityDlg::OnKillFocusPontNo)
  ON_EN_KILLFOCUS(IDC_UNSELID_MEMB_NO, &CCMUnselectIdentityDlg::OnKillFocusMembNo)
  ON_EN_KILLFOCUS(IDC_UNSELID_NODE_NO, &CCMUnselectIdentityDlg::OnKillFocusNodeNo)
  ON_EN_KILLFOCUS(IDC_UNSELID_ELEM_NO, &CCMUnselectIdentityDlg::OnKillFocusElemNo)
  ON_CBN_SELCHANGE(IDC_UNSELID_CATEGORY, &CCMUnselectIdentityDlg::OnSelChangeCategory)
  ON_BN_CLICKED(IDC_UNSELID_CHK_PONT, &CCMUnselectIdentityDlg::OnCheckPont)
  ON_BN_CLICKED(IDC_UNSELID_CHK_MEMB, &CCMUnselectIdentityDlg::OnCheckMemb)
  ON_BN_CLICKED(IDC_UNSELID_CHK_NODE, &CCMUnselectIdentityDlg::OnCheckNode)
  ON_BN_CLICKED(IDC_UNSELID_CHK_ELEM, &CCMUnselectIdentityDlg::OnCheckElem)
  ON_BN_CLICKED(IDC_SELID_ALL, &CCMUnselectIdentityDlg::OnCmdAll)
  ON_BN_CLICKED(IDC_SELID_NONE, &CCMUnselectIdentityDlg::OnCmdNone)
  ON_BN_CLICKED(IDC_SELID_INVERSE, &CCMUnselectIdentityDlg::OnCmdInverse)
  ON_BN_CLICKED(IDC_SELID_PREVIOUS, &CCMUnselectIdentityDlg::OnCmdPrevious)
  ON_BN_CLICKED(IDC_SELID_ADD, &CCMUnselectIdentityDlg::OnCmdAdd)
  ON_BN_CLICKED(IDC_SELID_DELETE, &CCMUnselectIdentityDlg::OnCmdDelete)
  ON_BN_CLICKED(IDC_SELID_REPLACE, &CCMUnselectIdentityDlg::OnCmdReplace)
  ON_BN_CLICKED(IDC_SELID_INTERSECT, &CCMUnselectIdentityDlg::OnCmdIntersect)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_MOUSEEDITENTER2, &CCMUnselectIdentityDlg::OnMouseEditPick)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_LBUTTONDOWN_FROM_MVIEW2, &CCMUnselectIdentityDlg::OnMouseEditPick)
END_MESSAGE_MAP()

namespace {
// Buttons in the order All, None, Inverse, Previous, Add, Delete, Replace, Intersect: the
// list of a checked kind, of a cleared kind, then the call. A cleared kind hands over
// nothing, or its unselected objects where the unselected sets are rebuilt.
const CIdentityDlgTable kTable = {
    IDD_CMD_UNSELECT_IDENTITY,
    {IDC_UNSELID_CHK_PONT, IDC_UNSELID_CHK_MEMB, IDC_UNSELID_CHK_NODE, IDC_UNSELID_CHK_ELEM},
    {IDC_UNSELID_PONT_NO, IDC_UNSELID_MEMB_NO, IDC_UNSELID_NODE_NO, IDC_UNSELID_ELEM_NO},
    IDC_UNSELID_CATEGORY,
    IDC_UNSELID_SPARE,
    IDC_UNSELID_LIST,
    IDC_UNSELID_PICK_TYPE,
    IDC_UNSELID_PICK_MATL,
    IDC_UNSELID_PICK_SECT,
    IDC_UNSELID_PICK_THIK,
    IDC_UNSELID_MULTI_PICK,
    IDC_SELID_CLOSE,
    TRUE,
    TRUE,
    {{IDLIST_TABLE, IDLIST_NONE, IDCALL_UNSELECT},
     {IDLIST_UNSELECTED, IDLIST_NONE, IDCALL_SELECT},
     {IDLIST_SELECTED, IDLIST_UNSELECTED, IDCALL_ALL_UNSELECT},
     {IDLIST_NONE, IDLIST_NONE, IDCALL_PREVIOUS},
     {IDLIST_RESULT, IDLIST_NONE, IDCALL_UNSELECT},
     {IDLIST_RESULT, IDLIST_NONE, IDCALL_SELECT},
     {IDLIST_RESULT, IDLIST_UNSELECTED, IDCALL_ALL_UNSELECT},
     {IDLIST_UNSELECTED_RESULT, IDLIST_UNSELECTED, IDCALL_ALL_UNSELECT}},
};
}  // namespace

CCMUnselectIdentityDlg::CCMUnselectIdentityDlg(CWnd* pParent) : CCMIdentityDlg(kTable, pParent) {}

CCMUnselectIdentityDlg::~CCMUnselectIdentityDlg() = default;
