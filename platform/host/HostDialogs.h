// The current dialog of a scenario session, for the commands that act on it.
//
// The session's m_pDialog is set by `modal` (the dialog its block acts on), `modeless` (the
// dialog it opened) and `with`. A modeless dialog may end while it is current (its Close
// button, `close`, a document ending): HostGetCurrentDialog checks that the dialog still has
// a window before handing it out, and clears m_pDialog when it has none. Commands use it
// instead of reading m_pDialog.
#pragma once
#include "afx/CDialog.h"

class CHostSession;

CDialog* HostGetCurrentDialog(CHostSession& session);
