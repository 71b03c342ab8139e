// The property list: a child window showing groups of rows (label, value, optional button
// strip). Its owner fills it (RemoveAll, AddGroupItem, AddItem, ExpandAll) and hears the
// user through three registered messages, sent (not posted) to the owner:
//
//   WM_PROPLIST_CHANGED       a row became the current row (wParam 0, lParam the row)
//   WM_PROPLIST_CHANGE_VALUE  the user committed a value in a row of kind 1, 5 or 6:
//                             wParam 1 when the committed value equals the one shown
//                             (the same choice, the same number), else 0; lParam the row
//   WM_PROPLIST_COMMAND       the user pressed a button of a row's strip: wParam the
//                             button's index, lParam the row (a CCmbBtnProp*)
//
// A user action first makes its row current (CHANGED when it was not). A button whose id
// is a registered window message (0xC000 to 0xFFFF) then also sends that message to the
// owner (wParam 0, lParam the row), with the row current, unless the owner refilled the
// list while handling COMMAND. What the owner sets (SetValue, the fill) sends nothing.
// Rows of kinds 0, 2 and 3 take no value. A row in a collapsed group, or a list that is
// hidden or disabled, takes no user action.
//
// Rows are numbered from 0 in display order, groups not counted.
#pragma once
#include <functional>
#include <memory>
#include <vector>
#include "afx/CWnd.h"
#include "uiutil/CBCGPProp.h"

class CPropList : public CWnd {
  DECLARE_DYNAMIC(CPropList)

 public:
  static UINT WM_PROPLIST_CHANGE_VALUE;
  static UINT WM_PROPLIST_CHANGED;
  static UINT WM_PROPLIST_COMMAND;
  // Window class of the list.
  static constexpr const char* CLASS_NAME = "PropList";

  CPropList();
  ~CPropList() override;

  // Creates the list window at rect in pOwner's client area; pOwner hears the notices.
  BOOL InitList(DWORD dwStyle, const RECT& rect, CWnd* pOwner, UINT nID = 0);
  // The column titles (nFlag non-zero shows the header).
  void SetHeaderInfo(int nFlag, const CString& attrTitle, const CString& dataTitle);
  void SetVSDotNetLook(BOOL bSet) { m_bDotNetLook = bSet; }
  // The list's own scroll bars: vertical, horizontal.
  void EnableScrollBar(int nVert, int nHorz) { m_nScrollV = nVert, m_nScrollH = nHorz; }
  BOOL GetHeaderShown() const { return m_bHeader; }
  const CString& GetAttrTitle() const { return m_strAttrTitle; }
  const CString& GetDataTitle() const { return m_strDataTitle; }

  // ---- The fill ----
  void RemoveAll();
  // A group; the rows added next belong to it.
  CBCGPProp* AddGroupItem(const CString& title);
  void SetKey(UINT key) { m_nKey = key; }
  UINT GetKey() const { return m_nKey; }
  void ExpandAll(BOOL bExpand = TRUE);

  // Rows, each under the group added last. A number row shown as an integer:
  CCmbBtnProp* AddItem(const CString& label, PROP_COLTYPE kind, int value);
  // A text (the trailing int is not used):
  CCmbBtnProp* AddItem(const CString& label, PROP_COLTYPE kind, const CString& text, int unused);
  // A real number (read-only or editable):
  CCmbBtnProp* AddItem(const CString& label, PROP_COLTYPE kind, double value);
  // A text with a button strip (kinds 2, 3):
  CCmbBtnProp* AddItem(const CString& label, PROP_COLTYPE kind, const CString& text, CUIntArray& buttons, int bitmap);
  // An integer with a button strip:
  CCmbBtnProp* AddItem(const CString& label, PROP_COLTYPE kind, int value, CUIntArray& buttons, int bitmap);
  // A choice row (kinds 5, 6): flag 1 makes number the row's value (kind 6), flag 0 the
  // selected choice.
  CCmbBtnProp* AddItem(const CString& label, PROP_COLTYPE kind, CStringArray& choices, CUIntArray& buttons, int bitmap,
                       int flag, double number, int sel);
  // A choice row whose choices carry item data (record keys).
  CCmbBtnProp* AddItem(const CString& label, PROP_COLTYPE kind, CStringArray& choices, CUIntArray& itemData,
                       CUIntArray& buttons, int bitmap, int flag, double number, int sel);

  // ---- Reading ----
  // The current row; NULL when none.
  CBCGPProp* GetCurSel() const { return m_pCur; }
  int GetRowCount() const { return (int)m_rows.size(); }
  CCmbBtnProp* GetRow(int index) const;
  // A row's number; -1 for NULL or an item that is not a row of this list.
  int GetRowIndex(const CBCGPProp* pItem) const;
  // Every item, groups and rows, in display order.
  int GetItemCount() const { return (int)m_items.size(); }
  CBCGPProp* GetItem(int index) const;
  // The first row whose label equals text, else the first whose label begins with it.
  CCmbBtnProp* FindRow(const CString& text) const;

  // ---- The user (tests, cmdhost); each returns 0 when the user could not act ----
  BOOL UserSelect(CCmbBtnProp* pRow);
  // A choice by its text, or a number typed into a number row (kind 1) or a number choice
  // row (kind 6).
  BOOL UserCommitText(CCmbBtnProp* pRow, const CString& text);
  BOOL UserCommitChoice(CCmbBtnProp* pRow, int index);
  BOOL UserPressButton(CCmbBtnProp* pRow, int index);
  // The user can reach the row: the list is visible and enabled, the row's group expanded.
  BOOL CanReach(const CCmbBtnProp* pRow) const;

 private:
  CCmbBtnProp* NewRow(const CString& label, PROP_COLTYPE kind);
  // Makes the row current as the user does; FALSE when the owner refilled the list.
  BOOL MakeCurrent(CCmbBtnProp* pRow);
  BOOL Commit(CCmbBtnProp* pRow, const std::function<BOOL(CCmbBtnProp*)>& take);
  LRESULT Notify(UINT message, WPARAM wParam, LPARAM lParam);

  CWnd* m_pOwner = nullptr;
  std::vector<std::unique_ptr<CBCGPProp>> m_items;
  std::vector<CCmbBtnProp*> m_rows;
  CBCGPProp* m_pGroup = nullptr;
  CBCGPProp* m_pCur = nullptr;
  UINT m_nKey = 0;
  unsigned m_nFill = 0;  // counts RemoveAll: a refill during a notice ends the action
  BOOL m_bHeader = FALSE;
  CString m_strAttrTitle, m_strDataTitle;
  BOOL m_bDotNetLook = FALSE;
  int m_nScrollV = 0, m_nScrollH = 0;
};
