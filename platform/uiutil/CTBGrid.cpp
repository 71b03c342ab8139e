#include "uiutil/CTBGrid.h"

IMPLEMENT_DYNAMIC(CTBGrid, CGXGridWnd)

const COLORREF CTBGrid::m_Color[CTBGrid::COLOR_COUNT] = {
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(224, 224, 224), RGB(0, 0, 128),     RGB(204, 224, 255),
    RGB(192, 192, 192), RGB(160, 160, 160), RGB(128, 128, 128), RGB(96, 96, 96),    RGB(64, 64, 64),
    RGB(240, 240, 240), RGB(128, 0, 0),     RGB(200, 200, 200), RGB(180, 180, 180), RGB(150, 150, 150),
    RGB(48, 48, 48),    RGB(255, 255, 255), RGB(230, 230, 230), RGB(255, 255, 204), RGB(70, 130, 180)};

void CTBGrid::Initialize() {
  CGXGridWnd::Initialize();
  ChangeStandardStyle(CGXStyle().SetFontSize(9).SetFontWeight(400).SetInterior(m_Color[0]).SetTextColor(m_Color[1]));
}
