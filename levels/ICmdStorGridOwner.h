// What the story grid asks of the page that owns it (the levels page implements it).
#pragma once
#include "afx/AfxTypes.h"

class ICmdStorGridOwner {
 public:
  virtual ~ICmdStorGridOwner() = default;
  // A story row was clicked (nMode 1): the story's height, standard floor, dead load and
  // live load become the page's fields for new stories. Other modes do nothing.
  virtual void ShowStoryDefaults(int nMode, UINT storKey) = 0;
};
