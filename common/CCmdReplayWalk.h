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
// Any step may be left empty.
//
// CCmdReplayFeed takes the entries one at a time (the update dispatch walks the list once
// for every mirror of a window); CmdReplayWalk walks a whole list through one feed and
// answers the number of entries of the table.
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
class CCmdReplayFeed {
 public:
  CCmdReplayFeed(UINT classId, const CCmdReplaySteps<Rec>& steps)
      : m_add(DB_UR_CODE(classId, DB_UR_ADD)),
        m_del(DB_UR_CODE(classId, DB_UR_DEL)),
        m_mfd(DB_UR_CODE(classId, DB_UR_MFD)),
        m_mfs(DB_UR_CODE(classId, DB_UR_MFS)),
        m_steps(steps) {}

  // One entry of the list, in order; 1 when it is an entry of the table.
  int Feed(const DB_CDataBase& db, const DB_CUpdateRecord& u) {
    const int code = u.m_nCode;
    if (code != m_add && code != m_del && code != m_mfd && code != m_mfs) {
      if (m_steps.other) m_steps.other(code, u.m_nKey);
      return 0;
    }
    if (code == m_mfd) {
      db.ReadUpdateImage(&u, m_kept);
      return 1;
    }
    if (!db.ReadUpdateImage(&u, m_image)) return 1;
    if (code == m_add) {
      if (m_steps.add) m_steps.add(m_image.m_nKey, m_image.m_Data);
    } else if (code == m_del) {
      if (m_steps.del) m_steps.del(m_image.m_nKey, m_image.m_Data);
    } else if (m_steps.modify) {
      m_steps.modify(m_kept.m_nKey, m_kept.m_Data, m_image.m_nKey, m_image.m_Data);
    }
    return 1;
  }

 private:
  const int m_add, m_del, m_mfd, m_mfs;
  const CCmdReplaySteps<Rec>& m_steps;
  DB_CDataImage<Rec> m_image, m_kept;
};

template <class Rec>
int CmdReplayWalk(const DB_CDataBase& db, UINT classId, const CCmdReplaySteps<Rec>& steps) {
  CCmdReplayFeed<Rec> feed(classId, steps);
  int own = 0;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) own += feed.Feed(db, *u);
  return own;
}
