// Drawing types and constants: handles, logical pens, brushes and fonts, stock objects, pen
// and background modes, raster operations, DrawText formats. Values follow the conventional
// numbering so that drawing code reads as usual.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CGeometry.h"

typedef struct HBITMAP__* HBITMAP;
typedef struct HBRUSH__* HBRUSH;
typedef struct HDC__* HDC;
typedef struct HFONT__* HFONT;
typedef struct HPEN__* HPEN;
typedef struct HWND__* HWND;
typedef struct HGDIOBJ__* HGDIOBJ;
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
typedef POINT* LPPOINT;

// Stock objects (CDC::SelectStockObject, CGdiObject::CreateStockObject).
enum : int {
  WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
  NULL_BRUSH = 5, HOLLOW_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
  OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11, ANSI_VAR_FONT = 12, SYSTEM_FONT = 13,
  DEVICE_DEFAULT_FONT = 14, SYSTEM_FIXED_FONT = 16, DEFAULT_GUI_FONT = 17,
};

// Pen styles.
enum : int {
  PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
  PS_INSIDEFRAME = 6,
};

// Brush styles (LOGBRUSH::lbStyle).
enum : UINT { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1 };

// Background modes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Raster operations of PatBlt and BitBlt.
enum : DWORD {
  SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
  PATCOPY = 0x00F00021, PATINVERT = 0x005A0049, DSTINVERT = 0x00550009,
  BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062,
};

// Line-drawing modes (SetROP2).
enum : int { R2_BLACK = 1, R2_NOT = 6, R2_XORPEN = 7, R2_NOTXORPEN = 10, R2_COPYPEN = 13, R2_WHITE = 16 };

// DrawText formats.
enum : UINT {
  DT_TOP = 0x0000, DT_LEFT = 0x0000, DT_CENTER = 0x0001, DT_RIGHT = 0x0002, DT_VCENTER = 0x0004,
  DT_BOTTOM = 0x0008, DT_WORDBREAK = 0x0010, DT_SINGLELINE = 0x0020, DT_EXPANDTABS = 0x0040,
  DT_NOCLIP = 0x0100, DT_CALCRECT = 0x0400, DT_NOPREFIX = 0x0800, DT_END_ELLIPSIS = 0x8000,
};

// Text alignment (SetTextAlign).
enum : UINT { TA_LEFT = 0, TA_TOP = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };

// GetClipBox results.
enum : int { NULLREGION = 1, SIMPLEREGION = 2 };

// GetDeviceCaps indices.
enum : int { HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, LOGPIXELSX = 88, LOGPIXELSY = 90 };

// Font weights and character sets.
enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : BYTE { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134 };

#define LF_FACESIZE 32

struct LOGPEN {
  UINT lopnStyle = PS_SOLID;
  POINT lopnWidth;              // x: the width
  COLORREF lopnColor = 0;
};

struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  uintptr_t lbHatch = 0;
};

struct LOGFONT {
  LONG lfHeight = 0;            // pixels; negative: the character height, positive: the cell
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = DEFAULT_CHARSET;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};   // UTF-8
};
typedef LOGFONT* LPLOGFONT;

struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 24;
  void* bmBits = nullptr;
};

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;
  RECT rcPaint;
};
