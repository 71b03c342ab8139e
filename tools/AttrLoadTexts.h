// The texts of the load row of a member: one text per load of the member in a static load
// case, "KIND:VALUES", KIND the text of the dead- or live-load key of the load's shape
// (load case type "D" or "L"; any other type an empty KIND), VALUES by shape:
//   concentrated (load type 1): "%.2f*%.1f" of each position and value whose value is not
//     0, joined by ",";  keys IDS_CMD_ATTR_MEMB_{D,L}LOAD_CON
//   uniform (type 3, from 0 to 1, one value not 0): "%.1f";  ..._UNI
//   partial (type 3, not from 0 to 1, p[2] = 0, v[0] = v[1] not 0): "%.2f~%.2f*%.1f";  ..._PAR
//   symmetric trapezoid (0, p, 1 - p, 1 with values 0, v, v, 0): "%.2f*%.1f" of p and v;  ..._TAP
//   any other distributed load: "%.2f*%.1f" of each point up to the first later position
//     0, joined by ",";  ..._TAP
// Equal and zero mean within the tolerance given. Concentrated loads come first, then
// uniform, partial, and last the trapezoids and general loads, each group in the order of
// the member's attribute list. A load whose record or load case is missing, or of another
// load type, gives no text. Without texts the list holds the text of "IDS_CMD_ATTR_NONE".
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

class DB_CDataBase;

// Selector 0: the member's column loads (CClassCmld); 1: its line loads (CClassLnld).
void MakeMembLoadTexts(DB_CDataBase* pDB, UINT membKey, int nSelector, double dTol, CStringArray& texts);
