// Size checks of the section shapes (the rules are listed in CSectUtil.h).
#pragma once
#include "afx/CString.h"
#include "db/SectRecord.h"

bool SectCheckRegular(const CString& code, const double* sizes);
bool SectCheckSrc(const T_SECT_SECTION_D& part);
bool SectCheckCombined(const T_SECT_SECTION_D& part);
// Outline box of an SRC steel part (steel shape code, sizes) and its half diagonal.
bool SectSrcSteelExtent(const CString& steel, const double* s, double& w, double& h,
                        double& halfDiag);
