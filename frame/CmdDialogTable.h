// The two tables of the dialog factory (ICmdDialog): one row per class name, in table order
// (the first equal name wins). A row whose constructor is NULL is a dialog not built yet:
// the factory answers -1 for it, as for an unknown name. Each issue that builds a dialog
// switches its row on by filling in the constructor (and, where the row says so, the
// preparation or the tool-window operations) in factory/CmdDialogTable.cpp.
//
// This header is the frame's side of the factory: the row types and the look-ups that
// ICmdDialog calls. The tables themselves, which name every dialog class, live in
// factory/ (above every dialog folder), so that the frame includes no dialog folder.
//
// Modal rows: the constructor builds the dialog with the parent the row gives (none: NULL;
// main window: AfxGetMainWnd(), or NULL) and the factory's parameter as the row's dialog
// needs it; the preparation, when there is one, then prepares it from the parameter (the
// rows marked "edit or add" use CmdPrepareEditOrAdd, factory/CmdPrepare.h); then the factory
// places a CDlgMove with the row's placement, runs DoModal, destroys it and returns the
// result.
//
// Modeless rows: the constructor builds the dialog on the heap with the parent given
// (always NULL from the factory); the factory places it, binds it to the current document
// and creates it with CDBDlgBase::Create (template, template, NULL). The property sheet's
// row also names the operation that switches its tab; the attribute tool window's row its
// three operations (CmdToolWindowOps).
//
// Switching a row on, in factory/CmdDialogTable.cpp:
//   {"CModelCtrlDlg", IDD_CMD_MODEL_CTRL, CMD_PARENT_NONE, CMD_PLACE_DEFAULT,
//    [](CWnd* p, UINT) -> CInternationalDlg* { return new CModelCtrlDlg(p); }, nullptr},
//   {"CCMSectItemDlg", IDD_CMD_SECT_ITEM, CMD_PARENT_NONE, CMD_NO_PLACEMENT, NewSectItemDlg,
//    [](CInternationalDlg* d, UINT key) {
//      CmdPrepareEditOrAdd<CClassSect, T_SECT_D>(static_cast<CCMSectItemDlg&>(*d), key,
//                                                &CCMSectItemDlg::SetSectID);
//    }},
#pragma once
#include "afx/AfxTypes.h"

class CWnd;
class CInternationalDlg;
class CDBDlgBase;

// CDlgMove::SetInitPos arguments; nType < 0: the row places nothing.
struct CmdPlacement {
  int nType;
  int nX;
  int nY;
};
inline constexpr CmdPlacement CMD_NO_PLACEMENT = {-1, 0, 0};
inline constexpr CmdPlacement CMD_PLACE_DEFAULT = {1, 4, 86};
inline constexpr CmdPlacement CMD_PLACE_RIGHT = {3, 4, 86};

enum CmdParentKind { CMD_PARENT_NONE, CMD_PARENT_MAIN };

typedef CInternationalDlg* (*CMD_MODAL_NEW)(CWnd* pParent, UINT nParam);
typedef void (*CMD_MODAL_PREPARE)(CInternationalDlg* pDlg, UINT nParam);

struct CmdModalRow {
  const char* pszName;
  UINT nTemplate;          // 0: a name that never builds anything (answers -1)
  CmdParentKind parent;
  CmdPlacement place;
  CMD_MODAL_NEW pfnNew;
  CMD_MODAL_PREPARE pfnPrepare;
};

enum CmdExtraKind { CMD_EXTRA_IGNORED, CMD_EXTRA_TAB, CMD_EXTRA_TOOL_MODE };

typedef CDBDlgBase* (*CMD_MODELESS_NEW)(CWnd* pParent);
typedef void (*CMD_ACTIVATE_TAB)(CDBDlgBase* pDlg, int nTab);

// What the factory calls of the attribute tool window (CToolsDlg).
struct CmdToolWindowOps {
  BOOL (*pfnCanReceiveSnapEvent)(CDBDlgBase* pDlg);
  void (*pfnSetInitDataByMenu)(CDBDlgBase* pDlg);
  void (*pfnSetSnappedPtData)(CDBDlgBase* pDlg);
};

struct CmdModelessRow {
  const char* pszName;
  UINT nTemplate;
  CmdPlacement place;
  CmdExtraKind extra;
  CMD_MODELESS_NEW pfnNew;
  CMD_ACTIVATE_TAB pfnActivateTab;  // CMD_EXTRA_TAB rows
  const CmdToolWindowOps* pTool;    // CMD_EXTRA_TOOL_MODE rows
};

class CmdDialogTable {
 public:
  static int GetModalCount();
  static const CmdModalRow& GetModalRow(int i);
  static int GetModelessCount();
  static const CmdModelessRow& GetModelessRow(int i);
  // The first row whose name equals name exactly (case-sensitive, whole string), or NULL.
  static const CmdModalRow* FindModal(const char* name);
  static const CmdModelessRow* FindModeless(const char* name);

  // Test seam: replaces the constructor and preparation (the constructor, tab and tool
  // operations) of the row of that name; the previous row goes to pOld. 0 for a name the
  // table does not hold, or a modal row that never builds anything.
  static BOOL SetModalBuilder(const char* name, CMD_MODAL_NEW pfnNew, CMD_MODAL_PREPARE pfnPrepare,
                              CmdModalRow* pOld = nullptr);
  static BOOL SetModelessBuilder(const char* name, CMD_MODELESS_NEW pfnNew, CMD_ACTIVATE_TAB pfnActivateTab,
                                 const CmdToolWindowOps* pTool, CmdModelessRow* pOld = nullptr);
};
