// The test suite's own record grid: towers (CClassMdul) with a key column and a name
// column, the name required, over the record-grid contract base. It records which hooks
// ran and what they received.
#pragma once
#include <string>
#include <vector>
#include "db/CClassMdul.h"
#include "common/CCmdRecordGrid.h"
#include "ui/CMsgDll.h"

class CTestTowerGrid : public CCmdRecordGrid<CClassMdul> {
 public:
  std::vector<std::string> calls;

  CTestTowerGrid() : CCmdRecordGrid<CClassMdul>(nullptr) {
    AddColInfo(CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORY_Grid_ID", 0), TB_COL_INT, 0);
    AddColInfo(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Name", 0), TB_COL_TEXT, 0);
    GetKeyColumnList().Add(0);
    AddRequiredColumn(1);
  }
  void Setup() {
    Initialize();
    HideColsByIntend(1, 1, TRUE);
    SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetEnabled(FALSE));
    MakeItemEx(nullptr, -2, 0);
  }

  void FieldToText(int index, const T_MDUL_D& rec, CString& text) override {
    if (index == 1) text = rec.name;
    else CCmdRecordGrid::FieldToText(index, rec, text);
  }
  void TextToField(int index, const CString& text, T_MDUL_D& rec) override {
    if (index == 1) rec.name = text;
  }
  void OnRowWritten(ROWCOL row, UINT key, const T_MDUL_D&) override {
    if (key == CClassMdul::MAIN_TOWER) SetStyleRange(CGXRange(row, GetColumnNoFor(1)), CGXStyle().SetEnabled(FALSE));
  }
  CStringArray& GetDefaultValues() override {
    static CStringArray defaults = [] {
      CStringArray d;
      d.Add("");
      d.Add("");
      return d;
    }();
    return defaults;
  }

  // Recording wrappers of the write hooks.
  int AddRecords(CPtrArray& keys, CPtrArray& recs) override {
    calls.push_back("AddRecords " + Names(recs));
    return CCmdRecordGrid::AddRecords(keys, recs);
  }
  int AddRecord(ROWCOL row) override {
    calls.push_back("AddRecord " + std::to_string(row));
    return CCmdRecordGrid::AddRecord(row);
  }
  int ModifyRecords(CStringArray& keyTexts, CPtrArray& keys, CPtrArray& recs) override {
    std::string k;
    for (auto& t : keyTexts) k += std::string(k.empty() ? "" : ",") + t.c_str();
    calls.push_back("ModifyRecords " + k + " " + Names(recs));
    return CCmdRecordGrid::ModifyRecords(keyTexts, keys, recs);
  }
  int ModifyRecord(ROWCOL row) override {
    calls.push_back("ModifyRecord " + std::to_string(row));
    return CCmdRecordGrid::ModifyRecord(row);
  }
  int DeleteRecords(CUIntArray& rows) override {
    std::string r;
    for (UINT x : rows) r += std::string(r.empty() ? "" : ",") + std::to_string(x);
    calls.push_back("DeleteRecords " + r);
    return CCmdRecordGrid::DeleteRecords(rows);
  }
  int DeleteRecord(ROWCOL row) override {
    calls.push_back("DeleteRecord " + std::to_string(row));
    return CCmdRecordGrid::DeleteRecord(row);
  }
  int NewRecordFromStrings(CStringArray& s, CUIntArray& map, CPtrArray& keys, CPtrArray& recs) override {
    std::string j;
    for (INT_PTR i = 0; i < s.GetSize(); ++i) j += std::string(i ? "|" : "") + s[i].c_str();
    int ok = CCmdRecordGrid::NewRecordFromStrings(s, map, keys, recs);
    calls.push_back("NewRecordFromStrings " + j + " -> " + std::to_string(ok));
    return ok;
  }
  int FreeNewRecords(CPtrArray& keys, CPtrArray& recs) override {
    int n = CCmdRecordGrid::FreeNewRecords(keys, recs);
    calls.push_back("FreeNewRecords " + std::to_string(n));
    return n;
  }
  int ValidateRecord(CStringArray& s, CUIntArray& map) override {
    int ok = CCmdRecordGrid::ValidateRecord(s, map);
    calls.push_back("ValidateRecord -> " + std::to_string(ok));
    return ok;
  }

  // Row texts of the name column, visible rows only.
  std::string Shown() {
    std::string s;
    for (ROWCOL r = 1; r <= GetRowCount(); ++r)
      if (!IsRowHidden(r)) s += std::string(s.empty() ? "" : ",") + GetValueRowCol(r, 2).c_str();
    return s;
  }

 private:
  static std::string Names(CPtrArray& recs) {
    std::string s;
    for (void* p : recs) s += std::string(s.empty() ? "" : ",") + static_cast<T_MDUL_D*>(p)->name.c_str();
    return s;
  }
};
