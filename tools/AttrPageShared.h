// What the building-model and analysis-model pages of the attribute tool window share:
// the property list laid over the page's placeholder control, the closed groups of an
// empty list, the number edit's attachment, and the close button.
#pragma once
#include <initializer_list>

#include "afx/CWnd.h"
#include "uiutil/CPropList.h"

// The list over the placeholder control placeId (at the page's origin, empty, when the
// page has no such control), with the attribute and data headers.
void InitAttrPropList(CWnd& page, UINT placeId, CPropList& list);

// Empties the list and clears its key, then adds the groups (string keys) in order.
void ResetAttrGroups(CPropList& list, std::initializer_list<const char*> groupKeys);

// The page's owner is asked to close (posted) while it has a window.
void CloseAttrOwner(CWnd* pOwner);

// The number edit takes the parameter kind, hands Return to the page, takes over the
// control editId of the page and gets the focus.
template <class Edit, class Page>
void AttachNumberEdit(Edit& edit, Page* page, UINT editId, int nParamKind) {
  edit.SetParamType(nParamKind, 1, 1);
  edit.SetParentPage(page);
  edit.SubclassDlgItem(editId, page);
  edit.SetFocus();
}
