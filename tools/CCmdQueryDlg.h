// The query window (template 14266): facts about one model object or about positions,
// typed or picked in the model view. Tab 0 queries a point (a node in post mode), tab 1 a
// member (an element in post mode), tab 2 a distance P1-P2 or an angle P1-C-P2. Each
// query writes its lines to the application's message window and to the result edit,
// highlights the object (I_ModelBase::PONTKEY or MEMBKEY, the other cleared) and, for a
// point or member, the detail button opens the attribute tool window on it through the
// dialog factory ("CToolsDlg", mode 3) and closes the query window. It reads the model
// only.
//
// Query types (GetQueryType): 0 point, 1 node, 2 member, 3 element, 4 distance, 5 angle.
// Point, member and their numbers belong to the building model (numbers to keys through
// the number index); nodes and elements to the analysis model (their numbers are keys).
// A second point (node) query in a row adds the distance and the offset from the first;
// any other query forgets it.
//
// Texts written: the query text goes to the message window as it stands (never as a
// format: story, material and section names are the user's). An angle leg of no length
// has its distance 0 and neither the cross angle nor its own angle from GX.
//
// Life: the application builds it on the heap and creates it; it ends with its window
// (closed by the user, by update hint 18, after opening the attribute window). Hints 7 and
// 8 re-mode it. While it lives, the view's highlighted pick is its own; destruction clears
// it (unless the attribute window was opened on the object, which then keeps it) and tells
// the current view that the query mode ended.
#pragma once
#include "afx/CEdit.h"
#include "afx/CTabCtrl.h"
#include "ui/CButtonBitmapIcon.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/T_DLG_CTRLS_GROUP.h"
#include "view/CGlobalModeless.h"
#include "view/CMouseEdit2.h"

class CCmdQueryDlg : public CGlobalModeless, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCmdQueryDlg)

 public:
  enum : int { QT_POINT = 0, QT_NODE = 1, QT_MEMBER = 2, QT_ELEMENT = 3, QT_DISTANCE = 4, QT_ANGLE = 5 };
  enum : int { TAB_POINT = 0, TAB_MEMBER = 1, TAB_DIMENSION = 2 };
  // Update hints the window follows.
  enum : int { HINT_VIEW = 7, HINT_MODE = 8, HINT_CLOSE_QUERY = 18 };
  // Gap between stacked groups and below the last one, pixels.
  enum : int { LAYOUT_GAP = 10 };

  explicit CCmdQueryDlg(CWnd* pParent = nullptr);
  ~CCmdQueryDlg() override;

  // Selects tab 0, 1 or 2 and re-modes the window; other values do nothing.
  void ChangeQueryType(int nTab);

  // The current document is in post-processing (0 without a document).
  static BOOL IsPostMode();
  // The building model's objects: neither post mode nor the 3D analysis view.
  static BOOL IsPontMembMode();
  // The analysis model's objects: post mode or the 3D analysis view.
  static BOOL IsNodeElemMode();
  // Appends the printf-formatted line to text, after "\r\n" unless text is empty.
  static void AppendMsg(CString& text, LPCTSTR format, ...);

  int GetQueryType() const;
  // The key the number edit names for the current type; 0 when it names none.
  UINT GetQueryDataKey() const;
  // The text of the current query (what a run writes).
  CString GetQueryText();
  UINT GetLastPontKey() const { return m_nLastPontKey; }
  UINT GetLastNodeKey() const { return m_nLastNodeKey; }

  CMouseEdit2& GetNumberEdit() { return m_editNumber; }
  CMouseEdit2& GetCEdit() { return m_editC; }
  CMouseEdit2& GetP1Edit() { return m_editP1; }
  CMouseEdit2& GetP2Edit() { return m_editP2; }
  CButtonBitmapIcon& GetAdvancedButton() { return m_btnAdvanced; }

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnHint(LPARAM lHint, CObject* pHint) override;
  void PostNcDestroy() override;

  void OnDestroy();
  void OnSelChangeQueryTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnBnClickedDetailAtt();
  void OnBnClickedAdvanced();
  void OnBnClickedDimTypeRdo();
  LRESULT OnMouseEdit2Enter(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseEdit2Run(WPARAM wParam, LPARAM lParam);

 private:
  enum Group { G_NUMBER, G_DIMENSION, G_DIM_KIND, G_TAB, G_BUTTONS, G_RESULT, G_COUNT };

  void InitCtrl();
  void OnChangeQueryType();
  void EnableDisableCtrl();
  void ChangeParamType();
  void SetDefaultFocus();
  CMouseEdit2* InputEdit(int nType);
  void StartFlickerQueryObj(int nType);
  void EndFlickerQueryObj();
  BOOL IsAngleKind() const;

  CString QueryPoint();
  CString QueryNode();
  CString QueryMember();
  CString QueryElement();
  CString QueryDistance();
  CString QueryAngle();

  CTabCtrl m_tab;
  CMouseEdit2 m_editNumber;
  CMouseEdit2 m_editC;
  CMouseEdit2 m_editP1;
  CMouseEdit2 m_editP2;
  CButtonBitmapIcon m_btnAdvanced;
  T_DLG_CTRLS_GROUP m_groups[G_COUNT];
  UINT m_nLastPontKey = 0;
  UINT m_nLastNodeKey = 0;
  BOOL m_bHandedOver = FALSE;  // the attribute window was opened on the queried object

  DECLARE_MESSAGE_MAP()
};
