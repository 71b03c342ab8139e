// The six small dialogs that edit the nonlinear parameters of one degree of freedom (DOF) of
// a force-type link property: the viscoelastic damper, the gap (also the axial and
// rotational springs of the two isolators), the hook, the hysteretic system and the shear
// springs of the lead rubber bearing and friction pendulum isolators.
//
// The opener (the link property editor) gives the DOF index (0 Dx ... 5 Rz), for the gap
// dialog the force property type, and the parameter sub-record in the DOF's block of the
// record image (SetRecord); on IDOK it takes the block back (GetRecord). Nothing is written
// to the database.
//
// Each dialog is a row of data: its edits, each with the block slot it shows and the unit
// label beside it (the label's unit kind for translational DOFs, and for rotational ones);
// and its checks in order, each with its message key. Every edit beside a label is shown
// and read in the label's unit (the block holds internal units); an edit without a label
// is a plain number. OK first reads every edit: one that holds no number is told
// ("IDS_CMD_NLNK_Error_Not_Number") and takes the focus; then the checks run in order, the
// first failure is told and the dialog stays open with everything as typed; only when all
// pass is the block written and the dialog ended with IDOK. Cancel changes nothing.
#pragma once
#include <vector>
#include "afx/CArray.h"
#include "afx/CGdiObject.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_NLLP_D.h"
#include "ui/CDlgMove.h"

class CNLLinkPrtDofDlg : public CDlgMove {
  DECLARE_DYNAMIC(CNLLinkPrtDofDlg)

 public:
  // The value tests of the checks.
  enum Test { BELOW_ZERO, NOT_ABOVE_ZERO, OUTSIDE_ZERO_ONE, BELOW_ONE };
  struct Edit {
    UINT edit;
    int slot;        // the block's value it shows
    UINT label;      // its unit label, 0 for none
    int kindT, kindR;
  };
  struct Check {
    int slot;
    Test test;
    const char* key;
  };
  struct Form {
    std::vector<Edit> edits;
    std::vector<Check> checks;
  };

  CNLLinkPrtDofDlg(UINT nIDTemplate, const Form& form, CWnd* pParent);
  ~CNLLinkPrtDofDlg() override;

  void SetDof(int nDof) { m_nDof = nDof; }
  int GetDof() const { return m_nDof; }
  void SetRecord(const T_NLLP_D& rec) { m_rec = rec; }
  const T_NLLP_D& GetRecord() const { return m_rec; }
  T_NLLP_BLOCK& Block() { return m_rec.blk[m_nDof]; }

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  BOOL IsRotational() const { return m_nDof >= 3; }
  // Whether the dialog shows the block at all (the isolators' shear springs: Dy, Dz only).
  virtual BOOL ShowsBlock() const { return TRUE; }
  // Whether a check applies now (a check tied to a model or a property type).
  virtual BOOL Applies(const Check& c) const { (void)c; return TRUE; }
  // Called with the block's values as read, before the checks (the damper reads its model
  // here), and after the checks passed, before they are stored.
  virtual void AfterRead(std::vector<double>& values) { (void)values; }
  virtual void BeforeStore(std::vector<double>& values) { (void)values; }
  void ShowBlock();
  // Shows bitmap nBitmap in picture control nCtl (0: none); the bitmap lives with the dialog.
  void SetPicture(UINT nCtl, UINT nBitmap);
  CEditUnit* EditOf(UINT id);

  const Form& m_form;
  T_NLLP_D m_rec;
  int m_nDof = 0;

 private:
  std::vector<CEditUnit*> m_edits;
  std::vector<CTextUnit*> m_labels;
  std::vector<CBitmap*> m_pictures;
};

class CNLLinkPrtViscDlg : public CNLLinkPrtDofDlg {
  DECLARE_DYNAMIC(CNLLinkPrtViscDlg)
 public:
  explicit CNLLinkPrtViscDlg(CWnd* pParent = nullptr);
  BOOL OnInitDialog() override;

 protected:
  BOOL Applies(const Check& c) const override;
  void AfterRead(std::vector<double>& values) override;
  void BeforeStore(std::vector<double>& values) override;
  // Lays the rows out for the model of the radios and shows its pictures.
  void ChangeDamperModel();
  void ShowDamperModelPictures(int nModel);
  void OnModel() { ChangeDamperModel(); }

 private:
  CUIntArray m_modelRadios;
  int m_nModel = 0;      // the model read by the last OK
  DECLARE_MESSAGE_MAP()
};

class CNLLinkPrtGapDlg : public CNLLinkPrtDofDlg {
  DECLARE_DYNAMIC(CNLLinkPrtGapDlg)
 public:
  explicit CNLLinkPrtGapDlg(CWnd* pParent = nullptr);
  // 1 gap, 4 lead rubber bearing isolator, 5 friction pendulum system isolator.
  void SetPropertyType(int nType) { m_nType = nType; }
  BOOL OnInitDialog() override;

 protected:
  // The values are shown after the dialog has adapted itself to the isolators.
  BOOL ShowsBlock() const override { return FALSE; }
  BOOL Applies(const Check& c) const override;

 private:
  int m_nType = 1;
};

class CNLLinkPrtHookDlg : public CNLLinkPrtDofDlg {
  DECLARE_DYNAMIC(CNLLinkPrtHookDlg)
 public:
  explicit CNLLinkPrtHookDlg(CWnd* pParent = nullptr);
};

class CNLLinkPrtHystDlg : public CNLLinkPrtDofDlg {
  DECLARE_DYNAMIC(CNLLinkPrtHystDlg)
 public:
  explicit CNLLinkPrtHystDlg(CWnd* pParent = nullptr);
};

class CNLLinkPrtLeadDlg : public CNLLinkPrtDofDlg {
  DECLARE_DYNAMIC(CNLLinkPrtLeadDlg)
 public:
  explicit CNLLinkPrtLeadDlg(CWnd* pParent = nullptr);
  BOOL OnInitDialog() override;

 protected:
  BOOL ShowsBlock() const override { return m_nDof == 1 || m_nDof == 2; }
};

class CNLLinkPrtFricDlg : public CNLLinkPrtDofDlg {
  DECLARE_DYNAMIC(CNLLinkPrtFricDlg)
 public:
  explicit CNLLinkPrtFricDlg(CWnd* pParent = nullptr);
  BOOL OnInitDialog() override;

 protected:
  BOOL ShowsBlock() const override { return m_nDof == 1 || m_nDof == 2; }
};
