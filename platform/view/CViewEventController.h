// The model view's event dispatcher: it knows the current event handler and the object
// snapped under the cursor. One controller exists while a model view is open: the view (the
// host, a test) constructs it and Instance() returns it until it is destroyed; NULL when
// there is none.
//
// Snapped object: a point (I_ModelBase::PONTKEY) or a member (I_ModelBase::MEMBKEY) with
// its key; GetSnappedObject is 0 when nothing is snapped.
#pragma once
#include "afx/AfxTypes.h"

class I_ViewEventHandlerItem;

class CViewEventController {
 public:
  CViewEventController();
  ~CViewEventController();
  CViewEventController(const CViewEventController&) = delete;
  CViewEventController& operator=(const CViewEventController&) = delete;

  static CViewEventController* Instance();

  // The current handler (NULL: the view's own default handling). Setting one ends the
  // previous (End) and starts the new one (Start).
  void SetCurEventHandlerItem(I_ViewEventHandlerItem* pItem);
  I_ViewEventHandlerItem* GetCurEventHandlerItem() const { return m_pCurItem; }
  // A handler that ends forgets itself here.
  void RemoveEventHandlerItem(I_ViewEventHandlerItem* pItem);

  void SetSnappedObject(int nType, UINT nKey);
  void ClearSnappedObject() { m_nSnapType = 0; m_nSnapKey = 0; }
  BOOL GetSnappedObject(int& nType, UINT& nKey) const;
  BOOL HasSnappedObject() const { return m_nSnapType != 0; }

 private:
  I_ViewEventHandlerItem* m_pCurItem = nullptr;
  int m_nSnapType = 0;
  UINT m_nSnapKey = 0;
  CViewEventController* m_pPrevious = nullptr;
};
