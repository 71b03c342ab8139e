// `file PATH|cancel`: answers that only file dialogs take, in order, before any dialog
// script.
#include <gtest/gtest.h>

#include <sstream>

#include "afx/AfxScript.h"
#include "afx/CFileDialog.h"
#include "host/CScenarioRunner.h"

namespace {

TEST(FileCommand, AnswersGoToFileDialogsOnlyInOrder) {
  CScenarioRunner runner;
  std::ostringstream out;
  ASSERT_TRUE(runner.RunText("t.scn", "file models/a.zel\nfile cancel\n", out).IsOk()) << out.str();
  int otherTaken = 0;
  AfxQueueDialogScript([&](CDialog&) { ++otherTaken; });
  CFileDialog first(TRUE, "zel");
  EXPECT_EQ(first.DoModal(), IDOK);
  EXPECT_EQ(first.GetPathName(), "models/a.zel");
  CFileDialog second(TRUE, "zel");
  EXPECT_EQ(second.DoModal(), IDCANCEL);
  EXPECT_EQ(otherTaken, 0) << "the other dialog's script stays queued";
  EXPECT_EQ(AfxGetQueuedScriptCount(), 1);
  AfxClearScriptQueue();
  EXPECT_EQ(AfxGetQueuedFileAnswerCount(), 0);
}

}  // namespace
