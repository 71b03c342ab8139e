// The shielding-face window (modeless, one per document): the shielding faces of the
// model (CClassLwrd), each a run of stories of one tower and a list of plan points
// (COutLineDlgBase). Faces have no name.
//
// Rules:
// - The start-story box lists the stories grouped by tower, top-down within each tower.
// - The end-story box lists the stories of the start story's tower from the tower's last
//   story (in sequence order) down to the start story, the last one chosen; with more
//   than one tower every entry reads "Tower:Story".
// - The list shows tower (the end story's), start story, end story and points.
#pragma once
#include "db/CClassLwrd.h"
#include "loads/COutLineTableDlg.h"

class CWindRigionDefineDlg : public COutLineTableDlg<CClassLwrd> {
  DECLARE_DYNAMIC(CWindRigionDefineDlg)

 public:
  explicit CWindRigionDefineDlg(CWnd* pParent = nullptr);

  void UpdateStoryCmb() override;
  void SetEndStoryCmb() override;

 protected:

 private:
  DECLARE_MESSAGE_MAP()
};
