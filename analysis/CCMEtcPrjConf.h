// The project information: the model's one project record (T_PJCF_D) in twenty edits, and
// beside it, read-only, five facts about the model file on disk (name, folder, creation and
// modification dates "%d/%m/%Y  %H:%M" in local time, size). A model never opened or saved
// shows the facts empty; the facts are never written.
//
// Opening reads the record (the initial values when the model has none). OK stores the
// whole record as one undoable transaction, changed or not, and closes; a write the model
// refuses is told ("IDS_CMD_PRJCONF_STORE_ERROR") and the window stays open. Cancel writes
// nothing. No field is validated: each may be empty, the description may hold line
// breaks. The details button (the project status, through the dialog factory) is hidden.
#pragma once
#include "afx/CString.h"
#include "db/T_PJCF_D.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;

class CCMEtcPrjConf : public CDlgMove {
  DECLARE_DYNAMIC(CCMEtcPrjConf)

 public:
  static constexpr int FIELDS = 20;  // the record's fields, in the record's order
  static constexpr int FACTS = 5;    // name, creation date, folder, modification date, size

  explicit CCMEtcPrjConf(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

  // The size text: "N Kbyte(s)" from 1024 bytes on (whole kilobytes), else "N byte(s)";
  // the plural from 2 on.
  static CString FormatFileSize(unsigned long long nBytes);
  // The folder text without its one trailing '/', unless it is the root.
  static CString TrimFolder(const CString& strFolder);
  static CString& FieldOf(T_PJCF_D& rec, int i);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDetails();

 private:
  void ReadFileFacts();

  CString m_strField[FIELDS];
  CString m_strFact[FACTS];
  CDBDoc* m_pDoc = nullptr;
  CMDBCtrl* m_pMDBCtrl = nullptr;

  DECLARE_MESSAGE_MAP()
};
