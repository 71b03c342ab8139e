// The option-panel host of member creation: it knows the creation panels by their
// templates, hands the shown panel the member type and section key the application is
// about to create with, asks it to advance its member name after a creation, and reads
// its options into the application's records.
#pragma once
#include "creation/CAdvancedOptionDlgBase.h"

class CAdvancedOptionDlg_MembCreate : public CAdvancedOptionDlgBase {
 public:
  // Posted to the current panel: advance the member name if its auto-increment box is on.
  static UINT WM_ADVOPTDLG_UPDATE_NAMECOMBO;

  CAdvancedOptionDlg_MembCreate() = default;
  ~CAdvancedOptionDlg_MembCreate() override = default;

  // Makes the panel object of a known template; an id already added or unknown: nothing.
  void AddOptionDlg(UINT idd) override;
  // The base's show, then (data not NULL, whether shown or not) ChangeData with *data.
  void ShowOptionDlg(UINT idd, CWnd* pHost, void* pData) override;
  // Keeps the record and sends it to the current panel when that has a window.
  void ChangeData(const T_ADVOPT_DLG_DATA& data);
  void UpdateMemberNameCombo();
  // 1 when the current panel's options were read into both records; 0, writing nothing,
  // when there is no current panel with a window.
  int GetOptDlgData(T_ADVOPT_DLG_COMMON_DATA* common, PARAM_MPROP* prop);
  const T_ADVOPT_DLG_DATA& GetData() const { return m_data; }

 private:
  T_ADVOPT_DLG_DATA m_data;
};
