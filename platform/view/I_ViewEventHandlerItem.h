// An object that takes part in the model view's event handling. While it is the view's
// current handler (CViewEventController), the view hands it presses, double-clicks, moves,
// wheel turns, keys and general notifications; events carry no coordinates: the handler
// asks for the snapped pointer (GetUcsGcsMousePos) and the snapped object
// (GetSnappedObjectKey). A handler that is not current, or that was destroyed, hears
// nothing.
//
// The virtual operations keep the order of the view library's interface. The ...WithPos
// forms are what the view calls; by default they call the forms without a position.
// Event operations return non-zero when they used the event; the defaults use nothing.
// The rubber band, the tooltips and the tracing-line selection are the view's: the
// defaults here draw on and read from it.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "afx/CGeometry.h"

class CView;

class I_ViewEventHandlerItem {
 public:
  I_ViewEventHandlerItem() = default;
  virtual ~I_ViewEventHandlerItem();
  I_ViewEventHandlerItem(const I_ViewEventHandlerItem&) = delete;
  I_ViewEventHandlerItem& operator=(const I_ViewEventHandlerItem&) = delete;

  virtual BOOL OnView_RButtonDownWithPos(UINT /*nFlags*/, CPoint) { return OnView_RButtonDown(); }
  virtual BOOL OnView_RButtonDown() { return FALSE; }
  virtual BOOL OnView_LButtonDownWithPos(UINT /*nFlags*/, CPoint) { return OnView_LButtonDown(); }
  virtual BOOL OnView_LButtonDown() { return FALSE; }
  virtual BOOL OnView_LButtonDblClk() { return FALSE; }
  virtual BOOL OnView_MouseMove() { return FALSE; }
  virtual BOOL On_ViewMouseWheel(UINT /*nFlags*/, short /*zDelta*/, CPoint) { return FALSE; }
  virtual BOOL OnView_KeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { return FALSE; }
  virtual BOOL OnView_KeyUp(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { return FALSE; }
  virtual BOOL OnView_NotifyGeneral(UINT /*nCode*/, UINT /*wParam*/, UINT /*lParam*/) { return FALSE; }
  virtual void StartRubberBanding() {}
  virtual void SetRubberBandingArrowMode() {}
  virtual void ResetRubberBandingArrowMode() {}
  virtual void SetRubberBandingNonPolyLineMode() {}
  virtual void ResetRubberBandingNonPolyLineMode() {}
  // The band's vertices, x, y, z each (global).
  virtual void DrawRubberBanding(const CArray<double>& xyz);
  virtual void StopRubberBanding();
  virtual void Set_Snap_Point_Preset() {}
  virtual void Set_Snap_Member_Preset() {}
  virtual void Set_Snap_PointGrid_Preset() {}
  virtual void Set_Snap_LineGrid_Preset() {}
  virtual void Set_Snap_DummyLine_Preset() {}
  virtual void Set_Snap_DummyLineSnapOther() {}
  virtual void Set_Snap_Node_Preset() {}
  virtual void Set_Snap_ElementCenter_Preset() {}
  virtual void Reset_SnapPreset() {}
  // The view's tracing-line select mode and the segments selected in it.
  virtual void TracingLine_ResetSelectMode();
  virtual void TracingLine_SetSelectMode(int n1, int n2, int n3);
  virtual int TracingLine_IsSelectMode();
  virtual int TracingLine_GetCurSelectedKeys(CUIntArray& keys);
  // The model database's selected members and points (CViewCtrl).
  virtual int Member_GetCurSelectedKeys(CUIntArray& keys);
  virtual int Point_GetCurSelectedKeys(CUIntArray& keys);
  virtual int TracingLine_IsExistSelection();
  virtual int IsSelectionMode();
  virtual void ResetSelectionMode();
  // Heard by the handler that stops being current and by the one that becomes current.
  virtual void OnChangeCurEventHandlerItem(I_ViewEventHandlerItem* /*pOld*/, I_ViewEventHandlerItem* /*pNew*/) {}

  // ---- Services ----
  // Become the view's current handler / give that up (nothing when not current). 0
  // without a view.
  BOOL Start();
  void End();
  BOOL IsCurrent() const;
  // The snapped pointer in the view's coordinates, then global. 0 without a view.
  BOOL GetUcsGcsMousePos(double& ux, double& uy, double& uz, double& gx, double& gy, double& gz) const;
  // The snapped object: 'p' a point, 'm' a member; 0 when nothing is snapped.
  BOOL GetSnappedObjectKey(char& kind, UINT& key) const;
  BOOL IsExistSnappedObject() const;
  // The tooltip beside the cursor: First starts it with a text, Next adds one.
  void AddWidgetToolTipFirst(const char* text);
  void AddWidgetToolTipNext(const char* text);
  void ResetWidgetToolTips();
  // The pointer is over the view (set by the view with each move it delivers).
  BOOL IsHover() const { return m_bHover; }
  void SetHover(BOOL b) { m_bHover = b; }

 private:
  BOOL m_bHover = FALSE;
};
