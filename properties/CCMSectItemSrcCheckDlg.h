// The composite material dialog of the SRC section page: the engineer chooses the section's
// steel-reinforced-concrete material by number or by name (only "SRC" materials are
// offered) and sees, read-only, what it is made of: the design code and grade of its steel
// and of its concrete, Es/Ec and Ds/Dc (each 0 when the concrete's value is 0). A key that
// names no "SRC" material shows empty codes and grades and ratios of 0.
//
// The caller sets the material key (m_nMatlKey) before DoModal and reads it when DoModal
// returns IDOK. OK is refused with "IDS_CMD_SECT_SRC_MATL_NOT_SRC" (the dialog stays open)
// while the number names no "SRC" material of the model. Cancel leaves the caller's key
// as it was. The dialog writes nothing to the model.
#pragma once
#include "afx/CEdit.h"
#include "db/CCobxMatl.h"
#include "view/CEditMatl.h"
#include "db/CEditUnit.h"
#include "ui/CDlgMove.h"

class CCMSectItemSrcCheckDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCMSectItemSrcCheckDlg)

 public:
  explicit CCMSectItemSrcCheckDlg(CWnd* pParent = nullptr);
  ~CCMSectItemSrcCheckDlg() override;

  BOOL OnInitDialog() override;

  UINT m_nMatlKey;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSelChangeName();
  void OnUpdateNumber();
  void OnBtnOK();

  // Shows the material of a key: its codes, grades and ratios, or the empty display when
  // the key names no "SRC" material.
  void ShowMatl(UINT nKey);

  CEditMatl m_editNumber;
  CCobxMatl m_cbName;
  CEdit m_editSteelCode;
  CEdit m_editSteelGrade;
  CEdit m_editConcCode;
  CEdit m_editConcGrade;
  CEditUnit m_editEsEc;
  CEditUnit m_editDsDc;

  DECLARE_MESSAGE_MAP()
};
