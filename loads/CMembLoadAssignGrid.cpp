#include "loads/CMembLoadAssignGrid.h"

#include <cstdlib>
#include "db/CClassLdtp.h"
#include "db/CClassMbld.h"
#include "db/CClassMemb.h"
#include "db/CClassName.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CDBLib.h"
#include "db/CMDBCtrl.h"
#include "loads/CMembLoadAssignDlg.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CMembLoadAssignGrid, CTBCommon)

BEGIN_MESSAGE_MAP(CMembLoadAssignGrid, CTBCommon)
END_MESSAGE_MAP()

namespace {

const struct {
  int type;
  const char* key;
} kTypeTexts[] = {
    {100, "IDS_CMD_MEMB_TYPE_PONT"}, {101, "IDS_CMD_MEMB_TYPE_COLM"}, {200, "IDS_CMD_MEMB_TYPE_LINE"},
    {201, "IDS_CMD_MEMB_TYPE_BEAM"}, {202, "IDS_CMD_MEMB_TYPE_WALL"}, {203, "IDS_CMD_MEMB_TYPE_LINTEL"},
    {300, "IDS_CMD_MEMB_TYPE_AREA"}, {301, "IDS_CMD_MEMB_TYPE_SLAB"},
};

// Columns: title (a literal for the hidden ones, else a text key), kind, width.
const struct {
  const char* title;
  bool literal;
  int kind;
  int width;
} kColumns[CMembLoadAssignGrid::COL_COUNT] = {
    {"key", true, TB_COL_INT, 0},
    {"NameK", true, TB_COL_INT, 0},
    {"IDS_CMD_MEMB_Member_Name", false, TB_COL_TEXT, 100},
    {"IDS_CMD_MEMB_Member_Type", false, TB_COL_TEXT, 100},
    {"PlanK", true, TB_COL_INT, 0},
    {"IDS_CMD_MEMB_Plan", false, TB_COL_TEXT, 110},
    {"IDS_CMD_MEMB_Load_Type", false, TB_COL_TEXT, 110},
};
const int kRowHeaderWidth = 20;
const int kHeaderHeight = 20;

std::string NamedKey(int type, const CString& name) {
  std::string k((const char*)&type, sizeof type);
  k += name.str();
  return k;
}

CString Load(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

CString StringAt(CStringArray& strings, CUIntArray& map, int index) {
  if (index < 0 || index >= map.GetSize()) return CString();
  const UINT pos = map[index];
  return pos >= 1 && (INT_PTR)pos <= strings.GetSize() ? strings[pos - 1] : CString();
}

}  // namespace

CMembLoadAssignGrid::CMembLoadAssignGrid(CMembLoadAssignDlg* pOwner)
    : m_pDoc(CDBDoc::m_pDBDoc), m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr), m_pOwner(pOwner) {
  m_strNone = Load("IDS_CMD_MEMB_None");
  for (const auto& c : kColumns)
    AddColInfo(c.literal ? CMsgDll::RemoveQuote(c.title) : Load(c.title), c.kind, 0);
  for (int i = 1; i < COL_COUNT; ++i) m_defaults.Add(i == COL_LOAD ? m_strNone : CString());
  GetKeyColumnList().Add(0);
}

CString CMembLoadAssignGrid::MembTypeText(int type) {
  for (const auto& t : kTypeTexts)
    if (t.type == type) return Load(t.key);
  return CString();
}

template <class T>
static T* TableOf(CMDBCtrl* mdb) {
  DB_CDataBase* db = mdb ? mdb->GetModelDB() : nullptr;
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}
CClassMbld* CMembLoadAssignGrid::Mbld() const { return TableOf<CClassMbld>(m_pMDB); }
CClassName* CMembLoadAssignGrid::Names() const { return TableOf<CClassName>(m_pMDB); }
CClassPlan* CMembLoadAssignGrid::Plans() const { return TableOf<CClassPlan>(m_pMDB); }
CClassLdtp* CMembLoadAssignGrid::Ldtp() const { return TableOf<CClassLdtp>(m_pMDB); }

