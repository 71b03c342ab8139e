// The wait cursor: shown from construction to destruction, also when an exception unwinds
// the scope. Nested ones show one cursor. The application's cursor state is two counts:
// how many are open now and how many were ever opened.
#pragma once

class CWaitCursor {
 public:
  CWaitCursor() {
    ++s_nDepth;
    ++s_nShown;
  }
  ~CWaitCursor() { --s_nDepth; }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  static int GetDepth() { return s_nDepth; }
  static int GetShownCount() { return s_nShown; }

 private:
  static inline int s_nDepth = 0;
  static inline int s_nShown = 0;
};
