// The rows of one element of the analysis model on the analysis-model attribute page:
// one fill for the seven element kinds, driven by tables of which groups and rows each
// kind has (column 101, beam 201, secondary beam 205, wall with height 204 and 210, wall
// 209, slab 301, brace 206).
//
// A fill replaces the list: general rows, then by kind the design group, the load group,
// the factor group and the hinge group, every group expanded at the end. Every row is a
// display row but the brace's beta angle (an editable number that nothing applies).
// Factor and hinge rows carry four buttons (bitmap 14228) whose third one is the page's
// delete message; load and temperature rows one button (bitmap 14232). Lengths, heights,
// areas and angles are shown in the current units.
//
// Design rows show the entry of their choice list at the position the design-type block
// holds; a leading word 0 (design types do not apply) gives empty values, and the slab no
// design row at all; a position outside the list shows an empty value.
#pragma once
#include "afx/AfxTypes.h"
#include "db/T_MATR_D.h"

class CPropList;

struct T_ELEM_ROWS_PARAM {
  int elemType = 0;   // the element type (the record's first word)
  int subtype = 0;    // slabs: 1 stair slab, 2 stair landing, 3 roof
  double tol = 0.0;   // a decrease factor within tol of 1 is shown with one decimal
  UINT delMsg = 0;    // the id of the delete buttons
};

enum : int { BITMAP_ELEM_FACT_ROWS = 14228, BITMAP_ELEM_LOAD_ROWS = 14232 };

// The element type has rows here.
BOOL HasElemAttrRows(int elemType);
// Fills the list for the element; an element type without rows leaves it as it is and
// answers FALSE.
BOOL FillElemAttrRows(CPropList& list, const T_MATR_D& matr, const T_ELEM_ROWS_PARAM& param);