// ---- the dialog's operations --------------------------------------------------------------

void CMembLoadAssignGrid::SetNameKeys(const CUIntArray& keys) {
  OnTerminate(2);
  CStringArray names;
  CUIntArray sorted;
  CClassName* table = Names();
  T_NAME_D rec;
  for (UINT k : keys) {
    names.Add(table && table->Get(k, rec) ? rec.name : CString());
    sorted.Add(k);
  }
  CDBLib::QSortNameKey(names, sorted);
  m_nameKeys.vec().swap(sorted.vec());
  m_nameIndex.clear();
  for (size_t i = 0; i < m_nameKeys.vec().size(); ++i) m_nameIndex.emplace(m_nameKeys[(INT_PTR)i], i);
  m_nameTexts.assign(m_nameKeys.vec().size(), CString());
  m_nameTypes.assign(m_nameKeys.vec().size(), 0);
  m_typeTexts.assign(m_nameKeys.vec().size(), CString());
  if (m_hWnd) MakeItemEx(nullptr, -2, 0);
}

void CMembLoadAssignGrid::SetTargetKind(int kind) {
  m_nTargetKind = kind;
  RefreshLoadTypeChoices(LOAD_GRID_COL);
}

void CMembLoadAssignGrid::RefreshLoadTypeChoices(ROWCOL nCol) {
  m_choiceKeys.clear();
  CString list = m_strNone + "\n";
  if (CClassLdtp* ldtp = Ldtp())
    ldtp->ForEachRecord([&](UINT k, const T_LDTP_D& r) {
      if (r.kind != m_nTargetKind) return;
      list += r.name + "\n";
      m_choiceKeys.emplace(r.name.str(), k);  // the first of a name in table order stays
    });
  if (!m_hWnd) return;
  CGXStyle style;
  style.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(list);
  style.SetUserAttribute(51028, "0").SetUserAttribute(51029, "0").SetUserAttribute(51030, "1");
  SetStyleRange(CGXRange().SetCols(nCol), style);
}

void CMembLoadAssignGrid::SetFilter(int flag1, int flag2, int flag3) {
  m_nFlag1 = flag1;
  m_nFlag2 = flag2;
  m_nFlag3 = flag3;
  if (!m_hWnd) return;
  if (m_nFlag1) BuildFloorTest();
  const BOOL wasLocked = LockUpdate(TRUE);
  CClassMbld* mbld = Mbld();
  const ROWCOL nameCol = GetColumnNoFor(COL_NAMEK), planCol = GetColumnNoFor(COL_PLANK);
  for (ROWCOL r = 1; r <= GetRowCount(); ++r) {
    if (r == GetAppendRowNo()) continue;
    const UINT name = (UINT)std::atoi(GetValueRowCol(r, nameCol).c_str());
    const UINT plan = (UINT)std::atoi(GetValueRowCol(r, planCol).c_str());
    const BOOL has = mbld && mbld->GetKey(name, plan) != 0;
    const BOOL show = (!m_nFlag1 || FloorTest(name, plan)) && (!m_nFlag2 || has) && (!m_nFlag3 || !has);
    if (IsRowHidden(r) == show) HideRows(r, r, !show);
  }
  LockUpdate(wasLocked);
  if (!wasLocked) Redraw();
}

// ---- the floor test ----------------------------------------------------------------------

