#include "common/CCmdUpdateDispatch.h"

int CCmdUpdateDispatch::ClassIndex(UINT classId) const {
  for (size_t i = 0; i < m_classes.size(); ++i)
    if (m_classes[i] == classId) return (int)i;
  return -1;
}

uint64_t CCmdUpdateDispatch::Mask(std::initializer_list<UINT> classIds) {
  uint64_t mask = 0;
  for (UINT id : classIds) {
    int i = ClassIndex(id);
    if (i < 0 && m_classes.size() < 64) {
      m_classes.push_back(id);
      i = (int)m_classes.size() - 1;
    }
    if (i >= 0) mask |= uint64_t(1) << i;
  }
  return mask;
}

void CCmdUpdateDispatch::AddMirror(std::initializer_list<UINT> classIds, ICmdUpdateMirror* mirror, Refresh after) {
  Mirror m;
  m.mask = Mask(classIds);
  m.replay = mirror;
  m.refresh = std::move(after);
  m_mirrors.push_back(std::move(m));
}

void CCmdUpdateDispatch::AddMirror(std::initializer_list<UINT> classIds, Refresh refresh) {
  Mirror m;
  m.mask = Mask(classIds);
  m.refresh = std::move(refresh);
  m_mirrors.push_back(std::move(m));
}

int CCmdUpdateDispatch::Dispatch(const DB_CDataBase& db) {
  if (!db.HasUpdateRecords()) return 0;
  uint64_t met = 0;  // by mirror: met an entry of its tables
  std::vector<bool> begun(m_mirrors.size(), false);
  UINT lastClass = 0;
  uint64_t lastBit = 0;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) {
    if (u->m_nClassID != lastClass || !lastBit) {
      const int i = ClassIndex(u->m_nClassID);
      lastClass = u->m_nClassID;
      lastBit = i < 0 ? 0 : uint64_t(1) << i;
    }
    if (!lastBit) continue;
    for (size_t m = 0; m < m_mirrors.size(); ++m) {
      Mirror& mirror = m_mirrors[m];
      if (!(mirror.mask & lastBit)) continue;
      if (m < 64) met |= uint64_t(1) << m;
      if (!mirror.replay) continue;
      if (!begun[m]) {
        mirror.replay->BeginReplay(db);
        begun[m] = true;
      }
      mirror.replay->ReplayEntry(db, *u);
    }
  }
  int n = 0;
  for (size_t m = 0; m < m_mirrors.size(); ++m) {
    if (!begun[m] && !(m < 64 && (met >> m) & 1)) continue;
    if (m_mirrors[m].replay) m_mirrors[m].replay->EndReplay(db);
    if (m_mirrors[m].refresh) m_mirrors[m].refresh();
    ++n;
  }
  return n;
}
