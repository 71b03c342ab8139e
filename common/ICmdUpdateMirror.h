// A mirror of one or more tables inside a window (a grid, a list, a summary) that follows
// the model by replaying a transaction's update records. The window's update dispatch
// (CCmdUpdateDispatch) walks the list once and hands each mirror, in list order, the
// entries of the tables it follows: BeginReplay before its first entry, ReplayEntry for
// each, EndReplay once the walk is done (in the order the mirrors were added). A mirror
// gathers in ReplayEntry and changes what it shows in EndReplay, so that the whole
// transaction is applied at once (incrementally, or by one refill).
#pragma once
#include "db/DB_CDataBase.h"

class ICmdUpdateMirror {
 public:
  virtual ~ICmdUpdateMirror() = default;
  virtual void BeginReplay(const DB_CDataBase& db) = 0;
  virtual void ReplayEntry(const DB_CDataBase& db, const DB_CUpdateRecord& entry) = 0;
  virtual void EndReplay(const DB_CDataBase& db) = 0;
};
