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
#include "loads/COutLineDlgBase.h"

class CClassLwrd;

class CWindRigionDefineDlg : public COutLineDlgBase {
  DECLARE_DYNAMIC(CWindRigionDefineDlg)

 public:
  explicit CWindRigionDefineDlg(CWnd* pParent = nullptr);

  void UpdateStoryCmb() override;
  void SetEndStoryCmb() override;

 protected:
  UINT GetTableID() const override;
  const Column* GetColumns(int& n) const override;
  void ReadList(CUIntArray& keys, std::vector<T_WIND_RANGE>& recs) const override;
  BOOL ReadRecord(UINT key, T_WIND_RANGE& rec) const override;
  BOOL AddRecord(const T_WIND_RANGE& rec) override;
  BOOL ModifyRecord(UINT key, const T_WIND_RANGE& rec) override;
  BOOL DeleteRecords(const CUIntArray& keys) override;

 private:
  CClassLwrd* Lwrd() const;

  DECLARE_MESSAGE_MAP()
};
