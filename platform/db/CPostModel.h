// The analysis model built from the building model: Build replaces every record of the
// document's analysis database (CMDBCtrl::GetDBPost) by those the building model gives.
//
// - a node under each point's key, at its global position, on its story;
// - an element under each member's key: the member's type (walls 202 become 209), its
//   points as nodes, curves, section, thickness, beta angle and story, and the material it
//   is made of (its own, else the one its story gives its kind); a slab's subtype is its
//   design-type slot 2 (value[1]) when that is 1, 2 or 3, else 0;
// - the towers, stories, materials, sections and thicknesses under their keys.
//
// The analysis database's selection keeps the nodes and elements that still exist (told
// to its listeners as a selection, when any is kept); its undo history is emptied. Nobody
// is notified of the records: the caller tells the windows with a hint.
// Cost: O(n log n) in the building model's records.
#pragma once
#include "afx/AfxTypes.h"

class CDBDoc;

class CPostModel {
 public:
  static BOOL Build(CDBDoc& doc);
};