void CMembLoadAssignGrid::BuildFloorTest() {
  const size_t n = m_nameKeys.vec().size();
  m_nameAlive.assign(n, 0);
  m_nameBorne.assign(n, 0);
  m_bornePlans.clear();
  CClassName* names = Names();
  if (!names || !m_pMDB) return;
  // Each name's text and type: the record's, else those of the last rebuild.
  std::unordered_map<std::string, std::vector<size_t>> wanted;
  T_NAME_D rec;
  for (size_t i = 0; i < n; ++i) {
    const UINT k = m_nameKeys[(INT_PTR)i];
    CString text = m_nameTexts[i];
    int type = m_nameTypes[i];
    if (names->Get(k, rec)) {
      text = rec.name;
      type = rec.type;
      m_nameAlive[i] = 1;
    }
    CUIntArray same;
    if (!m_nameAlive[i] && m_pOwner && (type == 101 || type == 201)) {
      if (type == 101) m_pOwner->GetSameNameKeyListInColm(text, same);
      else m_pOwner->GetSameNameKeyListInBeam(text, same);
      for (UINT s : same)
        if (names->Exist(s)) m_nameAlive[i] = 1;
    }
    if (m_nameAlive[i] && !text.IsEmpty()) wanted[NamedKey(type, text)].push_back(i);
  }
  if (wanted.empty()) return;
  std::unordered_map<UINT, UINT> planOfStory;
  if (auto* stor = TableOf<CClassStor>(m_pMDB))
    stor->ForEachRecord([&](UINT k, const T_STOR_D& s) { planOfStory.emplace(k, s.planKey); });
  if (auto* memb = TableOf<CClassMemb>(m_pMDB))
    memb->ForEachRecord([&](UINT, const T_MEMB_D& m) {
      if (m.name.IsEmpty()) return;
      auto it = wanted.find(NamedKey(m.type, m.name));
      if (it == wanted.end()) return;
      auto p = planOfStory.find(m.storyKey);
      const UINT plan = p == planOfStory.end() ? 0 : p->second;
      for (size_t i : it->second) {
        m_nameBorne[i] = 1;
        if (plan) m_bornePlans.insert(((uint64_t)i << 32) | plan);
      }
    });
}

BOOL CMembLoadAssignGrid::FloorTest(UINT nameKey, UINT planKey) const {
  auto it = m_nameIndex.find(nameKey);
  if (it == m_nameIndex.end() || it->second >= m_nameAlive.size()) return FALSE;
  const size_t i = it->second;
  if (!m_nameAlive[i]) return FALSE;
  if (!m_nameBorne[i]) return TRUE;
  return m_bornePlans.count(((uint64_t)i << 32) | planKey) != 0;
}

// ---- rows -------------------------------------------------------------------------------

void CMembLoadAssignGrid::ReadRebuildData() {
  m_plans.RemoveAll();
  m_planNames.clear();
  m_planIndex.clear();
  if (CClassPlan* plans = Plans())
    plans->ForEachRecord([&](UINT k, const T_PLAN_D& p) {
      m_planIndex.emplace(k, m_planNames.size());
      m_plans.Add(k);
      m_planNames.push_back(p.name);
    });
  CClassName* names = Names();
  T_NAME_D rec;
  for (size_t i = 0; i < m_nameKeys.vec().size(); ++i) {
    if (!names || !names->Get(m_nameKeys[(INT_PTR)i], rec)) {
      m_typeTexts[i] = CString();
      continue;
    }
    m_nameTexts[i] = rec.name;
    m_nameTypes[i] = rec.type;
    m_typeTexts[i] = MembTypeText(rec.type);
  }
  m_ldtpNames.clear();
  if (CClassLdtp* ldtp = Ldtp()) ldtp->ForEachRecord([&](UINT k, const T_LDTP_D& r) { m_ldtpNames.emplace(k, r.name); });
}

int CMembLoadAssignGrid::GetRecordCount() {
  ReadRebuildData();
  return (int)(m_nameKeys.vec().size() * (size_t)m_plans.GetSize());
}

void CMembLoadAssignGrid::WriteRow(ROWCOL nRow, UINT key, const T_MBLD_D& rec) {
  CString text[COL_COUNT];
  if (key) text[COL_KEY].Format("%d", (int)key);
  text[COL_NAMEK].Format("%u", rec.nameKey);
  auto n = m_nameIndex.find(rec.nameKey);
  T_NAME_D name;
  if (n != m_nameIndex.end() && n->second < m_typeTexts.size() && !m_typeTexts[n->second].IsEmpty()) {
    text[COL_NAME] = m_nameTexts[n->second];
    text[COL_TYPE] = m_typeTexts[n->second];
  } else if (CClassName* names = Names(); names && names->Get(rec.nameKey, name)) {
    text[COL_NAME] = name.name;
    text[COL_TYPE] = MembTypeText(name.type);
  }
  text[COL_PLANK].Format("%d", (int)rec.plan);
  auto p = m_planIndex.find(rec.plan);
  if (p != m_planIndex.end()) text[COL_PLAN] = m_planNames[p->second];
  auto l = rec.loadType ? m_ldtpNames.find(rec.loadType) : m_ldtpNames.end();
  text[COL_LOAD] = l != m_ldtpNames.end() ? l->second : m_strNone;
  for (int i = 0; i < COL_COUNT; ++i)
    if (ROWCOL c = GetColumnNoFor(i)) SetValueRange(CGXRange(nRow, c), (LPCTSTR)text[i]);
}

