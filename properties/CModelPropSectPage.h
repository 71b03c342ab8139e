// The section page of the property sheet: every section of the model (CClassSect) with its
// number, name, type and shape; Add and Edit open the section editor; a copy keeps the
// name. The selected section is drawn in the preview below the buttons (an empty picture
// while no row is selected); the preview follows the selection and every change of the
// selected row. See CModelPropListPage.
#pragma once
#include "db/SectRecord.h"
#include "properties/CModelPropListPage.h"

class CCMSecViewWnd;

class CModelPropSectPage : public CModelPropListPage {
  DECLARE_DYNAMIC(CModelPropSectPage)

 public:
  explicit CModelPropSectPage(CWnd* pParent = nullptr);
  ~CModelPropSectPage() override;

  // Key ("%d"), name, type text (regular: "IDS_WG_CMD_MP_DB" when its first shape names a
  // steel database, else "IDS_WG_CMD_MP_User"; SRC, value, combined, tapered their keys;
  // other types empty), shape code of the first part.
  static void GetRowTexts(UINT key, const T_SECT_D& rec, CStringArray& texts);

  CCMSecViewWnd* GetPreview() const { return m_pPreview; }
  UINT GetShownKey() const { return m_nSelKey; }
  const T_SECT_D& GetShownSect() const { return m_sect; }

  void OnItemchangedList(NMHDR* pNMHDR, LRESULT* pResult);

 protected:
  void OnListCreated() override;
  BOOL FillRows() override;
  void ReplayRows(const DB_CDataBase& db) override;
  void RunEditor(UINT key) override;
  BOOL DeleteRecord(UINT key) override;
  int CopyRecord(UINT key) override;

  CCMSecViewWnd* m_pPreview;
  UINT m_nSelKey;
  T_SECT_D m_sect;

  DECLARE_MESSAGE_MAP()
};
