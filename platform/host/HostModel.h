// The current document of a scenario session, for lines of other files that need a model:
// a new model (with its model view) when there is none.
#pragma once

class CDBDoc;
class CScenarioContext;
class CHostSession;

CDBDoc& HostModelDoc(CScenarioContext& ctx);
// From the first document on, the session prints each dock bar the module opens
// (`dockbar MODE PARAM`) and keeps the last for `expect dockbar`.
void HostInstallDockBars(CHostSession& session);
