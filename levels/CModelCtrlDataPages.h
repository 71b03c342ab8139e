// The three pages of the model control data dialog. Each works only on the part of the
// dialog's working copy its host hands it (SetData) and fills its controls from it when
// its window is made; Dlg2Data reads the controls back (1 when accepted).
//
// Global page: the structure system and the material are stored as list positions (0 to
// 10, 0 to 3); a stored code the lists do not hold selects nothing and is kept unless the
// user picks an entry. Bk must lie in [1, 2] and the coupling-beam factor in [0.3, 1]
// (checked in that order, with the focus on the edit); the copy holds the values read
// even when one is refused. The edge-beam edit shows (1 + Bk) / 2 and is never read; the
// transfer-beam edit and the combo beside the basement restraint are bound to nothing.
// The eight base-restraint checks are enabled while the basement restraint is ticked (their
// ticks stay and are saved), the fixed and pinned radios while the automatic base support
// is; D-ALL (R-ALL) is ticked exactly while Dx, Dy and Dz (Rx, Ry, Rz) are, and sets them.
// A grade's "..." opens the property sheet unless one is open.
//
// Detail page: the mesh sizes and the largest wall height in current lengths; a value
// typed below -(size tolerance) is told at once and reset to 0. The coupling-beam mesh,
// gravity and initial temperature are shown but bound to nothing.
//
// Basement page: the backfill's stiffness ratio and pressure coefficient (plain numbers),
// its unit weight, the ground-water level and the surcharge in current units.
//
// A bound edit that holds no number is refused with a message and the focus on it.
#pragma once
#include "afx/CComboBox.h"
#include "db/CCobxMatl.h"
#include "view/CEditMatl.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_MCTL_D.h"
#include "ui/CDlgChild.h"

class CClassMctl;

class CModelCtrlDataGlobalDlg : public CDlgChild {
  DECLARE_DYNAMIC(CModelCtrlDataGlobalDlg)

 public:
  explicit CModelCtrlDataGlobalDlg(CWnd* pParent = nullptr);
  void SetData(T_MCTL_D* pData) { m_pData = pData; }

  BOOL OnInitDialog() override;
  int Data2Dlg();
  int Dlg2Data();
  static CClassMctl* GetClassPtr();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void InitCtrl();
  void SetInitComboes();
  void SetStypCombo();
  void SetMtypCombo();
  void ChangeDlgControls();
  void OnDAllChk();
  void OnRAllChk();
  void OnChangeCmdCtrCoeEdt();
  void OnCmdRcBtn();
  void OnCmdSteelBtn();
  void OnCmdSrcBtn();
  void OnCmdPanelFrameBtn();

 private:
  T_MCTL_D* m_pData = nullptr;
  CComboBox m_cobxStruct;
  CComboBox m_cobxMatl;
  CEditUnit m_editBk;
  CEditUnit m_editEdgeBeam;
  CEditUnit m_editCoupling;
  CEditUnit m_editTransfer;
  CEditMatl m_editRc, m_editSteel, m_editSrc;
  CCobxMatl m_cobxRc, m_cobxSteel, m_cobxSrc;

  DECLARE_MESSAGE_MAP()
};

class CModelCtrlDataDetailDlg : public CDlgChild {
  DECLARE_DYNAMIC(CModelCtrlDataDetailDlg)

 public:
  explicit CModelCtrlDataDetailDlg(CWnd* pParent = nullptr);
  void SetData(T_MCTL_DETAIL* pData) { m_pData = pData; }

  BOOL OnInitDialog() override;
  int Data2Dlg();
  int Dlg2Data();
  static CClassMctl* GetClassPtr();

  enum { SIZE_COUNT = 6 };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void InitCtrl();
  void OnChangeCmdSizeEdit();

 private:
  T_MCTL_DETAIL* m_pData = nullptr;
  CEditUnit m_edit[SIZE_COUNT];
  CTextUnit m_unit[SIZE_COUNT];
  BOOL m_bChecking = FALSE;

  DECLARE_MESSAGE_MAP()
};

class CModelCtrlDataGroundDlg : public CDlgChild {
  DECLARE_DYNAMIC(CModelCtrlDataGroundDlg)

 public:
  explicit CModelCtrlDataGroundDlg(CWnd* pParent = nullptr);
  void SetData(T_MCTL_UGSTORY* pData) { m_pData = pData; }

  BOOL OnInitDialog() override;
  int Data2Dlg();
  int Dlg2Data();
  static CClassMctl* GetClassPtr();

  enum { VALUE_COUNT = 5 };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void InitCtrl();

 private:
  T_MCTL_UGSTORY* m_pData = nullptr;
  CEditUnit m_edit[VALUE_COUNT];
  CTextUnit m_unit[VALUE_COUNT];

  DECLARE_MESSAGE_MAP()
};
