// The item lists of the two activation windows: the activation window (Activate) and the
// select-and-activate window (SelectActivate), per category code and model (mode 0 the
// building model, mode 1 the analysis model). Every fill first empties the list; an item's
// data is its record's key, or the type code for member types; a record that cannot be
// read is left out.
//
// - Towers: by start level in the building model, in table order in the analysis model;
//   the tower's name when the model has two or more towers, else one item of empty text.
// - Stories: "Tower : Name" when the model has two or more towers, else the name.
//   Activate lists every story, top-down; SelectActivate goes tower by tower (by start
//   level) and, in the building model, leaves out the stories CClassStor::IsEmptyStory
//   reports.
// - Standard floors (building model only): Activate lists all, SelectActivate those that
//   some story uses.
// - Member types: Activate lists every selectable type; SelectActivate those that some
//   member (element) has.
// - Structure groups (building model only): those holding a point or a member.
// - Named planes: always those of the building model (pModelDB).
// - Materials, sections, thicknesses (SelectActivate): those in use, "%-4d : %s".
#pragma once
#include "afx/AfxTypes.h"

class CListBox;
class DB_CDataBase;

class CActiveLists {
 public:
  enum Flavor { ACTIVATE = 0, SELECT_ACTIVATE = 1 };
  static void Fill(Flavor flavor, CListBox& list, int nMode, DB_CDataBase* pDB, DB_CDataBase* pModelDB,
                   UINT nCategory);
  // Non-zero when records of the table change the category's list.
  static BOOL FollowsTable(Flavor flavor, UINT nCategory, UINT nClassID);
  // Non-zero when pDB is the database nDBID and its last transaction changed records of a
  // table the category's list follows.
  static BOOL TransactionChangesList(Flavor flavor, UINT nCategory, const DB_CDataBase* pDB, UINT nDBID);
};
