// The wind-load outline window (modeless, one per document): the outlines of the model
// (CClassOtln), each a letter "A" to "Z" (letters may repeat), a run of stories on one
// standard floor and a list of plan points (COutLineDlgBase).
//
// Rules:
// - The name box offers the 26 letters and starts on "A"; selecting a row leaves it alone,
//   so Add and Modify write the letter it shows.
// - The start-story box lists the stories with their standard floor's name, without the
//   base story. The end-story box lists the start story and the stories after it that use
//   the same standard floor, in sequence order, the start story chosen.
// - The list shows name, tower (the end story's), start story, end story and points.
#pragma once
#include "db/CClassOtln.h"
#include "loads/COutLineTableDlg.h"

class COutLineDefineDlg : public COutLineTableDlg<CClassOtln> {
  DECLARE_DYNAMIC(COutLineDefineDlg)

 public:
  explicit COutLineDefineDlg(CWnd* pParent = nullptr);

  void UpdateStoryCmb() override;
  void SetEndStoryCmb() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void InitControls() override;
  void ReadName(T_WIND_RANGE& rec) override;

 private:
  CComboBox m_cmbName;

  DECLARE_MESSAGE_MAP()
};
