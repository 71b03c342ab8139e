#include "tools/AttrChoices.h"

#include <initializer_list>
#include "ui/CMsgDll.h"

namespace {

struct KeyCode {
  const char* key;
  int code;
};

void Fill(CStringArray& list, std::initializer_list<const char*> keys) {
  list.RemoveAll();
  for (const char* k : keys) list.Add(CMsgDll::pfuncLoadStr(k, 0));
}

int Convert(const CString& text, std::initializer_list<KeyCode> table, int otherwise) {
  for (const KeyCode& kc : table)
    if (text == CMsgDll::pfuncLoadStr(kc.key, 0)) return kc.code;
  return otherwise;
}

constexpr const char* AUTO = "IDS_CMD_ATTR_AUTO";
constexpr const char* YES = "IDS_CMD_ATTR_YES";
constexpr const char* NO = "IDS_CMD_ATTR_NO";
constexpr const char* MEMB_VALUE = "IDS_CMD_ATTR_MEMB_VALUE";

}  // namespace

void FillAutoYesNoChoices(CStringArray& list) { Fill(list, {AUTO, YES, NO}); }
void FillYesNoChoices(CStringArray& list) { Fill(list, {YES, NO}); }
void FillBeamFrameChoices(CStringArray& list) {
  Fill(list, {AUTO, "IDS_CMD_ATTR_GGR", "IDS_CMD_ATTR_GNR", "IDS_CMD_ATTR_YR"});
}
void FillAutoBrJrMrChoices(CStringArray& list) {
  Fill(list, {AUTO, "IDS_CMD_ATTR_BR", "IDS_CMD_ATTR_JR", "IDS_CMD_ATTR_MR"});
}
void FillIbKindChoices(CStringArray& list) {
  Fill(list, {"IDS_CMD_ATTR_IBNB", "IDS_CMD_ATTR_IBOB", "IDS_CMD_ATTR_IBIGB", "IDS_CMD_ATTR_IBMB",
              "IDS_CMD_ATTR_IBCB", "IDS_CMD_ATTR_IBBOB", NO});
}
void FillAutoIbJpLpChoices(CStringArray& list) { Fill(list, {AUTO, "IDS_CMD_ATTR_IBJP", "IDS_CMD_ATTR_IBLP", NO}); }
void FillWallShearChoices(CStringArray& list) { Fill(list, {AUTO, "IDS_CMD_ATTR_DJSD", "IDS_CMD_ATTR_GNSD"}); }
void FillWallInforceChoices(CStringArray& list) { Fill(list, {AUTO, "IDS_CMD_ATTR_JDMB", "IDS_CMD_ATTR_GAREA"}); }
void FillSupportChoices(CStringArray& list) {
  Fill(list, {AUTO, "IDS_CMD_ATTR_FIXED", "IDS_CMD_ATTR_HINGE", "IDS_CMD_ATTR_ROLLER", "IDS_CMD_ATTR_FREE",
              MEMB_VALUE});
}
void FillEndFixityChoices(CStringArray& list) {
  Fill(list, {"IDS_CMD_ATTR_PINEDPINED", "IDS_CMD_ATTR_PINEDFIXED", "IDS_CMD_ATTR_FIXEDPINED",
              "IDS_CMD_ATTR_FIXEDFIXED", MEMB_VALUE});
}
void FillBetaAngleChoices(CArray<int>& list) {
  list.RemoveAll();
  for (int a : {0, 30, 45, 60, 90, 120, 135, 150, 180}) list.Add(a);
}

int AttrTextToYesNoAutoCode(const CString& t) { return Convert(t, {{YES, 0}, {NO, 1}, {AUTO, 2}}, -1); }
int AttrTextToAutoYesNoCode(const CString& t) { return Convert(t, {{AUTO, 0}, {YES, 1}, {NO, 2}}, -1); }
int AttrTextToYesNoCode(const CString& t) { return Convert(t, {{YES, 0}, {NO, 1}}, -1); }
int AttrTextToGgrGnrYrCode(const CString& t) {
  return Convert(t, {{AUTO, 0}, {"IDS_CMD_ATTR_GGR", 1}, {"IDS_CMD_ATTR_GNR", 2}, {"IDS_CMD_ATTR_YR", 3}}, -1);
}
int AttrTextToBrJrMrCode(const CString& t) {
  return Convert(t, {{AUTO, 0}, {"IDS_CMD_ATTR_BR", 1}, {"IDS_CMD_ATTR_JR", 2}, {"IDS_CMD_ATTR_MR", 3}}, -1);
}
int AttrTextToIbKindCode(const CString& t) {
  return Convert(t,
                 {{"IDS_CMD_ATTR_IBNB", 2}, {"IDS_CMD_ATTR_IBOB", 3}, {"IDS_CMD_ATTR_IBIGB", 4},
                  {"IDS_CMD_ATTR_IBMB", 5}, {"IDS_CMD_ATTR_IBCB", 6}, {"IDS_CMD_ATTR_IBBOB", 0}, {NO, 1}},
                 -1);
}
int AttrTextToIbKindCode2(const CString& t) {
  return Convert(t,
                 {{"IDS_CMD_ATTR_IBNB", 0}, {"IDS_CMD_ATTR_IBOB", 1}, {"IDS_CMD_ATTR_IBIGB", 2},
                  {"IDS_CMD_ATTR_IBMB", 3}, {"IDS_CMD_ATTR_IBCB", 4}, {"IDS_CMD_ATTR_IBBOB", 5}, {NO, 6}},
                 -1);
}
int AttrTextToIbKindCode3(const CString& t) { return AttrTextToIbKindCode2(t); }
int AttrTextToIbJpLpCode(const CString& t) {
  return Convert(t, {{AUTO, 0}, {"IDS_CMD_ATTR_IBJP", 1}, {"IDS_CMD_ATTR_IBLP", 2}, {NO, 3}}, -1);
}
int AttrTextToSupportCode(const CString& t) {
  return Convert(t,
                 {{AUTO, 0}, {"IDS_CMD_ATTR_FIXED", 1}, {"IDS_CMD_ATTR_HINGE", 2}, {"IDS_CMD_ATTR_ROLLER", 3},
                  {"IDS_CMD_ATTR_FREE", 4}, {MEMB_VALUE, 5}},
                 -1);
}
int AttrTextToEndFixityCode(const CString& t) {
  return Convert(t,
                 {{"IDS_CMD_ATTR_PINEDPINED", 0}, {"IDS_CMD_ATTR_PINEDFIXED", 1}, {"IDS_CMD_ATTR_FIXEDPINED", 2},
                  {"IDS_CMD_ATTR_FIXEDFIXED", 3}, {MEMB_VALUE, 4}},
                 -1);
}
int AttrTextToSeismicGradeCode(const CString& t) {
  return Convert(t,
                 {{"IDS_CMD_ATTR_SPECIALGRADE1", 101}, {"IDS_CMD_ATTR_INTENSITY9_GRADE1", 201},
                  {"IDS_CMD_ATTR_GRADE1", 301}, {"IDS_CMD_ATTR_GRADE2", 302}, {"IDS_CMD_ATTR_GRADE3", 303},
                  {"IDS_CMD_ATTR_GRADE4", 304}, {"IDS_CMD_ATTR_INTENSITY6", 306}, {"IDS_CMD_ATTR_INTENSITY7", 307},
                  {"IDS_CMD_ATTR_INTENSITY8", 308}, {"IDS_CMD_ATTR_INTENSITY9", 309}},
                 0);
}
