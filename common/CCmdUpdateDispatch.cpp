#include "common/CCmdUpdateDispatch.h"

#include "db/DBClassIds.h"

int CCmdUpdateDispatch::ClassIndex(UINT classId) const {
  for (size_t i = 0; i < m_classes.size(); ++i)
    if (m_classes[i] == classId) return (int)i;
  return -1;
}

void CCmdUpdateDispatch::AddMirror(std::initializer_list<UINT> classIds, Refresh refresh) {
  Mirror m;
  m.refresh = std::move(refresh);
  for (UINT id : classIds) {
    int i = ClassIndex(id);
    if (i < 0 && m_classes.size() < 64) {
      m_classes.push_back(id);
      i = (int)m_classes.size() - 1;
    }
    if (i >= 0) m.mask |= uint64_t(1) << i;
  }
  m_mirrors.push_back(std::move(m));
}

uint64_t CCmdUpdateDispatch::Scan(const DB_CDataBase* pDB) const {
  if (!pDB || !pDB->HasUpdateRecords()) return 0;
  uint64_t marks = 0;
  POSITION pos = pDB->GetFirstUpdatePosition();
  int code = 0;
  UINT key = 0;
  while (pos && pDB->GetNextUpdate(pos, code, key)) {
    for (size_t i = 0; i < m_classes.size(); ++i) {
      const int first = DB_UR_CODE(m_classes[i], DB_UR_ADD), last = DB_UR_CODE(m_classes[i], DB_UR_MFS);
      if (code >= first && code <= last) {
        marks |= uint64_t(1) << i;
        break;
      }
    }
  }
  return marks;
}

BOOL CCmdUpdateDispatch::IsMarked(uint64_t marks, UINT classId) const {
  int i = ClassIndex(classId);
  return i >= 0 && (marks & (uint64_t(1) << i)) != 0;
}

int CCmdUpdateDispatch::Dispatch(const DB_CDataBase* pDB, CObject* pHint) const {
  uint64_t marks = Scan(pDB);
  if (!marks) return 0;
  int n = 0;
  for (const Mirror& m : m_mirrors) {
    if (!(m.mask & marks) || !m.refresh) continue;
    m.refresh(pHint);
    ++n;
  }
  return n;
}
