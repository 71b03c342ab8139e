// The section editor: a modal dialog with one tab page per section kind it can edit (pages
// derive from CCMSectItemBase). The dialog builds the pages, shows the first one and hands
// its buttons (OK, Apply, Calculate) to the page on show; the pages write the model.
//
// Modes: add (the default; SetSectID gives the key, else each page takes the table's next
// free key) or edit (SetModifyData). Call the setters after construction and before
// DoModal. DoModal returns IDOK when a page saved on OK, IDCANCEL otherwise (what Apply
// wrote stays in the model). After a successful Apply every page saves next under the
// applied page's new key and, in edit mode, modifies the section where Apply put it (the
// other pages' number edits keep their text).
//
// Tabs, in order: add mode the kinds 1 (regular concrete), 2 (regular steel) and 3
// (SRC); edit mode 1, 2 and the section's own kind
// (CSectUtil::GetSectTypeNo) when it is neither. Building stops at the first kind without
// a page ("IDS_CMD_ERR_No_Dialog_page_for_section", and the dialog closes as cancelled),
// which is what combined and tapered sections meet. The editor then shows tab 0 in add
// mode and the section's own kind in edit mode, and disables Calculate on a value page
// (kind 5).
//
// Page kinds: 1 and 2 the regular page (template 14032), 3 the SRC page (14034), 5 the
// value page (14026). A kind's page is made by the builder registered for it; kinds
// without one have no page. SetPageBuilder replaces a kind's builder (pages register
// theirs in the table of CCMSectItemDlg.cpp; tests put their own in).
#pragma once
#include "afx/CArray.h"
#include "afx/CButton.h"
#include "db/SectRecord.h"
#include "ui/CDlgMove.h"
#include "ui/CDlgTabCtrl.h"

class CCMSectItemBase;

class CCMSectItemDlg : public CDlgMove {
 public:
  // Makes the page of a kind (on the heap, no parent), ready for AddTab; NULL: no page.
  typedef CCMSectItemBase* (*PAGE_NEW)(int nKind);

  explicit CCMSectItemDlg(CWnd* pParent = nullptr);
  ~CCMSectItemDlg() override;

  void SetModifyData(UINT nKey, const T_SECT_D& sect);
  void SetSectID(UINT nKey);
  void SetMode(int nMode) { m_nMode = nMode; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Replaces the builder of a page kind (1, 2, 3 or 5); the previous one, or NULL. Kinds
  // outside the table take none and answer NULL.
  static PAGE_NEW SetPageBuilder(int nKind, PAGE_NEW pfnNew);
  // Non-zero when the kind has a page.
  static BOOL HasPage(int nKind);

  CDlgTabCtrl& GetTabCtrl() { return m_tab; }
  const CArray<int, int>& GetKindList() const { return m_aKind; }
  // The page on tab i, or NULL.
  CCMSectItemBase* GetPage(int i) const;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnBtnApply();
  void OnBtnCalc();
  void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);

  // Builds the tabs; FALSE when a kind of the list has no page.
  BOOL SetDialogPageList();

  int m_bModify;
  int m_bSectID;
  UINT m_nKey;
  T_SECT_D m_sect;
  CArray<int, int> m_aKind;
  int m_nMode;
  CButton m_btnCalc;
  CDlgTabCtrl m_tab;

 private:
  CCMSectItemBase* CurrentPage() const;
  void EnableCalc(int nTab);
  void CloseWithMessage(const char* key);

  DECLARE_MESSAGE_MAP()
};
