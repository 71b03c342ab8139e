// What the buckling and P-delta settings share: a load made of up to 15 static load cases,
// each with a factor (and, for buckling, a load type), edited in a list with Add, Edit and
// Delete through a load-case selector, a factor edit and optional load-type radios.
//
// Rules of the list:
// - Add appends the entry of the input controls and selects it; a 16th entry is refused
//   ("IDS_CMD_ANAL_ADDD__Can_t_add_loadcase_any_more_"). Edit replaces the selected entry
//   and keeps it selected. Delete removes the selected entry; the row at the same index,
//   or the new last row, becomes selected. Edit and Delete without a selected row are
//   refused ("IDS_CMD_ANAL_ADDD__No_selected_item_in_the_list__nCh").
// - An entry needs a chosen load case ("IDS_CMD_ANAL_ADDD__Loadcase_was_not_selected_"),
//   a factor text that is a number (refused without a word otherwise), a key other than 0
//   ("IDS_CMD_ANAL_ADDD__Invalid_loadcase_key_") and a factor above 0
//   ("IDS_CMD_ANAL_ADDD__Invalid_scale_factor_"). A load case listed in another row is
//   refused with "IDS_CMD_ANAL_ADDD__Loadcase__s_already_exist_" and the selector's text;
//   an entry edited to its own load case is accepted.
// - Selecting a row shows its entry in the input controls; a list left without a selected
//   row shows the default entry (no load case, the dialog's default factor, variable).
// - While the window lives the list follows the static load cases changed anywhere: each
//   transaction's update records are walked once, in order; a deleted load case removes
//   its rows, a renumbered or renamed one (MFD then MFS) rekeys its rows to the MFD
//   image's key and refills them. Load cases added elsewhere change nothing here. A row
//   whose load case does not exist shows an empty name.
// Refusals change neither the list nor the entries.
#pragma once
#include <vector>
#include "afx/CListCtrl.h"
#include "db/CSelectLC.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

// One entry of the load: a static load case key, its factor and (buckling only) its load
// type, 0 variable or 1 constant.
struct CAnalLoadEntry {
  UINT lc = 0;
  double factor = 0.0;
  int type = 0;
};

class CAnalLoadCaseListDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CAnalLoadCaseListDlg)

 public:
  static constexpr int MAX_ENTRIES = 15;

  // The controls of one dialog; variable 0 when it has no load-type radios (the constant
  // radio follows the variable one in its group).
  struct Controls {
    UINT selector, factor, variable, list;
  };
  // A list column: the text key of its title and its width in pixels.
  struct Column {
    const char* title;
    int width;
  };

  const std::vector<CAnalLoadEntry>& GetEntries() const { return m_entries; }

  // The checks of an entry shared by both dialogs; tells the refusal.
  static BOOL ValidItem(const CAnalLoadEntry& item);

 protected:
  CAnalLoadCaseListDlg(UINT nIDTemplate, CWnd* pParent, const Controls& ids, const Column* columns,
                       int nColumns, double fDefaultFactor);

  void DoDataExchange(CDataExchange* pDX) override;
  // Selector to static load cases, list header, rows of the entries (SetEntries first).
  void InitLoadList();
  void SetEntries(const std::vector<CAnalLoadEntry>& entries) { m_entries = entries; }

  void SetListCtrlHeader();
  // Refills the rows from the entries; the first row becomes selected.
  void MakeItemEx();
  void SetItem(int row, const CAnalLoadEntry& item);
  virtual CString DataToStr(int col, const CAnalLoadEntry& item) const;
  // The selected row, -1 when none.
  int GetSelectedItem() const;
  virtual BOOL Dlg2Item(CAnalLoadEntry& item);
  virtual void Item2Dlg(const CAnalLoadEntry& item);

  void OnCmdBtnAdd();
  void OnCmdBtnModify();
  void OnCmdBtnDelete();
  void OnChangedCurrentItem(NMHDR* pNMHDR, LRESULT* pResult);

  void OnDBUpdate(const DB_CDataBase& db) override;
  // Replays one transaction's update records; the base follows the static load cases.
  virtual void UpdateBuffer(const DB_CDataBase& db);

  CListCtrl m_list;
  CSelectLC m_selector;
  std::vector<CAnalLoadEntry> m_entries;

 private:
  // TRUE when a row other than skip holds load case lc.
  BOOL IsListed(UINT lc, int skip) const;
  void SelectRow(int row);
  void TellAlreadyListed();
  void RemoveRowsOf(UINT lc);
  void RekeyRowsOf(UINT oldKey, UINT newKey);

  Controls m_ids;
  const Column* m_columns;
  int m_nColumns;
  double m_fDefaultFactor;
  int m_nLoadType = 0;  // the radios' choice (data exchange)
};
