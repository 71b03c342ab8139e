// The grid of the member load dialog: one row per member name and standard floor, the
// names in name order (CDBLib::QSortNameKey), each name's rows one per floor in the plan
// table's order; each row shows the name's assignment (CClassMbld) on that floor. The
// grid shows every pair whether or not it has a record; it has no append row.
//
// Columns (index: title, grid column index + 1): 0 "key" (the record's key, empty without
// record; hidden), 1 "NameK" (hidden), 2 member name, 3 member type, 4 "PlanK" (hidden),
// 5 standard floor, 6 Load Type, a drop-down of the none text and the load types of the
// grid's target kind in table order.
//
// Rules:
// - Only Load Type cells take edits and pastes. Choosing a load type adds or rewrites the
//   pair's record; the none text deletes it (nothing to do, and success, without one). An
//   empty text is refused ("IDS_TB_SPTS__has_not_been_entered_" after the title); a text
//   naming no load type of the target kind is refused with
//   "IDS_CMD_MEMB_Load_Type_Not_Found" and the assignment stays.
// - Deleting rows deletes their records in one transaction; rows without record add
//   nothing.
// - Filters (SetFilter): 1 keeps the rows whose floor has members bearing the name (see
//   below), 2 the rows with a record, 3 those without. Every rebuild reads the floors and
//   records again and applies the filters. Copying leaves hidden rows out.
// - Floor test of filter 1: a row passes when its name still exists (for beams and
//   columns, any key of its text, through the owner) and, when members bear the name, one
//   of them stands on a story of the row's floor; a name no member bears shows on every
//   floor. Built from one walk over the members and stories per filter pass.
// - The grid writes only through the table's transactions and shows their results when
//   its owner rebuilds it (MakeItemEx); a rebuild costs O(rows log n).
#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include "afx/CArray.h"
#include "db/T_MBLD_D.h"
#include "uiutil/CTBCommon.h"

class CClassLdtp;
class CClassMbld;
class CClassName;
class CClassPlan;
class CDBDoc;
class CMDBCtrl;
class CMembLoadAssignDlg;

class CMembLoadAssignGrid : public CTBCommon {
  DECLARE_DYNAMIC(CMembLoadAssignGrid)

 public:
  enum { COL_KEY = 0, COL_NAMEK, COL_NAME, COL_TYPE, COL_PLANK, COL_PLAN, COL_LOAD, COL_COUNT };
  // The grid column of Load Type.
  enum : ROWCOL { LOAD_GRID_COL = COL_LOAD + 1 };

  explicit CMembLoadAssignGrid(CMembLoadAssignDlg* pOwner);

  // The names to show (sorted by name here) and a rebuild of every row.
  void SetNameKeys(const CUIntArray& keys);
  // The target kind (0 point, 1 line, 2 area) and its Load Type choices.
  void SetTargetKind(int kind);
  void RefreshLoadTypeChoices(ROWCOL nCol);
  // Stores the flags and shows or hides every row.
  void SetFilter(int flag1, int flag2, int flag3);

  const CUIntArray& GetNameKeys() const { return m_nameKeys; }
  int GetTargetKind() const { return m_nTargetKind; }
  // The member-type text of a member-type code (empty for a code of no name kind).
  static CString MembTypeText(int type);

  // ---- CTBCommon ----
  void Initialize() override;
  void AdjustAppendRowNo() override;
  int AddRecords(CPtrArray& keys, CPtrArray& records) override;
  int AddRecord(ROWCOL nRow) override;
  int DeleteRecords(CUIntArray& rows) override;
  int DeleteRecord(ROWCOL nRow) override;
  int ModifyRecords(CStringArray& keyTexts, CPtrArray& keys, CPtrArray& records) override;
  int ModifyRecord(ROWCOL nRow) override;
  CString GetNewKeyString() override;
  CString GetDefaultValue(int n) override;
  CStringArray& GetDefaultValues() override { return m_defaults; }
  int NewRecordFromStrings(CStringArray& strings, CUIntArray& map, CPtrArray& keys, CPtrArray& records) override;
  int FreeNewRecords(CPtrArray& keys, CPtrArray& records) override;
  int ValidateField(LPCTSTR text, int index) override;
  int ValidateRecord(CStringArray& strings, CUIntArray& map) override;
  int GetRecordCount() override;
  void FillRowsForKeys(int n, const UINT* keys, CUIntArray& colNos) override;
  void FillAllRows(int n, CUIntArray& colNos) override;
  void FillRowFromStrings(ROWCOL nRow, CStringArray& strings) override;
  int StringsToRecord(CStringArray& strings, CUIntArray& map, UINT& key, T_MBLD_D& rec);

  // Copies only the rows the filters show.
  BOOL Copy() override;

 private:
  CClassMbld* Mbld() const;
  CClassName* Names() const;
  CClassPlan* Plans() const;
  CClassLdtp* Ldtp() const;
  // A row's key and record from its cells (ids 0, 1, 4, 6).
  int ReadRow(ROWCOL nRow, UINT& key, T_MBLD_D& rec);
  void WriteRow(ROWCOL nRow, UINT key, const T_MBLD_D& rec);
  // The load type a Load Type text chooses: 0 for the none text; -1 for a text naming no
  // load type of the target kind.
  long LoadTypeOfText(const CString& text) const;
  // Adds, rewrites or deletes the pair's record as its load type says.
  int SaveRow(UINT key, const T_MBLD_D& rec);
  int SavePairs(CPtrArray& keys, CPtrArray& records);
  // The floor test of filter 1 from the walk BuildFloorTest made.
  BOOL FloorTest(UINT nameKey, UINT planKey) const;
  void BuildFloorTest();
  // What a rebuild reads once: the floors, the names' texts and the load type names.
  void ReadRebuildData();

  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  CMembLoadAssignDlg* m_pOwner;
  int m_nFlag1 = 1, m_nFlag2 = 0, m_nFlag3 = 0;
  int m_nTargetKind = 0;
  CUIntArray m_nameKeys;
  CStringArray m_defaults;  // entry i: index i + 1
  CString m_strNone;

  // The current rebuild's floors, name texts and types, and load type names.
  CUIntArray m_plans;
  std::vector<CString> m_planNames;
  std::unordered_map<UINT, size_t> m_planIndex;
  std::vector<CString> m_nameTexts, m_typeTexts;
  std::vector<int> m_nameTypes;
  std::unordered_map<UINT, CString> m_ldtpNames;
  // The choices of the target kind: name -> first key of that name in table order.
  std::unordered_map<std::string, UINT> m_choiceKeys;
  // Floor test: per shown name (m_nameIndex: key -> index), whether it exists, whether
  // members bear it, and the (name index, plan) pairs where they stand.
  std::unordered_map<UINT, size_t> m_nameIndex;
  std::vector<char> m_nameAlive, m_nameBorne;
  std::unordered_set<uint64_t> m_bornePlans;

  DECLARE_MESSAGE_MAP()
};
