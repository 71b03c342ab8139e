// The section preview: a static control of a section page, taken over to draw one section
// record to scale with the marks of its offset point, centroid and display centre.
#pragma once
#include "afx/CWnd.h"
#include "db/SectRecord.h"
#include "properties/CCMSecShapeBuilder.h"
#include "properties/CCMSecViewRect.h"

class CCMSecViewWnd : public CWnd {
 public:
  CCMSecViewWnd();
  ~CCMSecViewWnd() override;

  // Subclasses the control's window, adds WS_CLIPCHILDREN and takes the control's client
  // rectangle as the drawing area. FALSE when the window cannot be subclassed.
  BOOL SubclassCtrl(CWnd* pCtrl);
  // The record to draw (not owned, not copied: it must stay valid while the window can
  // paint) and the owner's option. Does not repaint: the owner invalidates the window.
  void SetSectData(T_SECT_D* pSect, int nOption);

  T_SECT_D* m_pSect;             // drawn on every paint; NULL paints the background only
  CCMSecViewRect m_rect;         // erases, fits and draws
  CCMSecShapeBuilder m_builder;  // turns the record into figures
  int m_nOption;                 // stored for the owner; no effect on the drawing
  int m_bMirror;                 // always 0: the outline is never mirrored

 protected:
  // Erases white, then the default processing.
  BOOL OnEraseBkgnd(CDC* pDC);
  // Recomputes the record's properties in place, builds the outline and draws it.
  void OnPaint();

  DECLARE_MESSAGE_MAP()
};
