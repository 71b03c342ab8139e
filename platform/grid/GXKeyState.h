// The state of the modifier keys (Ctrl, Shift) as the grid reads it while it handles a key.
// The user-action driver presses plain keys; a test or host that wants Shift+Insert holds
// the modifier down around the key with GXHoldKeys.
#pragma once
#include "afx/AfxTypes.h"

// Non-zero while the key (VK_CONTROL or VK_SHIFT) is held down.
BOOL GXIsKeyDown(UINT vk);
void GXSetKeyDown(UINT vk, BOOL bDown);

// Holds modifiers down for its lifetime.
class GXHoldKeys {
 public:
  GXHoldKeys(BOOL bCtrl, BOOL bShift);
  ~GXHoldKeys();
  GXHoldKeys(const GXHoldKeys&) = delete;
  GXHoldKeys& operator=(const GXHoldKeys&) = delete;

 private:
  BOOL m_bCtrl, m_bShift;
};
