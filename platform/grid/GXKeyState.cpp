#include "grid/GXKeyState.h"
#include "afx/AfxWinDefs.h"

namespace {
BOOL s_ctrl = FALSE, s_shift = FALSE;
}

BOOL GXIsKeyDown(UINT vk) { return vk == VK_CONTROL ? s_ctrl : vk == VK_SHIFT ? s_shift : FALSE; }

void GXSetKeyDown(UINT vk, BOOL bDown) {
  if (vk == VK_CONTROL) s_ctrl = bDown;
  if (vk == VK_SHIFT) s_shift = bDown;
}

GXHoldKeys::GXHoldKeys(BOOL bCtrl, BOOL bShift) : m_bCtrl(GXIsKeyDown(VK_CONTROL)), m_bShift(GXIsKeyDown(VK_SHIFT)) {
  GXSetKeyDown(VK_CONTROL, bCtrl);
  GXSetKeyDown(VK_SHIFT, bShift);
}

GXHoldKeys::~GXHoldKeys() {
  GXSetKeyDown(VK_CONTROL, m_bCtrl);
  GXSetKeyDown(VK_SHIFT, m_bShift);
}
