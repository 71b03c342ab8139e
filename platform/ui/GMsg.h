// Texts from text keys with values, and lines for the application's message window.
//
// A text key whose suffix names placeholders ("..._g_s": a %g then a %s) resolves, through
// CMsgDll::pfuncLoadStr, to a printf format taking those values in that order; the caller
// passes values of exactly those kinds. The formatted text is cut at 4095 bytes.
#pragma once
#include "afx/CString.h"

class CWnd;

// The text of key, formatted with the values that follow.
CString GMakeMsg(LPCTSTR key, ...);
// Appends one line to the application's message window (CMsgDll::pfuncMsgOut).
void GMsgOut(LPCTSTR text);
// GMsgOut of GMakeMsg: the key's text used as a printf format with the values.
void GMsgOutFormatNF(LPCTSTR key, ...);
// The text of key, as it stands, to the message window. The flag and the window are taken
// as callers pass them (0 and none) and change nothing here: the line goes to the one
// message window the application has.
void GMsgOutNF(LPCTSTR key, int nFlag = 0, CWnd* pWnd = nullptr);
