// The automatic erection sequence: how many stories each automatically generated
// construction stage adds (1 to 100, the spin edit's range: a number outside it is clamped
// by the edit). It edits the model's one T_ERSQ_D (defaults when the model has none).
// Apply, and Return, write the record with one undoable CClassErsq::TR_Add and keep the
// dialog open; Close ends it with IDCANCEL whatever was applied.
//
// Refusals, the dialog open and nothing written: an increment that is no whole number
// ("IDS_CMD_ERSQ_ERROR_Invalid_Increment", the focus on the edit); a record the table
// refuses, or no document or table ("IDS_CMD_ERSQ_ERROR_Cannot_Save").
#pragma once
#include "afx/CStatic.h"
#include "db/T_ERSQ_D.h"
#include "ui/CDlgMove.h"
#include "ui/CEditSpinEx.h"

class CBitmap;
class CClassErsq;

class CAutoErectSeqDlg : public CDlgMove {
  DECLARE_DYNAMIC(CAutoErectSeqDlg)

 public:
  explicit CAutoErectSeqDlg(CWnd* pParent = nullptr);
  ~CAutoErectSeqDlg() override;

  const T_ERSQ_D& GetRecord() const { return m_ersq; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Apply (and Return): writes the increment; the dialog stays open.
  void OnOK() override;
  void OnCloseBtn();

  void Data2Dlg();
  BOOL Dlg2Data();
  CClassErsq* GetTable() const;

  CEditSpinEx m_editIncrement;
  CStatic m_stPicture;
  T_ERSQ_D m_ersq;

 private:
  CBitmap* m_pPicture = nullptr;

  DECLARE_MESSAGE_MAP()
};
