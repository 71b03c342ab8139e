// The root of everything that has a message map: windows, the application, threads.
// Message-map entries and the macros that build them are in AfxMsgMap.h.
#pragma once
#include <bit>
#include "afx/CObject.h"
#include "afx/AfxWinDefs.h"

class CCmdTarget;
class CCmdUI;
typedef void (CCmdTarget::*AFX_PMSG)();

// Converts between pointer-to-member-function types of one size (the handler table stores
// every handler as AFX_PMSG and converts it back to its own signature to call it).
template <class To, class From>
inline To AfxPmfCast(From f) {
  static_assert(sizeof(To) == sizeof(From));
  return std::bit_cast<To>(f);
}

// One entry of a message map. nMessage is the message (WM_COMMAND and WM_NOTIFY entries also
// name the notification code and the id range); pRegMsg, when set, points at a registered
// message id that is looked up at dispatch time.
struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  int nSig;            // AfxSig: the handler's signature
  AFX_PMSG pfn;
  const UINT* pRegMsg;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget() = default;
  // Routes a command (WM_COMMAND code nCode from id nID) through the message map, this
  // class's entries first, then its bases'. With pExtra and pHandlerInfo NULL the handler is
  // called; nonzero when one handled it. CN_UPDATE_COMMAND_UI with a CCmdUI in pExtra runs
  // the update handlers.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

  virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
  static const AFX_MSGMAP* GetThisMessageMap();

  // The entry of map chain pMap for that message, code and id, or NULL.
  static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode,
                                                  UINT nID);
};

// The pseudo-notification that asks for the enabled/checked state of a command.
enum : int { CN_COMMAND = 0, CN_UPDATE_COMMAND_UI = -1 };

// Command-state query for ON_UPDATE_COMMAND_UI handlers (UpdateDialogControls).
class CCmdUI {
 public:
  UINT m_nID = 0;
  CCmdTarget* m_pOther = nullptr;   // the control (a CWnd) when the command is a control's
  BOOL m_bEnableChanged = FALSE;
  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);
  virtual void SetText(LPCTSTR text);
};