void CMembLoadAssignGrid::FillAllRows(int, CUIntArray&) {
  const size_t plans = (size_t)m_plans.GetSize();
  const int n = (int)(plans * m_nameKeys.vec().size());
  CClassMbld* mbld = Mbld();
  T_MBLD_D rec;
  for (int i = 0; plans && i < n; ++i) {
    const size_t name = (size_t)i / plans, plan = (size_t)i % plans;
    if (name >= m_nameKeys.vec().size()) break;
    const UINT nameKey = m_nameKeys[(INT_PTR)name], planKey = m_plans[(INT_PTR)plan];
    const UINT key = mbld ? mbld->GetKey(nameKey, planKey) : 0;
    if (!key || !mbld->Get(key, rec)) {
      rec.Initialize();
      rec.nameKey = nameKey;
      rec.plan = planKey;
    }
    WriteRow((ROWCOL)i + 1, key, rec);
  }
  SetFilter(m_nFlag1, m_nFlag2, m_nFlag3);
  EnableInsertRowByPressingKey(FALSE);
  EnableAppendRow(FALSE);
}

void CMembLoadAssignGrid::FillRowsForKeys(int n, const UINT* keys, CUIntArray&) {
  CClassMbld* mbld = Mbld();
  T_MBLD_D rec;
  for (int i = 0; mbld && i < n; ++i)
    if (mbld->Get(keys[i], rec)) WriteRow((ROWCOL)i + 1, keys[i], rec);
}

void CMembLoadAssignGrid::FillRowFromStrings(ROWCOL nRow, CStringArray& strings) {
  auto at = [&](int i) { return i < strings.GetSize() ? strings[i] : CString(); };
  T_MBLD_D rec;
  rec.Initialize();
  const UINT key = (UINT)std::atol(at(COL_KEY).c_str());
  rec.nameKey = (UINT)std::atol(at(COL_NAMEK).c_str());
  rec.plan = (UINT)std::atol(at(COL_PLANK).c_str());
  const long load = LoadTypeOfText(at(COL_LOAD));
  rec.loadType = load > 0 ? (UINT)load : 0;
  WriteRow(nRow, key, rec);
}

long CMembLoadAssignGrid::LoadTypeOfText(const CString& text) const {
  if (text.IsEmpty() || text == m_strNone) return 0;
  auto it = m_choiceKeys.find(text.str());
  return it == m_choiceKeys.end() ? -1 : (long)it->second;
}

int CMembLoadAssignGrid::ReadRow(ROWCOL nRow, UINT& key, T_MBLD_D& rec) {
  rec.Initialize();
  key = 0;
  if (nRow == 0 || nRow > GetRowCount() || IsAppendRow(nRow)) return 0;
  for (int id : {(int)COL_KEY, (int)COL_NAMEK, (int)COL_PLANK, (int)COL_LOAD}) {
    const ROWCOL c = GetColumnNoFor((LPCTSTR)GetColTitle(id));
    CString text = c ? GetValueRowCol(nRow, c) : CString();
    ConvertFormulaToValue(text);
    if (id == COL_KEY) key = (UINT)std::atol(text.c_str());
    else if (id == COL_NAMEK) rec.nameKey = (UINT)std::atol(text.c_str());
    else if (id == COL_PLANK) rec.plan = (UINT)std::atol(text.c_str());
    else {
      const long load = LoadTypeOfText(text);
      if (load < 0) return 0;
      rec.loadType = (UINT)load;
    }
  }
  return 1;
}

