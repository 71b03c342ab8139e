// Extended combo boxes ("ComboBoxEx32"): a combo box whose items also carry images
// (indexes into an image list the caller keeps).
#pragma once
#include "afx/CComboBox.h"

enum : UINT {
  CBEIF_TEXT = 0x01, CBEIF_IMAGE = 0x02, CBEIF_SELECTEDIMAGE = 0x04, CBEIF_OVERLAY = 0x08,
  CBEIF_INDENT = 0x10, CBEIF_LPARAM = 0x20,
};

struct COMBOBOXEXITEM {
  UINT mask = 0;
  INT_PTR iItem = 0;
  LPTSTR pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  int iSelectedImage = 0;
  int iOverlay = 0;
  int iIndent = 0;
  LPARAM lParam = 0;
};
typedef COMBOBOXEXITEM* PCOMBOBOXEXITEM;

class CImageList;

class CComboBoxEx : public CComboBox {
  DECLARE_DYNAMIC(CComboBoxEx)
 public:
  CComboBoxEx() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // iItem -1 appends. The index of the new item, or -1.
  int InsertItem(const COMBOBOXEXITEM* pCBItem);
  int DeleteItem(int iIndex) { return DeleteString((UINT)iIndex); }
  BOOL GetItem(COMBOBOXEXITEM* pCBItem);
  BOOL SetItem(const COMBOBOXEXITEM* pCBItem);
  CImageList* SetImageList(CImageList* pImageList);
  CImageList* GetImageList() const { return m_pImageList; }
  CComboBox* GetComboBoxCtrl() { return this; }

 private:
  CImageList* m_pImageList = nullptr;
};
