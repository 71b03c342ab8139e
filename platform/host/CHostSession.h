// The state a scenario run shares between its commands: the host application, the output,
// the current document and dialog, the last result, the message-log mark for
// `expect nomessage`, and slots where any command file keeps state of its own.
#pragma once
#include <memory>
#include <ostream>
#include <typeindex>
#include <unordered_map>
#include "afx/afx.h"
#include "host/CScenarioStatus.h"

class CHostApp;
class CScenarioRunner;
class CDBDoc;
class CDialog;

class CHostSession {
 public:
  CHostSession(CHostApp& app, std::ostream& out, CScenarioRunner& runner)
      : m_app(app), m_out(out), m_runner(runner) {}
  CHostSession(const CHostSession&) = delete;
  CHostSession& operator=(const CHostSession&) = delete;

  CHostApp& App() const { return m_app; }
  std::ostream& Out() const { return m_out; }
  CScenarioRunner& Runner() const { return m_runner; }

  // The current document (set by the model commands) and the current dialog (set by the
  // dialog commands); NULL when there is none.
  CDBDoc* m_pDoc = nullptr;
  CDialog* m_pDialog = nullptr;

  // Records and prints "result N".
  void SetResult(int n);
  BOOL HasResult() const { return m_bHasResult; }
  int GetResult() const { return m_nResult; }

  // Called by every command that opens or acts on a dialog or in the view, before it acts:
  // `expect nomessage` looks at the message boxes after the last mark, `expect nocommand`
  // at the commands to the main window after it.
  void MarkDialogAction();
  int GetMessageMark() const { return m_nMessageMark; }
  int GetCommandMark() const { return m_nCommandMark; }

  // A failed expect or bad line met where no status can be returned (inside a dialog's
  // script, under DoModal). The first one is kept; the runner reports it after the line
  // that is running.
  void SetPendingStatus(const CScenarioStatus& s) {
    if (m_pending.IsOk()) m_pending = s;
  }
  BOOL HasPendingStatus() const { return !m_pending.IsOk(); }
  CScenarioStatus TakePendingStatus() {
    CScenarioStatus s = m_pending;
    m_pending = CScenarioStatus();
    return s;
  }

  // The first line that could not write its file (CScenarioContext::CannotWrite); the
  // runner ends the run with it when everything else held.
  void SetWriteFailure(const CScenarioStatus& s) {
    if (m_writeFailure.IsOk()) m_writeFailure = s;
  }
  const CScenarioStatus& GetWriteFailure() const { return m_writeFailure; }

  // A slot of state per type, made on first use and kept for the session:
  //   struct CDialogState { ... };  session.Slot<CDialogState>().m_nDepth++;
  template <class T>
  T& Slot() {
    auto& p = m_slots[std::type_index(typeid(T))];
    if (!p) p = std::shared_ptr<void>(new T(), [](void* q) { delete static_cast<T*>(q); });
    return *static_cast<T*>(p.get());
  }

 private:
  CHostApp& m_app;
  std::ostream& m_out;
  CScenarioRunner& m_runner;
  BOOL m_bHasResult = FALSE;
  int m_nResult = 0;
  int m_nMessageMark = 0;
  int m_nCommandMark = 0;
  CScenarioStatus m_pending;
  CScenarioStatus m_writeFailure;
  std::unordered_map<std::type_index, std::shared_ptr<void>> m_slots;
};
