// The current dialog of a scenario session, for the commands that act on it.
//
// The session's m_pDialog is set by `modal` (the dialog its block acts on), `modeless` (the
// dialog it opened) and `with`. A modeless dialog may end while it is current (its Close
// button, `close`, a document ending): HostGetCurrentDialog checks that the dialog still has
// a window before handing it out, and clears m_pDialog when it has none. Commands use it
// instead of reading m_pDialog.
#pragma once
#include <functional>
#include "afx/CDialog.h"
#include "host/CScenarioStatus.h"

class CHostSession;
class CScenarioContext;

CDialog* HostGetCurrentDialog(CHostSession& session);

// A model to open dialogs on: runs the `new` line when the session has none.
CScenarioStatus HostEnsureModel(CScenarioContext& ctx);

// Runs one modal dialog with the block of ctx's line as the user, as `modal` does: queues
// the block for the next modal dialog, calls open (which builds a dialog and runs it
// modally), takes the block back off the queue when no dialog took it, and returns what
// open returned. A failed expect or bad line inside the block is left pending in the
// session. The application's own dialogs (`exported`) run through it.
int HostRunModalBlock(CScenarioContext& ctx, const std::function<int()>& open);
