#include "selection/CCMSelectIdentityDlg.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCMSelectIdentityDlg, CCMIdentityDlg)

BEGIN_MESSAGE_MAP(CCMSelectIdentityDlg, CCMIdentityDlg)
  ON_BN_CLICKED(IDC_SELID_CLOSE, &CCMSelectIdentityDlg::OnCmdClose)
  ON_EN_KILLFOCUS(IDC_SELID_PONT_NO, &CCMSelectIdentityDlg::OnKillFocusPontNo)
  ON_EN_KILLFOCUS(IDC_SELID_MEMB_NO, &CCMSelectIdentityDlg::OnKillFocusMembNo)
  ON_EN_KILLFOCUS(IDC_SELID_NODE_NO, &CCMSelectIdentityDlg::OnKillFocusNodeNo)
  ON_EN_KILLFOCUS(IDC_SELID_ELEM_NO, &CCMSelectIdentityDlg::OnKillFocusElemNo)
  ON_CBN_SELCHANGE(IDC_SELID_CATEGORY, &CCMSelectIdentityDlg::OnSelChangeCategory)
  ON_BN_CLICKED(IDC_SELID_CHK_PONT, &CCMSelectIdentityDlg::OnCheckPont)
  ON_BN_CLICKED(IDC_SELID_CHK_MEMB, &CCMSelectIdentityDlg::OnCheckMemb)
  ON_BN_CLICKED(IDC_SELID_CHK_NODE, &CCMSelectIdentityDlg::OnCheckNode)
  ON_BN_CLICKED(IDC_SELID_CHK_ELEM, &CCMSelectIdentityDlg::OnCheckElem)
  ON_BN_CLICKED(IDC_SELID_ALL, &CCMSelectIdentityDlg::OnCmdAll)
  ON_BN_CLICKED(IDC_SELID_NONE, &CCMSelectIdentityDlg::OnCmdNone)
  ON_BN_CLICKED(IDC_SELID_INVERSE, &CCMSelectIdentityDlg::OnCmdInverse)
  ON_BN_CLICKED(IDC_SELID_PREVIOUS, &CCMSelectIdentityDlg::OnCmdPrevious)
  ON_BN_CLICKED(IDC_SELID_ADD, &CCMSelectIdentityDlg::OnCmdAdd)
  ON_BN_CLICKED(IDC_SELID_DELETE, &CCMSelectIdentityDlg::OnCmdDelete)
  ON_BN_CLICKED(IDC_SELID_REPLACE, &CCMSelectIdentityDlg::OnCmdReplace)
  ON_BN_CLICKED(IDC_SELID_INTERSECT, &CCMSelectIdentityDlg::OnCmdIntersect)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_MOUSEEDITENTER2, &CCMSelectIdentityDlg::OnMouseEditPick)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_LBUTTONDOWN_FROM_MVIEW2, &CCMSelectIdentityDlg::OnMouseEditPick)
END_MESSAGE_MAP()

namespace {
// Buttons in the order All, None, Inverse, Previous, Add, Delete, Replace, Intersect: the
// list of a checked kind, of a cleared kind, then the call.
const CIdentityDlgTable kTable = {
    IDD_CMD_SELECT_IDENTITY,
    {IDC_SELID_CHK_PONT, IDC_SELID_CHK_MEMB, IDC_SELID_CHK_NODE, IDC_SELID_CHK_ELEM},
    {IDC_SELID_PONT_NO, IDC_SELID_MEMB_NO, IDC_SELID_NODE_NO, IDC_SELID_ELEM_NO},
    IDC_SELID_CATEGORY,
    IDC_SELID_SPARE,
    IDC_SELID_LIST,
    IDC_SELID_PICK_TYPE,
    IDC_SELID_PICK_MATL,
    IDC_SELID_PICK_SECT,
    IDC_SELID_PICK_THIK,
    IDC_SELID_MULTI_PICK,
    IDC_SELID_CLOSE,
    FALSE,
    FALSE,
    {{IDLIST_TABLE, IDLIST_NONE, IDCALL_SELECT},
     {IDLIST_SELECTED, IDLIST_NONE, IDCALL_UNSELECT},
     {IDLIST_UNSELECTED, IDLIST_SELECTED, IDCALL_SELECT_REPLACE},
     {IDLIST_NONE, IDLIST_NONE, IDCALL_PREVIOUS},
     {IDLIST_RESULT, IDLIST_NONE, IDCALL_SELECT},
     {IDLIST_RESULT, IDLIST_NONE, IDCALL_UNSELECT},
     {IDLIST_RESULT, IDLIST_SELECTED, IDCALL_SELECT_REPLACE},
     {IDLIST_SELECTED_RESULT, IDLIST_SELECTED, IDCALL_SELECT_REPLACE}},
};
}  // namespace

CCMSelectIdentityDlg::CCMSelectIdentityDlg(CWnd* pParent) : CCMIdentityDlg(kTable, pParent) {}

CCMSelectIdentityDlg::~CCMSelectIdentityDlg() = default;
