// The model view's event controller: the current handler, the pointer and what it snapped
// to, the rubber band and the tooltip. One controller exists while a model view is open:
// the view (the host, a test) constructs it and Instance() returns it until it is
// destroyed; NULL when there is none.
//
// The pointer is placed in the coordinates of the current model view (I_ModelBase) and
// snapped by the main toolbar's switches, first match, within SNAP_RADIUS (0.2 m):
//   33147 the nearest point; 33146 a line member whose axis passes within reach (the
//   pointer goes to the nearest point of the axis), else an area member containing the
//   pointer; 33785 the centre of a visible tracing-line segment; 33054 the nearest node
//   of the 1 m grid (the view's x and y); else the pointer itself, nothing snapped.
// In a plan view distances are in plan and only the objects of the view's story count; in
// the 3D views distances are in space. In post-processing and in the analysis view the
// analysis model's nodes and elements stand for the points and members: only those the
// analysis model holds snap (under their keys), a node at its own position. Points and members are found through the model's
// plan indexes, never by a walk of the tables.
//
// Delivery: every event goes to the current handler only, after the pointer was placed;
// the handler reads the pointer through its own services.
#pragma once
#include <string>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "afx/CGeometry.h"

class I_ViewEventHandlerItem;
class I_ModelBase;

class CViewEventController {
 public:
  enum : int { SNAP_NONE = 0, SNAP_POINT = 1, SNAP_MEMB = 2 };
  static constexpr double SNAP_RADIUS = 0.2;
  static constexpr double GRID_STEP = 1.0;

  CViewEventController();
  ~CViewEventController();
  CViewEventController(const CViewEventController&) = delete;
  CViewEventController& operator=(const CViewEventController&) = delete;

  static CViewEventController* Instance();

  // The current handler (NULL: the view's own handling). A change tells the old and the
  // new handler (OnChangeCurEventHandlerItem).
  void SetCurEventHandlerItem(I_ViewEventHandlerItem* pItem);
  I_ViewEventHandlerItem* GetCurEventHandlerItem() const { return m_pCurItem; }
  // A destroyed handler forgets itself here.
  void RemoveEventHandlerItem(I_ViewEventHandlerItem* pItem);

  // ---- The pointer ----
  // Places the pointer at a position of the current view and snaps it.
  void MovePointer(double x, double y, double z);
  void GetPointer(double& ux, double& uy, double& uz, double& gx, double& gy, double& gz) const;
  void GetRawPointer(double& ux, double& uy, double& uz) const;
  void SetSnappedObject(int nType, UINT nKey);
  void ClearSnappedObject() { m_nSnapType = SNAP_NONE, m_nSnapKey = 0; }
  BOOL GetSnappedObject(int& nType, UINT& nKey) const;
  BOOL HasSnappedObject() const { return m_nSnapType != SNAP_NONE; }

  // ---- Events for the current handler (the pointer placed first by the caller) ----
  void Move();
  void LButtonDown(UINT nFlags = 0);
  void LButtonDblClk();
  void RButtonDown(UINT nFlags = 0);
  void MouseWheel(short zDelta, UINT nFlags = 0);
  void KeyDown(UINT nChar, UINT nFlags = 0);
  void KeyUp(UINT nChar, UINT nFlags = 0);
  void NotifyGeneral(UINT nCode, UINT wParam, UINT lParam);

  // ---- Drawn beside the pointer ----
  void SetBand(const CArray<double>& xyz) { m_band = xyz.vec(); }
  void ClearBand() { m_band.clear(); }
  const std::vector<double>& GetBand() const { return m_band; }
  void SetToolTipFirst(const char* text) { m_tips.assign(1, text ? text : ""); }
  void AddToolTip(const char* text) { m_tips.push_back(text ? text : ""); }
  void ClearToolTips() { m_tips.clear(); }
  const std::vector<std::string>& GetToolTips() const { return m_tips; }

 private:
  void Snap();
  CPoint ScreenPoint() const;

  I_ViewEventHandlerItem* m_pCurItem = nullptr;
  double m_raw[3] = {0, 0, 0};  // the pointer as placed (view coordinates)
  double m_ucs[3] = {0, 0, 0}, m_gcs[3] = {0, 0, 0};
  int m_nSnapType = SNAP_NONE;
  UINT m_nSnapKey = 0;
  std::vector<double> m_band;
  std::vector<std::string> m_tips;
  CViewEventController* m_pPrevious = nullptr;
};
