// System metrics and colours with fixed values: a 1920 x 1080 screen at 96 pixels an inch,
// 16-pixel scroll bars, a light colour scheme. Layout code that asks gets the same answer on
// every machine. An index that is not listed gives 0 (a metric) or black (a colour).
#pragma once
#include "afx/AfxGdi.h"

enum : int {
  SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
  SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CXFIXEDFRAME = 7, SM_CYDLGFRAME = 8,
  SM_CYFIXEDFRAME = 8, SM_CYVTHUMB = 9, SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12,
  SM_CXCURSOR = 13, SM_CYCURSOR = 14, SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17,
  SM_MOUSEPRESENT = 19, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_CXMIN = 28, SM_CYMIN = 29,
  SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXFRAME = 32, SM_CXSIZEFRAME = 32, SM_CYFRAME = 33,
  SM_CYSIZEFRAME = 33, SM_CXMINTRACK = 34, SM_CYMINTRACK = 35, SM_CXDOUBLECLK = 36,
  SM_CYDOUBLECLK = 37, SM_CXEDGE = 45, SM_CYEDGE = 46, SM_CXSMICON = 49, SM_CYSMICON = 50,
  SM_CYSMCAPTION = 51, SM_CXMAXTRACK = 59, SM_CYMAXTRACK = 60, SM_CXMAXIMIZED = 61,
  SM_CYMAXIMIZED = 62, SM_CXDRAG = 68, SM_CYDRAG = 69, SM_CXVIRTUALSCREEN = 78,
  SM_CYVIRTUALSCREEN = 79, SM_CMONITORS = 80,
};

enum : int {
  COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_DESKTOP = 1, COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3, COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8, COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12, COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_3DFACE = 15, COLOR_BTNSHADOW = 16,
  COLOR_3DSHADOW = 16, COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20, COLOR_BTNHILIGHT = 20, COLOR_3DHIGHLIGHT = 20, COLOR_3DHILIGHT = 20,
  COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22, COLOR_INFOTEXT = 23, COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION = 27, COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29, COLOR_MENUBAR = 30,
};

int GetSystemMetrics(int nIndex);
COLORREF GetSysColor(int nIndex);
// A solid brush of that system colour, owned by the process (never deleted by the caller).
// NULL for an index that is not listed.
HBRUSH GetSysColorBrush(int nIndex);

// The keyboard's state as the user holds it: GetKeyState is negative (high bit set) while
// the key is held. Nothing is held until AfxSetKeyHeld says so (a script holding Shift).
short GetKeyState(int nVirtKey);
void AfxSetKeyHeld(int nVirtKey, BOOL bHeld);
