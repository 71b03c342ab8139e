// The record side of an outline-style dialog (COutLineDlgBase) over one table TTable
// (CClassOtln, CClassLwrd...) whose records carry lead, start and end story and points,
// and a name when the record has one. Each record operation is one transaction; without
// the model database every one fails and the list reads empty.
#pragma once
#include <vector>
#include "loads/COutLineDlgBase.h"

template <class TTable>
class COutLineTableDlg : public COutLineDlgBase {
 public:
  using Rec = typename TTable::Rec;

  COutLineTableDlg(UINT nIDTemplate, CWnd* pParent, const Column* cols, int nCols)
      : COutLineDlgBase(nIDTemplate, pParent, cols, nCols) {}

 protected:
  UINT GetTableID() const override { return TTable::m_nClassID; }

  void ReadList(CUIntArray& keys, std::vector<T_WIND_RANGE>& recs) const override {
    recs.clear();
    CArray<Rec> list;
    keys.RemoveAll();
    if (const TTable* t = Table()) t->GetList(keys, list);
    for (const Rec& r : list) recs.push_back(ToRange(r));
  }
  BOOL ReadRecord(UINT key, T_WIND_RANGE& rec) const override {
    Rec r;
    const TTable* t = Table();
    if (!t || !t->Get(key, r)) return FALSE;
    rec = ToRange(r);
    return TRUE;
  }
  BOOL AddRecord(const T_WIND_RANGE& rec) override {
    TTable* t = Table();
    return t && t->TR_Add(ToRec(rec));
  }
  BOOL ModifyRecord(UINT key, const T_WIND_RANGE& rec) override {
    TTable* t = Table();
    Rec r = ToRec(rec);
    r.key = key;
    return t && t->TR_Modify(key, r);
  }
  BOOL DeleteRecords(const CUIntArray& keys) override {
    TTable* t = Table();
    return t && t->TR_Del(keys);
  }

 private:
  TTable* Table() const { return ModelTable<TTable>(); }
  // Copies the shared fields either way; the name only where both sides have one.
  template <class From, class To>
  static void CopyFields(const From& from, To& to) {
    to.lead = from.lead;
    if constexpr (requires { from.name; to.name; }) to.name = from.name;
    to.startStory = from.startStory;
    to.endStory = from.endStory;
    to.points.Copy(from.points);
  }
  static T_WIND_RANGE ToRange(const Rec& r) {
    T_WIND_RANGE w;
    CopyFields(r, w);
    return w;
  }
  static Rec ToRec(const T_WIND_RANGE& w) {
    Rec r;
    CopyFields(w, r);
    return r;
  }
};
