// The seismic-grade row of the attribute pages: the grades a member's section offers, the
// position of the member's own grade among them, and the position of the project's grade.
//
// Lists (texts of "IDS_CMD_ATTR_<NAME>"): walls (wall selector 1) SPECIALGRADE1, GRADE1 to
// GRADE4, then the text of "IDS_CMD_MEMB_None"; other members by the material kind of
// their section: 1 (concrete) SPECIALGRADE1, INTENSITY9_GRADE1, GRADE1 to GRADE4, None;
// 2 (steel) and 3 (steel-reinforced concrete) INTENSITY9, INTENSITY8, INTENSITY7,
// INTENSITY6; any other kind, or a missing section, nothing.
//
// A member's grade is the grade record of its last link (CClassPrel, CClassLfeg): walls
// and concrete read its first code, steel its second, steel-reinforced concrete its
// third. A member without links, or whose link names a missing record, takes the
// project's grade: the seismic record (CClassSpch when the load-design control's flag is
// set, else CClassSsch; initialised when missing) with its wall or frame code. A code that
// names no entry of the list gives position 0; without a load-design control record the
// project's position is left as it was.
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

class DB_CDataBase;

// Appends the grades of the section (or of walls) to list, which the caller passes empty.
void FillSeismicGradeChoices(DB_CDataBase* pDB, CStringArray& list, UINT sectKey, int nWall);
// The position of the member's grade in that list.
int GetSeismicGradeIndex(DB_CDataBase* pDB, UINT sectKey, UINT membKey, int nWall);
// Writes the position of the project's grade; leaves it when the project says nothing.
void GetDefaultSeismicGradeIndex(DB_CDataBase* pDB, int& nPos, int nWall);
