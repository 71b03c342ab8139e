// What the story table grid tells the page that owns it (the story page implements it).
#pragma once
#include "afx/AfxTypes.h"

class ICmdPlanStoryGridOwner {
 public:
  virtual ~ICmdPlanStoryGridOwner() = default;
  // The user selected n whole story rows (n > 0), the first of them the story firstKey.
  virtual void OnGridSelChanged(int n, UINT firstKey) = 0;
};
