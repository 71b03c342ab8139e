// A fresh document per test, its level tables, and a listener that records what it is
// told and the update list it sees at that moment.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "db/CClassGrnd.h"
#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"

struct SeenUpdate {
  int code;
  UINT key;
  std::string name;  // the image's name, when the image has one
  bool operator==(const SeenUpdate& o) const { return code == o.code && key == o.key && name == o.name; }
};
inline std::ostream& operator<<(std::ostream& os, const SeenUpdate& u) {
  return os << "{" << u.code << "," << u.key << "," << u.name << "}";
}

class RecordingListener : public DB_CUpdateListener {
 public:
  int calls = 0;
  LPARAM lastHint = -1;
  UINT lastDB = 0;
  std::vector<SeenUpdate> seen;  // the list at the last call
  std::function<void()> onCall;

  void OnUpdate(CView*, LPARAM hint, CObject* pHint) override {
    ++calls;
    lastHint = hint;
    auto* h = dynamic_cast<T_UPDATE_HINT*>(pHint);
    lastDB = h ? h->m_nDBID : 0;
    seen.clear();
    DB_CDataBase* db = GetConnectedDB();
    POSITION pos = db->GetFirstUpdatePosition();
    while (pos) {
      const DB_CUpdateRecord* r = db->GetNextUpdate(pos);
      SeenUpdate u{r->m_nCode, r->m_nKey, ""};
      CDataMdul m; CDataPlan p; CDataStor s;
      if (db->ReadUpdateImage(r, m)) u.name = m.m_Data.name.c_str();
      else if (db->ReadUpdateImage(r, p)) u.name = p.m_Data.name.c_str();
      else if (db->ReadUpdateImage(r, s)) u.name = s.m_Data.name.c_str();
      seen.push_back(u);
    }
    if (onCall) onCall();
  }
};

class DbTest : public ::testing::Test {
 public:
  void SetUp() override {
    doc = std::make_unique<CDBDoc>();
    db = doc->GetModelDB();
    mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
    plan = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
    stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    grnd = static_cast<CClassGrnd*>(db->GetClass(CClassGrnd::m_nClassID));
    mctl = static_cast<CClassMctl*>(db->GetClass(CClassMctl::m_nClassID));
  }
  static T_MDUL_D Tower(const char* name, UINT key = 0) {
    T_MDUL_D t;
    t.key = key;
    t.name = name;
    return t;
  }
  static T_PLAN_D Plan(const char* name, UINT key = 0) {
    T_PLAN_D p;
    p.key = key;
    p.name = name;
    return p;
  }
  static T_STOR_D Story(const char* name, UINT tower = 1, double h = 3.0, UINT key = 0) {
    T_STOR_D s;
    s.key = key;
    s.name = name;
    s.mdulKey = tower;
    s.planKey = 1;
    s.height = h;
    return s;
  }
  template <class T> static CArray<T> Arr(std::initializer_list<T> l) {
    CArray<T> a;
    for (const T& x : l) a.Add(x);
    return a;
  }
  static CUIntArray Keys(std::initializer_list<UINT> l) {
    CUIntArray a;
    for (UINT k : l) a.Add(k);
    return a;
  }
  template <class Table> static std::vector<UINT> KeyList(Table* t) {
    CUIntArray k;
    t->GetKeyList(k);
    return std::vector<UINT>(k.begin(), k.end());
  }
  // Names in sequence order.
  template <class Table> static std::string Names(Table* t) {
    CUIntArray k;
    t->GetKeyList(k);
    std::string s;
    for (UINT key : k) {
      typename Table::Rec r;
      t->Get(key, r);
      if (!s.empty()) s += ",";
      s += r.name.c_str();
    }
    return s;
  }

  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassMdul* mdul = nullptr;
  CClassPlan* plan = nullptr;
  CClassStor* stor = nullptr;
  CClassGrnd* grnd = nullptr;
  CClassMctl* mctl = nullptr;
};
