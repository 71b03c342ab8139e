// A small frame for the selection windows: the sample model (towers 1 and 2; stories 3
// "1F" and 4 "2F" of tower 1 on standard floor 3, story 9 "3F" of tower 2 on standard
// floor 6; materials 1 C30 to 6 C40/Q355; sections 1 to 3; thicknesses 1 and 2) with
//   points 1..6 on story 3, 7 and 8 on story 9 (numbered as keyed);
//   members 1 beam 201 (1,2) sect 1 matl 1; 2 beam 201 (2,3) sect 2 matl 3;
//           3 column 101 (1,4) sect 1 matl 3; 4 wall 202 (3,4) thik 1 matl 1;
//           5 slab 301 (4,5,6) thik 2 matl 2; 6 brace 205 (7,8) sect 3 matl 4, story 9,
//           numbered 60;
//   groups 1 "G1" {points 1, 2; member 1}, 2 "Empty" {}, 3 "G3" {member 6}.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageQueue.h"
#include "db/CClassGrup.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "host/CHostApp.h"

class SelectFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    db = doc->GetModelDB();
    auto* pont = Table<CClassPont>();
    auto* memb = Table<CClassMemb>();
    CArray<T_PONT_D> ps;
    for (UINT k = 1; k <= 8; ++k) {
      T_PONT_D p;
      p.key = k;
      p.x = k <= 6 ? (k - 1) % 3 * 6.0 : (k - 7) * 6.0;
      p.y = k <= 6 ? (k - 1) / 3 * 6.0 : 0.0;
      p.storyKey = k <= 6 ? 3 : 9;
      ps.Add(p);
    }
    ASSERT_TRUE(pont->TR_Add(ps));
    struct M { int type; std::vector<UINT> pts; UINT sect, thik, matl, story, number; };
    const M ms[] = {{201, {1, 2}, 1, 0, 1, 3, 0}, {201, {2, 3}, 2, 0, 3, 3, 0}, {101, {1, 4}, 1, 0, 3, 3, 0},
                    {202, {3, 4}, 0, 1, 1, 3, 0}, {301, {4, 5, 6}, 0, 2, 2, 3, 0}, {205, {7, 8}, 3, 0, 4, 9, 60}};
    CArray<T_MEMB_D> recs;
    UINT key = 0;
    for (const M& m : ms) {
      T_MEMB_D r;
      r.key = ++key;
      r.type = m.type;
      for (UINT p : m.pts) r.points.Add(p);
      r.sectKey = m.sect, r.thikKey = m.thik, r.matlKey = m.matl, r.storyKey = m.story, r.number = m.number;
      recs.Add(r);
    }
    ASSERT_TRUE(memb->TR_Add(recs));
    auto* grup = Table<CClassGrup>();
    T_GRUP_D g;
    g.name = "G1";
    g.points.Add(1), g.points.Add(2), g.members.Add(1);
    ASSERT_TRUE(grup->TR_Add(g));
    g = T_GRUP_D();
    g.name = "Empty";
    ASSERT_TRUE(grup->TR_Add(g));
    g = T_GRUP_D();
    g.name = "G3";
    g.members.Add(6);
    ASSERT_TRUE(grup->TR_Add(g));
  }
  void TearDown() override {
    AfxDiscardQueuedMessages();
    doc.reset();
    app.reset();
  }
  template <class T> T* Table(DB_CDataBase* d = nullptr) {
    return static_cast<T*>((d ? d : db)->GetClass(T::m_nClassID));
  }
  DB_CDataBase* Post() { return doc->GetMDBCtrl()->GetDBPost(); }
  static CUIntArray Keys(std::initializer_list<UINT> l) {
    CUIntArray a;
    for (UINT k : l) a.Add(k);
    return a;
  }
  static std::string Str(const CUIntArray& a) {
    std::string s;
    for (UINT k : a) s += (s.empty() ? "" : ",") + std::to_string(k);
    return s.empty() ? "-" : s;
  }
  // The selected keys of a kind, ascending, "-" for none.
  std::string Sel(CViewCtrl::Kind kind, DB_CDataBase* d = nullptr) {
    CUIntArray a;
    const CViewCtrl* vc = (d ? d : db)->GetViewCtrl();
    switch (kind) {
      case CViewCtrl::PONT: vc->GetAllSelectedPont(a); break;
      case CViewCtrl::MEMB: vc->GetAllSelectedMemb(a); break;
      case CViewCtrl::PNODE: vc->GetAllSelectedPNode(a); break;
      default: vc->GetAllSelectedPMemb(a); break;
    }
    std::sort(a.begin(), a.end());
    return Str(a);
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
};
