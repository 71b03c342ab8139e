#include "afx/AfxScript.h"

#include <algorithm>
#include <deque>
#include <variant>
#include <vector>

namespace {
struct Entry {
  std::variant<AFX_DIALOG_SCRIPT, int> v;
};
std::deque<Entry>& Q() {
  static std::deque<Entry>& q = *new std::deque<Entry>;
  return q;
}
std::vector<CDialog*>& Modal() {
  static std::vector<CDialog*>& m = *new std::vector<CDialog*>;
  return m;
}
}  // namespace

void AfxQueueDialogScript(AFX_DIALOG_SCRIPT script) { Q().push_back({std::move(script)}); }
void AfxQueueMessageBoxAnswer(int answer) { Q().push_back({answer}); }

int AfxGetQueuedScriptCount() {
  return (int)std::count_if(Q().begin(), Q().end(), [](const Entry& e) { return e.v.index() == 0; });
}
int AfxGetQueuedAnswerCount() { return (int)Q().size() - AfxGetQueuedScriptCount(); }

void AfxClearScriptQueue() { Q().clear(); }

BOOL AfxTakeDialogScript(AFX_DIALOG_SCRIPT& out) {
  auto& q = Q();
  auto it = std::find_if(q.begin(), q.end(), [](const Entry& e) { return e.v.index() == 0; });
  if (it == q.end()) return FALSE;
  out = std::move(std::get<0>(it->v));
  q.erase(it);
  return TRUE;
}

BOOL AfxTakeMessageBoxAnswer(int& out) {
  auto& q = Q();
  auto it = std::find_if(q.begin(), q.end(), [](const Entry& e) { return e.v.index() == 1; });
  if (it == q.end()) return FALSE;
  out = std::get<1>(it->v);
  q.erase(it);
  return TRUE;
}

int AfxGetModalDepth() { return (int)Modal().size(); }

CDialog* AfxGetModalDialog(int level) {
  auto& m = Modal();
  if (m.empty()) return nullptr;
  if (level < 0) return m.back();
  return level < (int)m.size() ? m[(size_t)level] : nullptr;
}

void AfxPushModal(CDialog* dlg) { Modal().push_back(dlg); }

void AfxPopModal(CDialog* dlg) {
  auto& m = Modal();
  auto it = std::find(m.rbegin(), m.rend(), dlg);
  if (it != m.rend()) m.erase(std::next(it).base());
}
