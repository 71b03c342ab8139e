// The drawing lock of a grid for the span of a refill or a replay: locks on construction,
// remembering whether the grid was locked; on destruction puts the lock back and, when
// the grid was not locked before, redraws it once. Nested locks therefore never unlock a
// grid that an outer caller locked, and only the outermost one redraws.
#pragma once
#include "grid/CGXGridWnd.h"

class CCmdDrawLock {
 public:
  explicit CCmdDrawLock(CGXGridWnd& grid) : m_grid(grid), m_bWasLocked(grid.LockUpdate(TRUE)) {}
  ~CCmdDrawLock() {
    m_grid.LockUpdate(m_bWasLocked);
    if (!m_bWasLocked) m_grid.Redraw();
  }
  CCmdDrawLock(const CCmdDrawLock&) = delete;
  CCmdDrawLock& operator=(const CCmdDrawLock&) = delete;
  BOOL WasLocked() const { return m_bWasLocked; }

 private:
  CGXGridWnd& m_grid;
  BOOL m_bWasLocked;
};
