// The rigid-zone effect of the beam-column overlap: for beams and for columns, whether the
// rigid zone is considered (the check mark of a group box that enables what it holds), the
// factor on the rigid-zone length, and whether member forces are output before or after
// that correction. It reads and writes the model's one T_PZEF_D itself (the library's
// defaults when the model has none). OK writes the whole record in one transaction; when a
// factor or an output position changed, the document's views are told with hint 11
// (switching a rigid zone on or off alone tells nobody). A stored position other than 1 or
// 2 shows "after the correction" and is stored as 2. A refused write shows
// "IDS_CMD_PZEF_APPLY_ERROR" and the dialog stays open; so does a factor that is not a
// number, with a message of its own. Factors are not range-checked. Cancel writes nothing.
#pragma once
#include "afx/CArray.h"
#include "db/CEditUnit.h"
#include "db/T_PZEF_D.h"
#include "ui/CDlgMove.h"
#include "ui/CFoldGroupBox_CheckEnable.h"

class CClassPzef;
class CDBDoc;
class CMDBCtrl;
class DB_CDataBase;

class CEtcPzefDlg : public CDlgMove {
  DECLARE_DYNAMIC(CEtcPzefDlg)

 public:
  explicit CEtcPzefDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;
  // Applies both enable rules; 0.
  int OnChangeFoldState();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCmdBeamOffsetCheck();
  void OnCmdColmOffsetCheck();
  void BeamOffsetCtrlMan();
  void ColmOffsetCtrlMan();
  void Data2DlgVar();
  // Reads the controls into the record; -1 when a factor is no number (after a message),
  // else 1 when a factor or a position changed (the views must be told), 0 otherwise.
  int DlgVar2Data();

 private:
  CEditUnit m_editBeamFactor;
  CEditUnit m_editColmFactor;
  T_PZEF_D m_pzef;
  CUIntArray m_beamRadios;
  CUIntArray m_colmRadios;
  CUIntArray m_beamCtrls;
  CUIntArray m_colmCtrls;
  CDBDoc* m_pDoc = nullptr;
  CMDBCtrl* m_pMDBCtrl = nullptr;
  DB_CDataBase* m_pDB = nullptr;
  CClassPzef* m_pTable = nullptr;
  CFoldGroupBox_CheckEnable m_boxBeam;
  CFoldGroupBox_CheckEnable m_boxColm;

  DECLARE_MESSAGE_MAP()
};