// ---- saving ------------------------------------------------------------------------------

int CMembLoadAssignGrid::SaveRow(UINT, const T_MBLD_D& rec) {
  CClassMbld* mbld = Mbld();
  if (!mbld) return 0;
  // The pair's record, whatever key the row showed.
  const UINT key = mbld->GetKey(rec.nameKey, rec.plan);
  if (!rec.loadType) return key ? mbld->TR_Del(key) : 1;
  T_MBLD_D r = rec;
  r.key = key;
  return key ? mbld->TR_Modify(key, r) : mbld->TR_Add(r);
}

// A paste's pairs, saved one by one up to the first refusal, as one transaction: the
// pairs saved before a refused one stay.
int CMembLoadAssignGrid::SavePairs(CPtrArray& keys, CPtrArray& records) {
  CClassMbld* mbld = Mbld();
  DB_CDataBase* db = mbld ? mbld->GetDB() : nullptr;
  if (!db || keys.GetSize() != records.GetSize()) return 0;
  const BOOL group = db->BeginGroup();
  int ok = 1;
  for (INT_PTR i = 0; ok && i < records.GetSize(); ++i)
    ok = SaveRow(*static_cast<UINT*>(keys[i]), *static_cast<T_MBLD_D*>(records[i]));
  if (group && !db->CommitGroup()) ok = 0;
  return ok;
}

int CMembLoadAssignGrid::AddRecords(CPtrArray& keys, CPtrArray& records) { return SavePairs(keys, records); }
int CMembLoadAssignGrid::ModifyRecords(CStringArray&, CPtrArray& keys, CPtrArray& records) {
  return SavePairs(keys, records);
}

int CMembLoadAssignGrid::AddRecord(ROWCOL nRow) {
  if (!CanSaveData()) return 0;
  UINT key = 0;
  T_MBLD_D rec;
  if (!ReadRow(nRow, key, rec)) return 0;
  return SaveRow(key, rec);
}

int CMembLoadAssignGrid::ModifyRecord(ROWCOL nRow) { return AddRecord(nRow); }

int CMembLoadAssignGrid::DeleteRecords(CUIntArray& rows) {
  CClassMbld* mbld = Mbld();
  if (rows.IsEmpty()) return 1;
  if (!mbld) return 0;
  const ROWCOL keyCol = GetColumnNoFor(COL_KEY);
  CUIntArray keys;
  for (UINT r : rows)
    if (UINT k = (UINT)std::atol(GetValueRowColBeforeEdit(r, keyCol).c_str())) keys.Add(k);
  return keys.IsEmpty() ? 1 : mbld->TR_Del(keys);
}

int CMembLoadAssignGrid::DeleteRecord(ROWCOL nRow) {
  CClassMbld* mbld = Mbld();
  UINT key = 0;
  T_MBLD_D rec;
  if (!mbld || !ReadRow(nRow, key, rec)) return 0;
  key = mbld->GetKey(rec.nameKey, rec.plan);
  return key ? mbld->TR_Del(key) : 1;
}

CString CMembLoadAssignGrid::GetNewKeyString() {
  CString s;
  CClassMbld* mbld = Mbld();
  s.Format("%d", (int)(mbld ? mbld->GetNewKey() : 1));
  return s;
}

CString CMembLoadAssignGrid::GetDefaultValue(int n) { return n >= 0 && n < m_defaults.GetSize() ? m_defaults[n] : CString(); }

int CMembLoadAssignGrid::NewRecordFromStrings(CStringArray& strings, CUIntArray& map, CPtrArray& keys,
                                              CPtrArray& records) {
  UINT* key = new UINT(0);
  T_MBLD_D* rec = new T_MBLD_D();
  rec->Initialize();
  keys.Add(key);
  records.Add(rec);
  return StringsToRecord(strings, map, *key, *rec);
}

