// The behaviour of the window classes: what a window does with a message its C++ object
// leaves to the default (CWnd::DefWindowProc), and the pieces of control behaviour that the
// control classes and the user-action driver share.
#pragma once
#include <vector>
#include "afx/AfxWndState.h"

LRESULT AfxControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The text a window shows: a drop-list combo box shows its selected item.
CString AfxWndText(const AfxWndState* w);
// Sets the text of a combo box's edit part (drop-down) or of an edit, optionally with the
// EN_UPDATE/EN_CHANGE (edit) or CBN_EDITUPDATE/CBN_EDITCHANGE (combo) notifications.
void AfxSetEditText(HWND h, const CString& text, bool notify);
// Clicks a button as the mouse does: an automatic check box toggles, an automatic radio
// button is checked and the other automatic radio buttons of its group unchecked; then
// BN_CLICKED goes to the parent.
void AfxButtonClick(HWND h);
// The windows of the radio group of h (from the previous WS_GROUP sibling to the next).
std::vector<HWND> AfxRadioGroup(HWND h);
// Index of the first item from start + 1 (wrapping; start -1 for all) whose text begins
// with text (exact: equals it), compared without letter case; -1 when none.
int AfxFindItem(const std::vector<AfxItem>& items, int start, const char* text, bool exact);
// Position of a new item in a sorted list (compared without letter case).
int AfxSortedInsertPos(const std::vector<AfxItem>& items, const char* text);
// Byte length a text has in the double-byte encoding (ASCII 1, any other character 2).
int AfxMbcsLength(const CString& s);
// Replaces the selection of an edit as typing does: ES_NUMBER keeps only digits,
// ES_UPPERCASE/ES_LOWERCASE convert, and what would pass the text limit (counted as the
// double-byte encoding) is dropped; EN_UPDATE and EN_CHANGE follow.
void AfxEditReplaceSel(HWND h, const char* text);
