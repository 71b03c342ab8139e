// The attribute tool window: a modeless window (one per document, dialog id 16262) that
// shows the attributes of one object on the page the model mode needs: the building-model
// page (CToolsPrePage, page id 1) for points and members, the analysis-model page
// (CToolsPostPage, page id 2) in post mode or in the 3D analysis view. The window holds no
// attribute logic of its own: it picks the page, hands it the object and keeps the view's
// highlighted pick (I_ModelBase::PONTKEY / MEMBKEY, at most one non-zero) in step.
//
// Opening: the dialog factory ("CToolsDlg", factory/CmdDialogTable.cpp) builds it; a new
// window asked with mode 2 starts on the snapped object (SetSnappedPtData), otherwise the
// page starts empty (SetInitDataByMenu). The host follows later picks with
// SetSnappedPtData; picking the highlighted object again does nothing. Commands to the
// main window: 33041 before a new snapped object is shown, 34523 when the window object
// ends. m_pMySelf points to the window while it lives; IsAlive answers 0 once its window
// is gone.
//
// Esc clears the highlighted pick and still ends the window as a dialog key. The pages
// follow their attribute controls; besides, every transaction of the model database (an
// undo, another window's change) shows the building-model page's object again as the
// model holds it, so that the page never shows values the model no longer has.
#pragma once
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgReplaceMgr.h"
#include "view/I_ViewEventHandlerItem.h"

class CToolsPrePage;
class CToolsPostPage;

class CToolsDlg : public CDBDlgBase, public CDBUpdateConnector, public I_ViewEventHandlerItem {
  DECLARE_DYNAMIC(CToolsDlg)

 public:
  enum : int { PAGE_PRE = 1, PAGE_POST = 2 };
  // Commands sent to the application's main window.
  enum : UINT { CMD_NEW_PICK = 33041, CMD_TOOLS_ENDED = 34523 };

  explicit CToolsDlg(CWnd* pParent = nullptr);
  ~CToolsDlg() override;

  static int IsAlive() { return m_bIsAlive; }
  static CToolsDlg* GetMySelf() { return m_pMySelf; }
  static CToolsDlg* m_pMySelf;
  static int m_bIsAlive;

  void InitDlg();
  // 2 in post mode or in the 3D analysis view, else 1.
  int GetCurMode() const;
  UINT GetCurObjKey() const { return m_nCurObjKey; }
  int GetShownMode() const { return m_nShownMode; }
  void ChangeCurMode() {}
  // The page of the current mode with no object.
  void SetInitDataByMenu();
  // The object the view has snapped, unless it is the highlighted one.
  void SetSnappedPtData();
  // One object on the page of the current mode: type 'p' a point, 'm' a member.
  void Data2Dlg(char& type, UINT key);
  // The main toolbar's single-selection button (33028) is down.
  int IsSingleSelectionMode() const;
  // The view's current handler is this window or the number edit of the shown page.
  int CanReceiveSnapEvent() const;

  CToolsPrePage* GetPrePage() const { return m_pPrePage; }
  CToolsPostPage* GetPostPage() const { return m_pPostPage; }

  void OnClose();
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void PostNcDestroy() override;
  BOOL OnInitDialog() override;

  BOOL OnView_RButtonDown() override { return FALSE; }
  BOOL OnView_LButtonDown() override { return FALSE; }
  BOOL OnView_LButtonDblClk() override { return FALSE; }
  BOOL OnView_MouseMove() override { return FALSE; }

 private:
  void OnDBUpdate(const DB_CDataBase& db) override;
  void ShowModePage();
  // Asks the current view to redraw its highlighted pick.
  static void RefreshViewHighlight();

  CDlgReplaceMgr m_pageHost;
  int m_nCurMode = 0;
  int m_nShownMode = 0;
  UINT m_nCurObjKey = 0;
  CToolsPrePage* m_pPrePage = nullptr;
  CToolsPostPage* m_pPostPage = nullptr;

  DECLARE_MESSAGE_MAP()
};
