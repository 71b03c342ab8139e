// Writes a recorded drawing as an SVG picture, so that a person can look at what a window
// painted. The picture covers the list's bounds (or, when they are empty, the primitives),
// y downward as on screen; each primitive becomes one element in the order drawn, with its
// pen (stroke, width, dashes) and brush (fill) colours; a null pen or brush writes "none".
// The same list always gives the same bytes.
#pragma once
#include "afx/CDisplayList.h"

CString AfxSvgString(const CDisplayList& list);
// Writes the picture to a file; FALSE when the file cannot be written.
BOOL AfxWriteSvg(const CDisplayList& list, LPCTSTR lpszPath);
