// An object that takes part in the model view's event handling: while it is the view's
// current handler (CViewEventController), the view hands it mouse and key events, snaps and
// rubber-band ends. Each On... returns non-zero when it used the event; the defaults use
// nothing. Start and End are called when it becomes and stops being the current handler.
#pragma once
#include "afx/CGeometry.h"
#include "afx/AfxTypes.h"

class CView;

class I_ViewEventHandlerItem {
 public:
  I_ViewEventHandlerItem() = default;
  virtual ~I_ViewEventHandlerItem();

  virtual void Start() {}
  virtual void End() {}

  virtual BOOL OnView_RButtonDown(CView*, UINT /*nFlags*/, CPoint) { return FALSE; }
  virtual BOOL OnView_LButtonDown(CView*, UINT /*nFlags*/, CPoint) { return FALSE; }
  virtual BOOL OnView_LButtonDblClk(CView*, UINT /*nFlags*/, CPoint) { return FALSE; }
  virtual BOOL OnView_MouseMove(CView*, UINT /*nFlags*/, CPoint) { return FALSE; }
  virtual BOOL On_ViewMouseWheel(CView*, UINT /*nFlags*/, short /*zDelta*/, CPoint) { return FALSE; }
  virtual BOOL OnView_KeyDown(CView*, UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { return FALSE; }
  virtual BOOL OnView_KeyUp(CView*, UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { return FALSE; }
  // A general notification of the view (code and argument are the view's).
  virtual BOOL OnView_NotifyGeneral(CView*, UINT /*nCode*/, LPARAM /*lParam*/) { return FALSE; }
};
