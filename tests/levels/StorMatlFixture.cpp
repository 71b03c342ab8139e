#include "tests/levels/StorMatlFixture.h"

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "db/DB_CDataBase.h"

void CMatlTransactionCounter::OnUpdate(CView*, LPARAM, CObject*) {
  ++transactions;
  lastCodes.clear();
  DB_CDataBase* pDB = GetConnectedDB();
  if (!pDB || !pDB->HasUpdateRecords()) return;
  POSITION pos = pDB->GetFirstUpdatePosition();
  int code = 0;
  UINT key = 0;
  while (pos && pDB->GetNextUpdate(pos, code, key)) lastCodes.push_back(code);
}

void StorMatlTest::SetUp() {
  app = std::make_unique<CHostApp>();
  app->GetStrings().Set("IDS_WG_CMD_STORY_MATL_C30", "C30");
  app->GetStrings().Set("IDS_WG_CMD_STORY_MATL_Q235", "Q235");
  app->GetStrings().Set("IDS_WG_CMD_STORY_MATL_C40_Q345", "C40/Q345");
  doc = std::make_unique<CDBDoc>();
  DB_CDataBase* db = doc->GetModelDB();
  mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
  stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  matl = static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID));
  c40 = AddMatl("C40", "C");  // before C30: the first concrete is not the fallback grade
  c30 = AddMatl("C30", "C");
  q355 = AddMatl("Q355", "S");
  q235 = AddMatl("Q235", "S");
  src = AddMatl("C50/Q390", "SRC");
  T_MDUL_D t;
  t.name = "East";
  ASSERT_TRUE(mdul->TR_Add(t));
  east = mdul->GetKey("East");
  CArray<T_STOR_D> main, other;
  for (const char* n : {"1F", "2F", "3F"}) {
    T_STOR_D s;
    s.name = n;
    s.mdulKey = CClassMdul::MAIN_TOWER;
    s.planKey = 1;
    main.Add(s);
  }
  for (const char* n : {"E1F", "E2F"}) {
    T_STOR_D s;
    s.name = n;
    s.mdulKey = east;
    s.planKey = 1;
    other.Add(s);
  }
  ASSERT_TRUE(stor->TR_Add(main));
  ASSERT_TRUE(stor->TR_Add(other));
  AfxClearMessageLog();
  counter.ConnectDB(db);
}

void StorMatlTest::TearDown() {
  AfxClearScriptQueue();
  counter.DisconnectDB();
  doc.reset();
  app.reset();
}

UINT StorMatlTest::AddMatl(const char* name, const char* type) {
  T_MATL_D m;
  m.name = name;
  m.type = type;
  EXPECT_TRUE(matl->TR_Add(m));
  return matl->GetKey(name);
}

std::vector<UINT> StorMatlTest::StoriesTopFirst(UINT tower) {
  CUIntArray keys;
  stor->GetKeyListReverse(keys, tower);
  return std::vector<UINT>(keys.begin(), keys.end());
}

T_STOR_D StorMatlTest::Story(UINT key) {
  T_STOR_D s;
  stor->Get(key, s);
  return s;
}

std::string StorMatlTest::Text(const char* key) { return app->LoadStr(key); }

std::string StorMatlTest::LastMessage() {
  const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
  return m ? m->text.c_str() : "";
}
