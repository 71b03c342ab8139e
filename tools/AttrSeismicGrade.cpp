#include "tools/AttrSeismicGrade.h"

#include <initializer_list>
#include "db/CClassLdct.h"
#include "db/CClassPrel.h"
#include "db/CClassSect.h"
#include "ui/CMsgDll.h"

namespace {

struct CodePos {
  int code;
  int pos;
};

// The position a code takes in a list, `otherwise` for a code the list does not name.
int PosOf(int code, std::initializer_list<CodePos> table, int otherwise) {
  for (const CodePos& cp : table)
    if (cp.code == code) return cp.pos;
  return otherwise;
}

// The material kind of the section; 0 when there is none.
int MatlKindOf(DB_CDataBase* pDB, UINT sectKey) {
  auto* sect = pDB ? static_cast<CClassSect*>(pDB->GetClass(CClassSect::m_nClassID)) : nullptr;
  T_SECT_D s;
  return sect && sect->Get(sectKey, s) ? s.iMatlType : 0;
}

template <class T>
T* Table(DB_CDataBase* pDB) {
  return pDB ? static_cast<T*>(pDB->GetClass(T::m_nClassID)) : nullptr;
}

void Append(CStringArray& list, std::initializer_list<const char*> keys) {
  for (const char* k : keys) list.Add(CMsgDll::pfuncLoadStr(k, 0));
}

}  // namespace

void FillSeismicGradeChoices(DB_CDataBase* pDB, CStringArray& list, UINT sectKey, int nWall) {
  if (nWall == 1) {
    Append(list, {"IDS_CMD_ATTR_SPECIALGRADE1", "IDS_CMD_ATTR_GRADE1", "IDS_CMD_ATTR_GRADE2", "IDS_CMD_ATTR_GRADE3",
                  "IDS_CMD_ATTR_GRADE4", "IDS_CMD_MEMB_None"});
    return;
  }
  switch (MatlKindOf(pDB, sectKey)) {
    case 1:
      Append(list, {"IDS_CMD_ATTR_SPECIALGRADE1", "IDS_CMD_ATTR_INTENSITY9_GRADE1", "IDS_CMD_ATTR_GRADE1",
                    "IDS_CMD_ATTR_GRADE2", "IDS_CMD_ATTR_GRADE3", "IDS_CMD_ATTR_GRADE4", "IDS_CMD_MEMB_None"});
      break;
    case 2:
    case 3:
      Append(list, {"IDS_CMD_ATTR_INTENSITY9", "IDS_CMD_ATTR_INTENSITY8", "IDS_CMD_ATTR_INTENSITY7",
                    "IDS_CMD_ATTR_INTENSITY6"});
      break;
    default:
      break;
  }
}

int GetSeismicGradeIndex(DB_CDataBase* pDB, UINT sectKey, UINT membKey, int nWall) {
  int pos = 0;
  const int kind = nWall == 0 ? MatlKindOf(pDB, sectKey) : 0;
  auto* prel = Table<CClassPrel>(pDB);
  auto* lfeg = Table<CClassLfeg>(pDB);
  CUIntArray links;
  if (!prel || !prel->GetKeyListFromMembK(membKey, links)) {
    GetDefaultSeismicGradeIndex(pDB, pos, nWall);
    return pos;
  }
  for (UINT k : links) {
    T_PREL_D link;
    T_LFEG_D grade;
    if (!prel->Get(k, link) || !lfeg || !lfeg->Get(link.lfeg, grade)) {
      GetDefaultSeismicGradeIndex(pDB, pos, nWall);
      continue;
    }
    if (nWall == 1)
      pos = PosOf(grade.code[0], {{0, 5}, {301, 1}, {302, 2}, {303, 3}, {304, 4}}, 0);
    else if (kind == 1)
      pos = PosOf(grade.code[0], {{0, 6}, {201, 1}, {301, 2}, {302, 3}, {303, 4}, {304, 5}}, 0);
    else if (kind == 2 || kind == 3)
      pos = PosOf(grade.code[T_LFEG_D::SlotOfMatlKind(kind)], {{306, 3}, {307, 2}, {308, 1}}, 0);
  }
  return pos;
}

void GetDefaultSeismicGradeIndex(DB_CDataBase* pDB, int& nPos, int nWall) {
  auto* ldct = Table<CClassLdct>(pDB);
  T_LDCT_D control;
  if (!ldct || !ldct->Get(control)) return;
  int frame = 0, wall = 0;
  if (control.flag) {
    T_SPCH_D r;
    r.Initialize();
    if (auto* t = Table<CClassSpch>(pDB)) t->Get(r);
    frame = r.frameGrade, wall = r.wallGrade;
  } else {
    T_SSCH_D r;
    r.Initialize();
    if (auto* t = Table<CClassSsch>(pDB)) t->Get(r);
    frame = r.frameGrade, wall = r.wallGrade;
  }
  if (nWall == 1)
    nPos = PosOf(wall, {{101, 0}, {301, 1}, {302, 2}, {303, 3}, {304, 4}}, nPos);
  else
    nPos = PosOf(frame, {{101, 0}, {201, 1}, {301, 2}, {302, 3}, {303, 4}, {304, 5}}, nPos);
}
