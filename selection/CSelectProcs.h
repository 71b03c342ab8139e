// What the selection and activation windows share: a typed number list applied to the
// selection (ApplyTypedList), a set of keys written back as compact number text
// (ShowKeysText), the attribute query (ValidQueryCondition, GetQueryCondition, RunQuery),
// and the attribute categories and their lists.
//
// Kinds are those of CViewCtrl: points and members belong to the building model (mode 0),
// nodes and elements to the analysis model (mode 1), whose objects are numbered by their
// keys. A table that cannot be reached makes a procedure do nothing (FALSE).
#pragma once
#include "afx/AfxWinDefs.h"
#include "afx/CArray.h"
#include "afx/CString.h"
#include "db/CViewCtrl.h"

class CComboBox;
class CListBox;
class CQueryCondition;
class DB_CDataBase;

class CSelectProcs {
 public:
  // ---- Typed number lists ----
  // The keys of the objects of the kind that the text names, in the order the optimizer
  // gives the numbers; names of objects that do not exist are dropped.
  static BOOL GetTypedKeys(DB_CDataBase* pDB, CViewCtrl::Kind kind, const CString& text, CUIntArray& keys);
  // GetTypedKeys, then the kind's selection becomes exactly those keys (an empty list too).
  static BOOL ApplyTypedList(DB_CDataBase* pDB, CViewCtrl::Kind kind, const CString& text);
  // The compact text of the objects' numbers (ascending); points and members are numbered
  // through the building model's tables (pDB is the mode-0 database for them).
  static BOOL GetKeysText(DB_CDataBase* pDB, CViewCtrl::Kind kind, const CUIntArray& keys, CString& text);
  // GetKeysText of the kind's selected objects.
  static BOOL GetSelectedText(DB_CDataBase* pDB, CViewCtrl::Kind kind, CString& text);

  // ---- The attribute query ----
  // A category chosen and at least one list item selected.
  static BOOL ValidQueryCondition(UINT nCategory, const CListBox& list);
  // Category, option 1, the selected items' data as "%ld" in item order, story flag for
  // QUERY_STOR. The key list stays empty when no item is selected.
  static void GetQueryCondition(UINT nCategory, const CListBox& list, CQueryCondition& cond);
  // The query on the mode's database: mode 0 points and members, mode 1 nodes and
  // elements; a NULL list is not asked for.
  static BOOL RunQuery(int nMode, DB_CDataBase* pDB, const CQueryCondition& cond, CUIntArray* pObjs,
                       CUIntArray* pMembs);

  // ---- Categories and their lists ----
  struct Category {
    const char* pszTextKey;
    UINT nCode;
    int nModeMask;  // 0 building model only, 1 analysis model only, 2 both
  };
  // The categories of the select and unselect windows, in their order.
  static const Category* GetSelectCategories(int& nCount);
  // Empties the combo and adds the categories offered in the mode (text, item data =
  // code); chooses nothing.
  static void FillCategories(CComboBox& combo, const Category* cats, int nCount, int nMode);
  // Empties the list and fills it with the category's items for the mode (item data = key,
  // or the type code for member types). Other categories leave it empty.
  static void FillList(CListBox& list, int nMode, DB_CDataBase* pDB, UINT nCategory);
  // Non-zero when records of the table change the category's list (materials, sections,
  // thicknesses, stories of either model; structure groups).
  static BOOL ListFollowsTable(UINT nCategory, UINT nClassID);
  // The first item from the top whose data is the value joins the list's selection.
  static BOOL SelectListItemByData(CListBox& list, DWORD_PTR data);
};
