// The class library's common headers.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CGeometry.h"
#include "afx/CString.h"
#include "afx/CArray.h"
#include "afx/CMap.h"
#include "afx/CObject.h"
