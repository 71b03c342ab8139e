// The design-code set dialog: the older codes (0) or the 2010 codes (1), with a read-only
// table of the codes the checked set applies. It writes nothing: the caller gives the set
// to start with (SetCode) and, after OK, reads the chosen one (GetCode). Cancel leaves the
// caller's value alone.
#pragma once
#include "afx/CArray.h"
#include "ui/CDlgMove.h"

class CCmdUsedCodeGrid;

class CCmdUsedCodeDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCmdUsedCodeDlg)

 public:
  explicit CCmdUsedCodeDlg(CWnd* pParent = nullptr);
  ~CCmdUsedCodeDlg() override;

  int SetCode(int nCode) {
    m_nCode = nCode;
    return 1;
  }
  int GetCode() const { return m_nCode; }
  // The table while the window lives; NULL otherwise.
  CCmdUsedCodeGrid* GetGrid() const { return m_pGrid; }

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void PostNcDestroy() override;
  void OnCodeRadio();

 private:
  int m_nCode = 1;
  CUIntArray m_radios;
  CCmdUsedCodeGrid* m_pGrid = nullptr;

  DECLARE_MESSAGE_MAP()
};
