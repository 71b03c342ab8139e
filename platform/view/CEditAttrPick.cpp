#include "view/CEditAttrPick.h"

#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CEditAttrPick, CMouseEdit2)
IMPLEMENT_DYNAMIC(CEditSect, CEditAttrPick)
IMPLEMENT_DYNAMIC(CEditThik, CEditAttrPick)
IMPLEMENT_DYNAMIC(CEditMembType, CEditAttrPick)

BEGIN_MESSAGE_MAP(CEditAttrPick, CMouseEdit2)
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

void CEditAttrPick::OnSetFocus(CWnd* pOldWnd) {
  if (IsPicking()) CMouseEdit2::OnSetFocus(pOldWnd);
  else CEdit::OnSetFocus(pOldWnd);
}

BOOL CEditAttrPick::PreTranslateMessage(MSG* pMsg) {
  if (!IsPicking()) return CEdit::PreTranslateMessage(pMsg);
  return CMouseEdit2::PreTranslateMessage(pMsg);
}

CEditAttrPick::CEditAttrPick(Attr attr) : m_attr(attr) { m_nKind = KIND_MEMBER; }

BOOL CEditAttrPick::GetNumber(UINT& value) const {
  if (!m_hWnd) return FALSE;
  CString text;
  GetWindowText(text);
  text.Trim();
  if (text.IsEmpty() || text.GetLength() > 10) return FALSE;
  unsigned long long v = 0;
  for (int i = 0; i < text.GetLength(); ++i) {
    if (text[i] < '0' || text[i] > '9') return FALSE;
    v = v * 10 + (unsigned)(text[i] - '0');
  }
  if (v > 0xFFFFFFFFull) return FALSE;
  value = (UINT)v;
  return TRUE;
}

int CEditAttrPick::PickText(CString& text) const {
  char kind = 0;
  UINT key = 0;
  if (!GetSnappedObjectKey(kind, key) || kind != 'm') return 0;
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  CDBDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) return 0;
  UINT value = 0;
  if (doc->IsPostMode() || view->IsADS3DViewMode()) {
    DB_CDataBase* post = doc->GetMDBCtrl()->GetDBPost();
    auto* elems = static_cast<CClassPMemb*>(post->GetClass(CClassPMemb::m_nClassID));
    T_PMEMB_D e;
    if (!elems || !elems->Get(key, e)) return 0;
    const UINT values[] = {e.matlKey, e.sectKey, e.thikKey, e.type > 0 ? (UINT)e.type : 0u};
    value = values[m_attr];
  } else {
    auto* memb = static_cast<CClassMemb*>(doc->GetModelDB()->GetClass(CClassMemb::m_nClassID));
    T_MEMB_D m;
    if (!memb || !memb->Get(key, m)) return 0;
    switch (m_attr) {
      case ATTR_MATL: {
        int flag = 0;
        memb->GetAppliedMatlKey(key, value, flag);
        break;
      }
      case ATTR_SECT: value = m.sectKey; break;
      case ATTR_THIK: value = m.thikKey; break;
      case ATTR_TYPE: {
        CUIntArray codes;
        CStringArray names;
        CClassMemb::GetMembTypeList(codes, names);
        for (INT_PTR i = 0; i < codes.GetSize() && !value; ++i)
          if (codes[i] == (UINT)m.type) value = (UINT)(i + 1);
        break;
      }
    }
  }
  if (!value) return 0;
  text.Format("%u", value);
  return 1;
}
