// The catalogue of section shapes the application offers, per section kind: for each
// shape its 25 x 25 picture (a bitmap id of the module's resources), its display name,
// its shape code (steel and concrete kinds only) and its shape index. All data are
// static and filled once, on first use; an instance holds nothing.
//
// Kinds of the getters: 1 steel, 2 reinforced concrete, 3 SRC, 4 tapered, 5 value,
// 6 combined. Any other kind gives an empty array. The display names are the texts of
// their keys when the catalogue was filled.
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

class CCMSectInfo {
 public:
  CCMSectInfo();
  CCMSectInfo(const CCMSectInfo&);
  CCMSectInfo& operator=(const CCMSectInfo&);
  virtual ~CCMSectInfo();

  enum : UINT { KIND_STEEL = 1, KIND_RC, KIND_SRC, KIND_TAPERED, KIND_VALUE, KIND_COMBINED };

  // Each fills the catalogue when needed, empties out and copies the kind's array into it;
  // each returns 1.
  static int GetBitmapID(UINT nKind, CArray<UINT, UINT>& out);
  static int GetSectName(UINT nKind, CArray<CString, CString>& out);
  static int GetShapeName(UINT nKind, CArray<CString, CString>& out);
  static int GetShapeIndex(UINT nKind, CArray<DWORD, DWORD>& out);

  // The picture of a shape code of a section type (T_SECT_D::iType: 1 regular, steel
  // shapes first, then concrete; 2 SRC; 3 value; 4 combined; 5 tapered). id is 0 unless a
  // picture is found. 0 for an empty code, a type without pictures or a position beyond
  // the kind's pictures; 1 otherwise (id 0 when no shape of the kind has the code).
  static int GetBitmapIDFromShapeName(int nSectType, const char* pszShape, UINT& id);

  static CArray<UINT, UINT> m_aBitmapID_Steel, m_aBitmapID_RC, m_aBitmapID_SRC,
      m_aBitmapID_Tapered, m_aBitmapID_Value, m_aBitmapID_Combined;
  static CArray<CString, CString> m_aSectName_Steel, m_aSectName_RC, m_aSectName_SRC,
      m_aSectName_Tapered, m_aSectName_Value, m_aSectName_Combined;
  static CArray<CString, CString> m_aShapeName_Steel, m_aShapeName_RC, m_aShapeName_SRC,
      m_aShapeName_Tapered, m_aShapeName_Value, m_aShapeName_Combined;
  static CArray<DWORD, DWORD> m_anShapeIndex_Steel, m_anShapeIndex_RC, m_anShapeIndex_SRC,
      m_anShapeIndex_Tapered, m_anShapeIndex_Value, m_anShapeIndex_Combined;
  static int m_bInitialized;

 private:
  static int Initialize();
};
