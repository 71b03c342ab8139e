// The loads-and-mass page: the load cases of floor and beam loads, the construction-stage
// live load, self weight, pattern live load, representative gravity loads and the
// conversion of self weight to mass. A page for a tabbed host; it edits the loadMass group
// the host hands it with SetLoadMass before the page's window is made, and writes nothing
// to the model (the host writes its record). Without a group the page fills nothing from
// it, Dlg2Data reads nothing and returns 0.
//
// The start-story combo lists "IDS_WG_CMD_MC_ALL_Floor" (all stories, key 0) first, then
// the stories top-down. The end-story combo follows the start: all stories leaves only that
// entry, disabled; a story lists the stories of its tower (of every tower for the main
// tower) from it upwards, the last on top, "Tower:Name" when the model has several towers.
// Wind load "..." (14326) and seismic base shear "..." (14327) send the application's
// commands 33132 and 33133.
#pragma once
#include "afx/CComboBox.h"
#include "db/CCobxStor.h"
#include "db/CEditUnit.h"
#include "db/CSelectLC.h"
#include "db/CTextUnit.h"
#include "db/T_MCTL_D.h"
#include "ui/CDlgChild.h"

class CClassMctl;

// The start-story combo: the stories with the all-stories entry (key 0) first, kept there
// whenever the stories fill it again.
class CCobxStorAllFirst : public CCobxStor {
 protected:
  void FillItems(CDBDoc& doc, Items& items) override;
};

class CModelCtrlDataMassDlg : public CDlgChild {
  DECLARE_DYNAMIC(CModelCtrlDataMassDlg)

 public:
  enum { CMD_WIND_LOAD = 33132, CMD_SEISMIC_SHEAR = 33133 };

  explicit CModelCtrlDataMassDlg(CWnd* pParent = nullptr);

  // The group the page edits; the host keeps it alive while the page lives.
  void SetLoadMass(T_MCTL_LOAD_MASS* pLoadMass) { m_pLoadMass = pLoadMass; }
  T_MCTL_LOAD_MASS* GetLoadMass() const { return m_pLoadMass; }

  BOOL OnInitDialog() override;
  void InitCtrl();
  void SetUnitType();
  void SetInitComboes();
  void SetLoadCombo();
  void SetStartLevelCombo();
  void SetClmnCombo();
  void SetSW2MassCombo();
  void SetEndStoryCmb();
  void ChangeDlgControls();
  int Data2Dlg();
  int Dlg2Data();
  static CClassMctl* GetClassPtr();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnChangeStartStory();
  void OnWindLoad();
  void OnSeismicShear();
  void OnNothing() {}

 private:
  T_MCTL_LOAD_MASS* m_pLoadMass = nullptr;
  CSelectLC m_lcDead;
  CSelectLC m_lcLive;
  CSelectLC m_lcSelfWeight;
  CCobxStorAllFirst m_cobxFrom;
  CComboBox m_cobxTo;
  CComboBox m_cobxColumns;
  CComboBox m_cobxSW2Mass;
  CEditUnit m_editConstLoad;
  CTextUnit m_textConstLoad;
  CEditUnit m_editConstPercent;
  CEditUnit m_editSWFactor;
  CEditUnit m_editRepDL;
  CEditUnit m_editRepLL;

  DECLARE_MESSAGE_MAP()
};
