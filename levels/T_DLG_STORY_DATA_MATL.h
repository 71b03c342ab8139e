// The story page's input: the tower shown, the outdoor ground level of the main tower and
// what generates new stories (count, one name or a numbered series, height, standard
// floor, named slab load) and what Edit applies to the selected stories. Lengths in
// internal units. Also the input of the story material dialog (the tower).
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CString.h"

struct T_DLG_STORY_DATA_MATL {
  UINT mdulKey = 0;          // the tower shown; Initialize leaves it alone
  double groundLevel = 0.0;  // the basement record's outdoor ground level
  UINT refStorKey = 0;       // the ground level's reference story; 0 shows as "Base"
  int increasing = 0;        // 1: numbers grow downwards (the top story has the smallest)
  int storyCount = 1;
  CString storyName;         // the one name of a single story
  int endNo = 1;             // the number of the top story of a series
  int startNo = 1;           // the number of the bottom story of a series
  double height = 0.0;
  UINT planKey = 0;
  UINT slabLoadKey = 0;      // the named slab load whose loads new stories take
  CString prefix;
  CString suffix;
  int applyName = 0;         // what Edit applies to the selected stories
  int applyHeight = 0;
  int applyPlan = 0;

  // Every field but mdulKey to its default; the suffix is the text of
  // "IDS_WG_CMD_IP_STORYDLG_STOR_F".
  void Initialize();
};
