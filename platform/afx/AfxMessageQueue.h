// The process's message queue, registered window messages, and the path a message takes in
// a message loop (pre-translation up the window tree, then dispatch).
//
// PostMessage queues; nothing is delivered until the queue is pumped: by AfxPumpMessages
// (the host's `pump`, tests), by a modal dialog before it hands itself to its script and
// after each user action of the driver while a modal dialog runs. Each delivered message
// first goes through AfxPreTranslateMessage, as in the class library's message loop; then
// windows marked for painting are painted.
#pragma once
#include "afx/AfxWinDefs.h"

// Delivers every queued message, also those posted while pumping; then paints what is
// marked for painting. Returns the number of messages delivered.
int AfxPumpMessages();
// Number of messages waiting.
int AfxGetQueuedMessageCount();
// Drops every waiting message (tests start clean with it).
void AfxDiscardQueuedMessages();
// The queued messages, oldest first (for inspection).
int AfxGetQueuedMessage(int index, MSG* out);

// Offers msg to PreTranslateMessage of the window it is for, then of each parent up to
// its top-level window; TRUE when one consumed it.
BOOL AfxPreTranslateMessage(MSG* pMsg);
// What a message loop does with one message: pre-translation, else dispatch to its window.
void AfxDispatchMessage(MSG* pMsg);

// The id of the registered message of that name: the same for the same name (letter case
// ignored) for the life of the process, from 0xC000 on. 0 for an empty name.
UINT RegisterWindowMessage(LPCTSTR lpString);
#define RegisterWindowMessageA RegisterWindowMessage