int CMembLoadAssignGrid::FreeNewRecords(CPtrArray& keys, CPtrArray& records) {
  const int n = (int)records.GetSize();
  for (void* p : keys) delete static_cast<UINT*>(p);
  for (void* p : records) delete static_cast<T_MBLD_D*>(p);
  keys.RemoveAll();
  records.RemoveAll();
  return n;
}

int CMembLoadAssignGrid::ValidateField(LPCTSTR text, int index) {
  if (index != COL_LOAD || index >= GetColInfoCount()) return 0;
  if (LoadTypeOfText(text) >= 0) return 1;
  SetWarningText(Load("IDS_CMD_MEMB_Load_Type_Not_Found"));
  return 0;
}

int CMembLoadAssignGrid::ValidateRecord(CStringArray& strings, CUIntArray& map) {
  const CString text = StringAt(strings, map, COL_LOAD);
  if (text.IsEmpty()) {
    SetWarningText(GetColTitle(COL_LOAD) + Load("IDS_TB_SPTS__has_not_been_entered_"));
    return 0;
  }
  return ValidateField(text, COL_LOAD);
}

int CMembLoadAssignGrid::StringsToRecord(CStringArray& strings, CUIntArray& map, UINT& key, T_MBLD_D& rec) {
  if (!ValidateRecord(strings, map)) return 0;
  key = (UINT)std::atol(StringAt(strings, map, COL_KEY).c_str());
  rec.nameKey = (UINT)std::atol(StringAt(strings, map, COL_NAMEK).c_str());
  rec.plan = (UINT)std::atol(StringAt(strings, map, COL_PLANK).c_str());
  rec.loadType = (UINT)LoadTypeOfText(StringAt(strings, map, COL_LOAD));
  return 1;
}

// ---- look and framework upkeep ------------------------------------------------------------

void CMembLoadAssignGrid::Initialize() {
  CTBCommon::Initialize();
  const BOOL wasLocked = LockUpdate(TRUE);
  SetHeaderTitle(1, 0);
  ChangeStandardStyle(CGXStyle().SetFontSize(9));
  ChangeColHeaderStyle(CGXStyle().SetFontWeight(400));
  const CGXStyle fixed = CGXStyle().SetReadOnly(TRUE).SetControl(GX_IDS_CTRL_STATIC);
  for (int i = COL_KEY; i < COL_LOAD; ++i) SetStyleRange(CGXRange().SetCols(GetColumnNoFor(i)), fixed);
  for (int i : {(int)COL_KEY, (int)COL_NAMEK, (int)COL_PLANK}) {
    const ROWCOL c = GetColumnNoFor(i);
    HideColsByIntend(c, c, TRUE);
  }
  RefreshLoadTypeChoices(LOAD_GRID_COL);
  MakeItemEx(nullptr, -2, 0);
  SetRowHeight(0, 0, kHeaderHeight);
  SetColWidth(0, 0, kRowHeaderWidth);
  for (int i = 0; i < COL_COUNT; ++i) SetColWidth(GetColumnNoFor(i), GetColumnNoFor(i), kColumns[i].width);
  LockUpdate(wasLocked);
  if (!wasLocked) Redraw();
}

// The framework locks the Load Type cell of an append row; this grid has none to lock.
void CMembLoadAssignGrid::AdjustAppendRowNo() {
  CTBCommon::AdjustAppendRowNo();
  if (!IsAppendRowEnabled()) return;
  SetStyleRange(CGXRange(GetAppendRowNo(), LOAD_GRID_COL), CGXStyle().SetReadOnly(TRUE).SetValue(""));
}

BOOL CMembLoadAssignGrid::Copy() {
  const CGXRangeList saved = GetSelectionList();
  for (ROWCOL r = 1; r <= GetRowCount(); ++r)
    if (IsRowHidden(r)) SelectRange(CGXRange().SetRows(r), FALSE);
  // Nothing shown left selected: nothing to copy (not the current cell instead).
  const BOOL ok = saved.empty() || !GetSelectionList().empty() ? CGXGridWnd::Copy() : FALSE;
  ClearSelection();
  for (const CGXRange& r : saved) SelectRange(r);
  return ok;
}
