#include "afx/AfxSystem.h"

#include <map>
#include <set>

#include "afx/CGdiObject.h"

namespace {

const std::map<int, int>& Metrics() {
  static const std::map<int, int> metrics = {
      {SM_CXSCREEN, 1920}, {SM_CYSCREEN, 1080}, {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16},
      {SM_CYCAPTION, 22}, {SM_CXBORDER, 1}, {SM_CYBORDER, 1}, {SM_CXDLGFRAME, 3},
      {SM_CYDLGFRAME, 3}, {SM_CYVTHUMB, 16}, {SM_CXHTHUMB, 16}, {SM_CXICON, 32}, {SM_CYICON, 32},
      {SM_CXCURSOR, 32}, {SM_CYCURSOR, 32}, {SM_CYMENU, 20}, {SM_CXFULLSCREEN, 1920},
      {SM_CYFULLSCREEN, 1018}, {SM_MOUSEPRESENT, 1}, {SM_CYVSCROLL, 16}, {SM_CXHSCROLL, 16},
      {SM_CXMIN, 136}, {SM_CYMIN, 39}, {SM_CXSIZE, 22}, {SM_CYSIZE, 22}, {SM_CXFRAME, 4},
      {SM_CYFRAME, 4}, {SM_CXMINTRACK, 136}, {SM_CYMINTRACK, 39}, {SM_CXDOUBLECLK, 4},
      {SM_CYDOUBLECLK, 4}, {SM_CXEDGE, 2}, {SM_CYEDGE, 2}, {SM_CXSMICON, 16}, {SM_CYSMICON, 16},
      {SM_CYSMCAPTION, 18}, {SM_CXMAXTRACK, 1932}, {SM_CYMAXTRACK, 1092},
      {SM_CXMAXIMIZED, 1928}, {SM_CYMAXIMIZED, 1048}, {SM_CXDRAG, 4}, {SM_CYDRAG, 4},
      {SM_CXVIRTUALSCREEN, 1920}, {SM_CYVIRTUALSCREEN, 1080}, {SM_CMONITORS, 1},
  };
  return metrics;
}

const std::map<int, COLORREF>& Colours() {
  static const std::map<int, COLORREF> colours = {
      {COLOR_SCROLLBAR, RGB(200, 200, 200)},      {COLOR_BACKGROUND, RGB(0, 99, 177)},
      {COLOR_ACTIVECAPTION, RGB(153, 180, 209)},   {COLOR_INACTIVECAPTION, RGB(191, 205, 219)},
      {COLOR_MENU, RGB(240, 240, 240)},            {COLOR_WINDOW, RGB(255, 255, 255)},
      {COLOR_WINDOWFRAME, RGB(100, 100, 100)},     {COLOR_MENUTEXT, RGB(0, 0, 0)},
      {COLOR_WINDOWTEXT, RGB(0, 0, 0)},            {COLOR_CAPTIONTEXT, RGB(0, 0, 0)},
      {COLOR_ACTIVEBORDER, RGB(180, 180, 180)},    {COLOR_INACTIVEBORDER, RGB(244, 247, 252)},
      {COLOR_APPWORKSPACE, RGB(171, 171, 171)},    {COLOR_HIGHLIGHT, RGB(0, 120, 215)},
      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},   {COLOR_BTNFACE, RGB(240, 240, 240)},
      {COLOR_BTNSHADOW, RGB(160, 160, 160)},       {COLOR_GRAYTEXT, RGB(109, 109, 109)},
      {COLOR_BTNTEXT, RGB(0, 0, 0)},               {COLOR_INACTIVECAPTIONTEXT, RGB(0, 0, 0)},
      {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},    {COLOR_3DDKSHADOW, RGB(105, 105, 105)},
      {COLOR_3DLIGHT, RGB(227, 227, 227)},         {COLOR_INFOTEXT, RGB(0, 0, 0)},
      {COLOR_INFOBK, RGB(255, 255, 225)},          {COLOR_HOTLIGHT, RGB(0, 102, 204)},
      {COLOR_GRADIENTACTIVECAPTION, RGB(185, 209, 234)},
      {COLOR_GRADIENTINACTIVECAPTION, RGB(215, 228, 242)},
      {COLOR_MENUHILIGHT, RGB(51, 153, 255)},      {COLOR_MENUBAR, RGB(240, 240, 240)},
  };
  return colours;
}

}  // namespace

int GetSystemMetrics(int nIndex) {
  auto it = Metrics().find(nIndex);
  return it == Metrics().end() ? 0 : it->second;
}

COLORREF GetSysColor(int nIndex) {
  auto it = Colours().find(nIndex);
  return it == Colours().end() ? 0 : it->second;
}

HBRUSH GetSysColorBrush(int nIndex) {
  // One brush per colour, made on first use and kept for the process.
  static auto* brushes = new std::map<int, CBrush>;
  auto it = Colours().find(nIndex);
  if (it == Colours().end()) return nullptr;
  auto [b, fresh] = brushes->try_emplace(nIndex);
  if (fresh) b->second.CreateSolidBrush(it->second);
  return b->second;
}

namespace {
std::set<int>& HeldKeys() {
  static std::set<int> keys;
  return keys;
}
}  // namespace

short GetKeyState(int nVirtKey) { return HeldKeys().count(nVirtKey) ? (short)0x8000 : (short)0; }

void AfxSetKeyHeld(int nVirtKey, BOOL bHeld) {
  if (bHeld)
    HeldKeys().insert(nVirtKey);
  else
    HeldKeys().erase(nVirtKey);
}
