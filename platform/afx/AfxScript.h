// The user's scripted part: a FIFO of scripts for modal dialogs and answers for message
// boxes, shared by nested dialogs and boxes.
//
// A modal dialog (CDialog::DoModal), once OnInitDialog has run, takes the first queued
// dialog script and calls it with itself: the script acts as the user (CUserDriver) until
// the dialog ends; if the dialog is still open when the script returns, or no script was
// queued, the dialog ends with IDCANCEL (EndDialog, OnCancel is not called). A message box
// takes the first queued answer; with none it returns its default button. Dialog scripts
// and answers are taken each by their own kind: an answer queued before a script does not
// hold the script back, and the other way round. A modal dialog opened by an action of a
// script takes the next queued script, so nested dialogs are scripted by queueing their
// scripts (from the outer script or beforehand) in the order they will open.
#pragma once
#include <functional>
#include "afx/AfxTypes.h"

class CDialog;
typedef std::function<void(CDialog& dlg)> AFX_DIALOG_SCRIPT;

void AfxQueueDialogScript(AFX_DIALOG_SCRIPT script);
void AfxQueueMessageBoxAnswer(int answer);
// Entries still waiting (scripts and answers).
int AfxGetQueuedScriptCount();
int AfxGetQueuedAnswerCount();
void AfxClearScriptQueue();

// Taken by DoModal and the message box; FALSE when none of that kind is queued.
BOOL AfxTakeDialogScript(AFX_DIALOG_SCRIPT& out);
BOOL AfxTakeMessageBoxAnswer(int& out);

// The modal dialogs running, outermost first.
int AfxGetModalDepth();
CDialog* AfxGetModalDialog(int level = -1);  // -1: the innermost; NULL when none
void AfxPushModal(CDialog* dlg);
void AfxPopModal(CDialog* dlg);
