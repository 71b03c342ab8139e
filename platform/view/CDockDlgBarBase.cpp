#include "view/CDockDlgBarBase.h"

#include <cstdio>
#include "db/T_DOCKBAR_PARAM.h"

namespace {
CDockDlgBarBase::HOOK g_pfnHook = nullptr;

CString Escaped(const CString& s) {
  CString out;
  for (char c : s.str()) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        if ((unsigned char)c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", (unsigned)(unsigned char)c);
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out;
}
}  // namespace

BOOL CDockDlgBarBase::ShowDlgBarMode(int nMode, const void* pParam) {
  if (!g_pfnHook) return FALSE;
  g_pfnHook(nMode, pParam);
  return TRUE;
}

CDockDlgBarBase::HOOK CDockDlgBarBase::SetHook(HOOK pfn) {
  HOOK old = g_pfnHook;
  g_pfnHook = pfn;
  return old;
}

CString CDockDlgBarBase::Describe(int nMode, const void* pParam) {
  CString out;
  if (!pParam) return out;
  if (nMode == CDlgBarMode::MEMB_CHANGE) {
    const auto* p = static_cast<const T_CHANGE_MEMB_PARAM*>(pParam);
    out.Format("change kind=%d angle=%.15g", p->kind, p->angle == 0.0 ? 0.0 : p->angle);
  } else if (nMode == CDlgBarMode::SLAB_LOAD) {
    out = "text \"" + Escaped(*static_cast<const CString*>(pParam)) + "\"";
  } else if ((nMode >= CDlgBarMode::COLM_DESIGN_TYPE && nMode <= CDlgBarMode::WALL_DESIGN_TYPE) ||
             (nMode >= CDlgBarMode::COLM_PROTECTION && nMode <= CDlgBarMode::SLAB_PROTECTION)) {
    const auto* p = static_cast<const T_MEMBTYPE_PARAM*>(pParam);
    out.Format("membtype=%d,%d,%d,%d,%d,%d,%d", p->value[0], p->value[1], p->value[2], p->value[3], p->value[4],
               p->value[5], p->value[6]);
  }
  return out;
}
