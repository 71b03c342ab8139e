// The dispatch of a window that holds several mirrors of tables (a page with several
// grids, a dialog with lists): one scan of the update-record list, reading codes only,
// marks the tables it names; then each mirror whose tables were marked is refreshed
// once, in the order the mirrors were added. A mirror is refreshed with the hint object
// it is to replay (CTBCommon::UpdateBuffer and the like).
#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>
#include "afx/CObject.h"
#include "db/DB_CDataBase.h"

class CCmdUpdateDispatch {
 public:
  using Refresh = std::function<void(CObject* pHint)>;

  // A mirror refreshed when the list holds an entry (ADD, DEL, MFD or MFS) of any of
  // these tables; at most 64 tables over all mirrors.
  void AddMirror(std::initializer_list<UINT> classIds, Refresh refresh);
  void RemoveAll() { m_mirrors.clear(); m_classes.clear(); }
  int GetMirrorCount() const { return (int)m_mirrors.size(); }

  // Scans the list of pDB once; non-zero bits of the result name the tables met (by the
  // order they were first given to AddMirror). 0 for no database or an empty list.
  uint64_t Scan(const DB_CDataBase* pDB) const;
  // The tables of a mark set that a class id stands for.
  BOOL IsMarked(uint64_t marks, UINT classId) const;
  // Scan, then refresh each mirror whose tables were met, in order; the number refreshed.
  int Dispatch(const DB_CDataBase* pDB, CObject* pHint) const;

 private:
  struct Mirror {
    uint64_t mask = 0;
    Refresh refresh;
  };
  int ClassIndex(UINT classId) const;
  std::vector<Mirror> m_mirrors;
  std::vector<UINT> m_classes;
};
