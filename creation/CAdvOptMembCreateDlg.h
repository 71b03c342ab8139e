// What the creation option panels share: the name row (name box, name combo offering the
// names of the member type's kind, automatic advance after each creation, the name
// command), the target standard floors (current, picked in the standard-floor picker, or
// all) and the tolerance group's boxes. A panel class names its template and its traits;
// the window is made by the host at the first show, and its controls then hold the live
// state, so hiding and showing keep what the user set.
//
// Rules kept here:
// - A member type arrives through the host's change-data message; the name combo is
//   filled for the type's kind when the type changes, with the panel's default name when
//   the model offers none (an empty one for a kind outside the panel's own).
// - The three cross-split boxes follow the member type when it changes (type 206: all off
//   and "point" disabled; any other: column and line on, point off); a choice the user
//   then makes stays until the next change of type.
// - Without an open model the standard-floor lists are empty.
// - Return and Escape never end a panel.
#pragma once
#include <vector>

#include "afx/CArray.h"
#include "afx/CButton.h"
#include "afx/CGdiObject.h"
#include "creation/AdvOptData.h"
#include "db/CCobxName.h"
#include "db/CEditPlan.h"
#include "ui/CInternationalDlg.h"

class CAdvOptMembCreateDlg : public CInternationalDlg {
  DECLARE_DYNAMIC(CAdvOptMembCreateDlg)

 public:
  // How the tolerance group of a panel is made.
  enum class Tolerance {
    MergeSplit,  // merge duplicate points 17377 and split crossing members 17380
    Split,       // split crossing members 17380 only
    CrossSplit,  // split at crossing columns, points, lines 17228, 17231, 17234
  };
  struct Traits {
    UINT idd;
    const char* kindGroup;  // "point", "line" or "area": whose default names it knows
    Tolerance tolerance;
    bool refreshWithoutType;  // refreshes before the first member type arrives
    bool managesPlanButton;  // 17356 enabled only for picked standard floors
    bool splitFollowsType;  // split crossing members := type is not 100, at each change
    bool showsSection;  // shows the section's material
    UINT trimToGroup;  // the group box the height ends 4 pixels below (0: none)
  };

  // The option record: the name head, then the options of every kind of panel (each
  // panel uses its own).
  struct Options {
    int nMembType = 0;
    UINT nSectKey = 0;
    int nConst0 = 0;
    int nConst1 = 0;  // handed out as the common option
    int nNameFlag = 0;
    CString strName;
    int nAutoInc = 0;
    int nTargetMode = 0;  // 0 current, 1 picked, 2 all standard floors
    int nMerge = 1;
    int nSplitCol = 1;
    int nSplitPt = 1;
    int nSplit = 1;  // crossing members, or crossing lines
  };

  explicit CAdvOptMembCreateDlg(const Traits& traits);
  ~CAdvOptMembCreateDlg() override;

  // Name kind of a member type (0 when it has none); the default name this panel knows
  // for a kind ("" when none).
  static int KindOfType(int nMembType);
  CString DefaultName(int nKind) const;

  const Options& GetOptions() const { return m_opt; }
  // Controls to record; 1.
  virtual int Dlg2Data();
  // Writes the read options into the application's records (Dlg2Data first).
  virtual void WriteOptions(T_ADVOPT_DLG_COMMON_DATA* common, PARAM_MPROP* prop);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  virtual void Data2Dlg();
  virtual void UpdateCtrlState();
  // The material kind and picture of the section key received (traits.showsSection):
  // both empty for key 0, a key the model does not hold, or a kind outside 1 to 4.
  void ShowSectInfo();
  // The panel's own preparations when its window is made, before the height is trimmed
  // and the record shown.
  virtual void OnPrepare() {}
  void InitNameCombo();
  void ApplyTargetMode();
  void ApplyCrossSplitRule();

  LRESULT OnChangeData(WPARAM wParam, LPARAM lParam);
  LRESULT OnUpdateNameCombo(WPARAM wParam, LPARAM lParam);
  void OnNameCheck() { UpdateCtrlState(); }
  void OnNameCommand();
  void OnTargetRadio();
  void OnPlanSelect();
  void OnToleranceBox() { UpdateCtrlState(); }
  // The "..." buttons of the tolerance group: the merge tolerance (17379) and the crossing
  // splits (17381, 17322), each a modal dialog of the database library.
  void OnMergeTolerance();
  void OnCrossSplits();

  bool IsChecked(int id) const { return IsDlgButtonChecked(id) == BST_CHECKED; }
  void Enable(int id, BOOL enable);

  Traits m_traits;
  Options m_opt;
  CCobxName m_cobxName;
  CEditPlan m_editPlan;
  CUIntArray m_targetIds;
  CBitmap* m_pPicture = nullptr;  // owned
  int m_nCrossRuleType = -1;  // the member type the cross-split boxes were last set for

  DECLARE_MESSAGE_MAP()
};
