// The detailed slab analysis and design settings (modal): the story whose slabs are
// analysed and designed in detail, the slab mesh size, the loads included besides dead and
// live load (wind, horizontal and vertical seismic action, the civil-air-defence load),
// the dead and live load displacement, long-term deflection and punching-check data.
//
// It always opens on the defaults of T_DASB_D::Initialize, never on the settings the
// document's module already holds; the dead and live load displacement box opens clear.
// The story list holds the stories on which members stand (all of them in a model without
// members), tower by tower bottom-up, "Name (Plan)", without the base story; with more
// than one the second is chosen, else the list keeps its own choice.
//
// Rules while it is open:
// - The project's load-design control (LDCT) without wind disables and clears "wind",
//   without seismic action both seismic boxes.
// - The civil-air-defence box is enabled only while that load is in use (LCUG) and the
//   chosen story is its upper or lower slab story; otherwise it is disabled and cleared.
// - Punching clears and disables the displacement box; unchecking punching enables it,
//   still clear.
// Changing the story keeps the other boxes as the user left them.
//
// OK needs a chosen story and a mesh size that is a number above 0 (in the current length
// unit, which the label beside it names); otherwise it tells which
// ("IDS_CMD_DASB_NO_STORY", "IDS_CMD_DASB_MESH_SIZE"), hands nothing over and stays open.
// Then it hands the settings, with dead and live load 1 and the story's key, to the
// document's module (CCmdDynModule::SetDasb, which keeps them in internal units), ends
// with IDOK and posts command 34078 (start the detailed slab analysis and design) to the
// main window. It writes no table. Cancel hands nothing over.
#pragma once
#include "db/CCobxStor.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_DASB_D.h"
#include "ui/CDlgMove.h"

class CCmdDetailSlabDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCmdDetailSlabDlg)

 public:
  // The command posted on OK.
  static constexpr UINT CMD_RUN_DETAIL_SLAB = 34078;

  explicit CCmdDetailSlabDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;
  // The settings as the last OK read them (the defaults before).
  const T_DASB_D& GetSettings() const { return m_dasb; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnChangeStoryCmb();
  void OnPunchingChk();
  void Data2Dlg();
  // Reads the controls into the settings; 0, with a message, when the mesh size is no
  // number above 0 (the settings then as they were).
  BOOL Dlg2Data();
  void EnableLateralLoads();
  void EnableInbangLoads();

 private:
  CTextUnit m_textMeshUnit;
  CEditUnit m_editMesh;
  CCobxStor m_cobxStor;
  int m_nDeadLoad = 1;
  int m_nHorzSeismic = 0;
  int m_nLiveLoad = 1;
  int m_nDlLlDisplacement = 0;
  int m_nVertSeismic = 0;
  int m_nWind = 0;
  int m_nCivilAirDefence = 0;
  int m_nLongTermDeflection = 0;
  int m_nPunchingCheck = 0;
  T_DASB_D m_dasb;

  DECLARE_MESSAGE_MAP()
};
