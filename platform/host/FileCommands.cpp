// `file PATH` / `file cancel`: the answer to the next file dialog, which only a file dialog
// takes: the user names PATH (relative to the working directory) and presses OK, or
// cancels; with no answer queued a file dialog is cancelled. Inside a `modal` block the
// line is one of the user's actions, so it queues its answer at its place among them.
#include "afx/CFileDialog.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"

namespace {

CScenarioStatus File(CScenarioContext& ctx) {
  if (ctx.Word(0).Is("cancel")) AfxQueueFileAnswer(nullptr);
  else AfxQueueFileAnswer(ctx.Arg(0));
  return CScenarioStatus::Ok();
}

const CScenarioCommandRegistrar s_file("file", 1, 1, File, "PATH|cancel");

}  // namespace
