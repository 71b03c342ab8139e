// The walk every mirror of a table makes over a transaction's update-record list: the
// entries strictly in list order; an MFD image stays in hand until its MFS arrives.
//
//   add(key, record)        an ADD entry of the table: the new record
//   del(key, record)        a DEL entry: the deleted record
//   modify(mfdKey, mfdRecord, mfsKey, mfsRecord)
//                           an MFS entry, with the MFD kept before it (the record after
//                           the change, with its key after the change) and its own image
//                           (the record as it was, the key before the change)
//   other(code, key)        an entry of another table (codes only, no image)
// Any step may be left empty. The result is the number of entries of the table.
#pragma once
#include <functional>
#include "db/DB_CData.h"
#include "db/DB_CDataBase.h"

template <class Rec>
struct CCmdReplaySteps {
  std::function<void(UINT, const Rec&)> add;
  std::function<void(UINT, const Rec&)> del;
  std::function<void(UINT, const Rec&, UINT, const Rec&)> modify;
  std::function<void(int, UINT)> other;
};

template <class Rec>
int CmdReplayWalk(const DB_CDataBase& db, UINT classId, const CCmdReplaySteps<Rec>& steps) {
  const int addCode = DB_UR_CODE(classId, DB_UR_ADD), delCode = DB_UR_CODE(classId, DB_UR_DEL);
  const int mfdCode = DB_UR_CODE(classId, DB_UR_MFD), mfsCode = DB_UR_CODE(classId, DB_UR_MFS);
  DB_CDataImage<Rec> image, kept;
  int own = 0;
  POSITION pos = db.GetFirstUpdatePosition();
  while (pos) {
    const DB_CUpdateRecord* u = db.GetNextUpdate(pos);
    if (!u) break;
    const int code = u->m_nCode;
    if (code != addCode && code != delCode && code != mfdCode && code != mfsCode) {
      if (steps.other) steps.other(code, u->m_nKey);
      continue;
    }
    ++own;
    if (code == mfdCode) {
      db.ReadUpdateImage(u, kept);
      continue;
    }
    if (!db.ReadUpdateImage(u, image)) continue;
    if (code == addCode) {
      if (steps.add) steps.add(image.m_nKey, image.m_Data);
    } else if (code == delCode) {
      if (steps.del) steps.del(image.m_nKey, image.m_Data);
    } else if (steps.modify) {
      steps.modify(kept.m_nKey, kept.m_Data, image.m_nKey, image.m_Data);
    }
  }
  return own;
}
