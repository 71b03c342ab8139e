// The update dispatch of a window that holds several mirrors of tables (a page with
// several grids, a dialog with lists and summaries): the window's typed hook
// (CDBUpdateConnector::OnDBUpdate) hands it the database that changed, and it walks that
// database's update-record list once. Each entry goes, in list order, to every replaying
// mirror (ICmdUpdateMirror) that follows the entry's table; after the walk each mirror
// that met an entry of its tables ends its replay, or is refreshed, once, in the order the
// mirrors were added, followed by its "after" step.
#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>
#include "common/ICmdUpdateMirror.h"
#include "db/DB_CDataBase.h"

class CCmdUpdateDispatch {
 public:
  using Refresh = std::function<void()>;

  // A replaying mirror fed the entries (ADD, DEL, MFD or MFS) of these tables; `after`
  // (may be empty) runs after its EndReplay. At most 64 tables over all mirrors.
  void AddMirror(std::initializer_list<UINT> classIds, ICmdUpdateMirror* mirror, Refresh after = {});
  // A mirror refreshed once when the list holds an entry of any of these tables.
  void AddMirror(std::initializer_list<UINT> classIds, Refresh refresh);
  void RemoveAll() { m_mirrors.clear(); m_classes.clear(); }
  int GetMirrorCount() const { return (int)m_mirrors.size(); }

  // Walks the list of db once (see above); the number of mirrors that met an entry of
  // their tables. 0 for an empty list.
  int Dispatch(const DB_CDataBase& db);

 private:
  struct Mirror {
    uint64_t mask = 0;
    ICmdUpdateMirror* replay = nullptr;
    Refresh refresh;  // the refresh of a plain mirror; the after step of a replaying one
  };
  int ClassIndex(UINT classId) const;
  uint64_t Mask(std::initializer_list<UINT> classIds);
  std::vector<Mirror> m_mirrors;
  std::vector<UINT> m_classes;
};
