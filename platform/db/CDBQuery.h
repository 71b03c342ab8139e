// The attribute query: which objects of a database carry one of the listed attribute
// records. A condition names a category and the keys (as "%ld" texts) of the records of
// that category; texts that are no whole number are skipped. No key, or category 0,
// matches nothing.
//
// Members (elements) match by category:
//   QUERY_MEMB_TYPE (11) their type code; QUERY_MATERIAL (2) their applied material (own,
//   else their story's, CClassMemb::GetAppliedMatlKey); QUERY_SECTION (3), QUERY_THICKNESS
//   (4), QUERY_STOR (21) their own key of it; QUERY_PLAN (22) and QUERY_MDUL (24) their
//   story's standard floor or tower; QUERY_GROUP (25) the members a listed structure group
//   holds that still exist. Any other category matches nothing.
// QUERY_NPLN (26): the points lying in a listed named plane (CClassNpln) within the
//   document's coordinate tolerance (CFlagCtrl), and the members whose points all lie in
//   one listed plane. Both calls read the named planes, points and members of pDB, the
//   building model: the analysis model's nodes and elements carry the keys of the points
//   and members they come from.
// Points (nodes) matched: the points of the matched members, and for 21, 22 and 24 also
// the points standing on a matched story; for 25 the group's points that still exist.
//
// GetKeyListByAttrPre reads the building model (points, members), GetKeyListByAttr the
// analysis model (nodes, elements, whose keys are those of the points and members they
// come from); either list may be NULL and is then not touched. A list given is emptied,
// then receives its keys ascending, each once. Cost: one walk over the members
// (elements), plus the points of the matched stories; O(n) with no sorting when the
// table is in key order.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "afx/CString.h"

class DB_CDataBase;

enum DB_QUERY_CATEGORY {
  QUERY_MATERIAL = 2,
  QUERY_SECTION = 3,
  QUERY_THICKNESS = 4,
  QUERY_MEMB_TYPE = 11,
  QUERY_STOR = 21,
  QUERY_PLAN = 22,
  QUERY_MDUL = 24,
  QUERY_GROUP = 25,
  QUERY_NPLN = 26,
};

class CQueryCondition {
 public:
  int m_nQueryType = 0;     // the category code
  int m_nQueryOption = 0;   // the selection dialogs set 1
  CStringArray m_arrKeys;   // the listed records' keys, "%ld"
  int m_nStoryFlag = 0;     // 1 for QUERY_STOR
  int m_nReserved = 0;
};

class CDBQuery {
 public:
  static BOOL GetKeyListByAttrPre(DB_CDataBase* pDB, const CQueryCondition& cond, CUIntArray* pPonts,
                                  CUIntArray* pMembs);
  static BOOL GetKeyListByAttr(DB_CDataBase* pDB, const CQueryCondition& cond, CUIntArray* pNodes,
                               CUIntArray* pElems);
  // The members that bear the member names of those keys (CClassName of the building
  // model; a member bears a name when its type is the name's type and its name the name's
  // text), and their points. On the analysis database (DB_ID_POST) the elements of those
  // members and their nodes instead; the names and members are then read in the building
  // model of the current document, whose analysis database it must be (else nothing
  // matches). Keys that name
  // no name are skipped. Lists as GetKeyListByAttrPre: either may be NULL, a list given is
  // emptied, then receives existing keys ascending, each once, gaps left out. One walk
  // over the members; 0 only for a NULL database.
  static BOOL GetKeyListByNamePre(DB_CDataBase* pDB, const CUIntArray& nameKeys, CUIntArray* pPonts,
                                  CUIntArray* pMembs);
};
