#include "properties/CCMSectInfo.h"

#include "db/CSectUtil.h"
#include "ui/CMsgDll.h"

namespace {

// One shape of a kind: picture, name key, shape code (steel and concrete) and, for the
// kinds without codes, the shape index (-1: the shape's position).
struct SShapeRow {
  UINT nBitmap;
  const char* pszKey;
  const char* pszCode;
  int nIndex;
};

const SShapeRow kSteel[] = {
    {14108, "IDS_WG_CMD__ADDD__H_Section", "H", -1},
    {14109, "IDS_WG_CMD__ADDD__Box", "B", -1},
    {14110, "IDS_WG_CMD__ADDD__Pipe", "P", -1},
    {14111, "IDS_WG_CMD__ADDD__Channel", "C", -1},
    {14112, "IDS_WG_CMD__ADDD__T_Section", "T", -1},
    {14113, "IDS_WG_CMD__ADDD__Angle", "L", -1},
    {14117, "IDS_WG_CMD__ADDD__Solid_Rectangle", "SB", -1},
    {14118, "IDS_WG_CMD__ADDD__Solid_Round", "SR", -1},
    {14116, "IDS_WG_CMD__ADDD__Double_Channel", "2C", -1},
    {14115, "IDS_WG_CMD__ADDD__Double_Angle", "2L", -1},
};

const SShapeRow kRC[] = {
    {14117, "IDS_WG_CMD__ADDD__Solid_Rectangle", "SB", -1},
    {14118, "IDS_WG_CMD__ADDD__Solid_Round", "SR", -1},
    {14108, "IDS_WG_CMD__ADDD__H_Section", "H", -1},
    {14112, "IDS_WG_CMD__ADDD__T_Section", "T", -1},
    {14113, "IDS_WG_CMD__ADDD__Angle", "L", -1},
    {14109, "IDS_WG_CMD__ADDD__Box", "B", -1},
    {14110, "IDS_WG_CMD__ADDD__Pipe", "P", -1},
    {14226, "IDS_WG_CMD__ADDD__Cross", "CR", -1},
};

const SShapeRow kSRC[] = {
    {14069, "IDS_WG_CMD__ADDD__Rect_Box_Open", nullptr, -1},
    {14070, "IDS_WG_CMD__ADDD__Rect_Box_Close", nullptr, -1},
    {14071, "IDS_WG_CMD__ADDD__Rect_Pipe_Open", nullptr, -1},
    {14072, "IDS_WG_CMD__ADDD__Rect_Pipe_Close", nullptr, -1},
    {14073, "IDS_WG_CMD__ADDD__Circle_Box_Open", nullptr, -1},
    {14074, "IDS_WG_CMD__ADDD__Circle_Box_Close", nullptr, -1},
    {14075, "IDS_WG_CMD__ADDD__Circle_Pipe_Open", nullptr, -1},
    {14076, "IDS_WG_CMD__ADDD__Circle_Pipe_Close", nullptr, -1},
    {14077, "IDS_WG_CMD__ADDD__SRC_Box", nullptr, -1},
    {14078, "IDS_WG_CMD__ADDD__SRC_Pipe", nullptr, -1},
    {14079, "IDS_WG_CMD__ADDD__Rect_HBeam", nullptr, -1},
    {14080, "IDS_WG_CMD__ADDD__Circle_HBeam", nullptr, -1},
    {17446, "IDS_WG_CMD__ADDD__Rect_CrossBeam", nullptr, -1},
    {17449, "IDS_WG_CMD__ADDD__Rect_H2T", nullptr, -1},
};

const SShapeRow kTapered[] = {
    {14089, "IDS_CMD_THIK_Solid_Rectangle", nullptr, 8},
    {14083, "IDS_CMD_THIK_H_Section", nullptr, 2},
    {14084, "IDS_CMD_THIK_T_Section", nullptr, 3},
    {14085, "IDS_CMD_THIK_Box", nullptr, 4},
    {14086, "IDS_CMD_THIK_Pipe", nullptr, 5},
    {14090, "IDS_CMD_THIK_Solid_Round", nullptr, 9},
};

const SShapeRow kValue[] = {
    {14056, "IDS_CMD_THIK_Angle", nullptr, -1},
    {14046, "IDS_CMD_THIK_Channel", nullptr, -1},
    {14047, "IDS_CMD_THIK_H_Section", nullptr, -1},
    {14048, "IDS_CMD_THIK_T_Section", nullptr, -1},
    {14049, "IDS_CMD_THIK_Box", nullptr, -1},
    {14050, "IDS_CMD_THIK_Pipe", nullptr, -1},
    {14051, "IDS_CMD_THIK_Double_Angle", nullptr, -1},
    {14052, "IDS_CMD_THIK_Double_Channel", nullptr, -1},
    {14053, "IDS_CMD_THIK_Solid_Rectangle", nullptr, -1},
    {14054, "IDS_CMD_THIK_Solid_Round", nullptr, -1},
};

const SShapeRow kCombined[] = {
    {14008, "IDS_CMD_SECT_COMB__2I_Combined_Shape", nullptr, -1},
    {14009, "IDS_CMD_SECT_COMB__I_C_Combined_Shape", nullptr, -1},
    {14010, "IDS_CMD_SECT_COMB__I_C_Combined_Shape2", nullptr, -1},
    {14011, "IDS_CMD_SECT_COMB__I_T_Combined_Shape", nullptr, -1},
    {14012, "IDS_CMD_SECT_COMB__2T_Web_Opened_I_", nullptr, -1},
    {14013, "IDS_CMD_SECT_COMB__2T_Web_Opened_I_2", nullptr, -1},
    {14014, "IDS_CMD_SECT_COMB__I_Shape_with_2T_or_Web", nullptr, -1},
    {14015, "IDS_CMD_SECT_COMB__Web_Opened_I_with_Stiffener", nullptr, -1},
    {14022, "IDS_CMD_SECT_COMB__2C_with_Web_Plate1", nullptr, -1},
    {14023, "IDS_CMD_SECT_COMB__2C_with_Web_Plate2", nullptr, -1},
    {14024, "IDS_CMD_SECT_COMB__C_with_Web_Plate1", nullptr, -1},
    {14025, "IDS_CMD_SECT_COMB__C_with_Web_Plate2", nullptr, -1},
    {14026, "IDS_CMD_SECT_COMB__4_Angle", nullptr, -1},
    {14027, "IDS_CMD_SECT_COMB__I_shape_with_Plate", nullptr, -1},
};

template <size_t N>
void Fill(const SShapeRow (&rows)[N], CArray<UINT, UINT>& bitmaps, CArray<CString, CString>& names,
          CArray<CString, CString>& codes, CArray<DWORD, DWORD>& indexes) {
  bitmaps.RemoveAll();
  names.RemoveAll();
  codes.RemoveAll();
  indexes.RemoveAll();
  for (size_t i = 0; i < N; ++i) {
    const SShapeRow& r = rows[i];
    bitmaps.Add(r.nBitmap);
    names.Add(CString(CMsgDll::pfuncLoadStr(r.pszKey, 0)));
    int nIndex = r.nIndex >= 0 ? r.nIndex : (int)i;
    if (r.pszCode) {
      codes.Add(CString(r.pszCode));
      nIndex = CSectUtil::GetShapeIndexFromNameReg(r.pszCode);
    }
    indexes.Add((DWORD)nIndex);
  }
}

// The first position of nIndex among the indexes, or -1.
int FindIndex(const CArray<DWORD, DWORD>& indexes, int nIndex) {
  for (INT_PTR i = 0; i < indexes.GetSize(); ++i)
    if ((int)indexes[i] == nIndex) return (int)i;
  return -1;
}

// Looks nIndex up in one kind. 1 with the picture or with id 0 when not found; 0 when the
// position has no picture.
int PictureOf(const CArray<DWORD, DWORD>& indexes, const CArray<UINT, UINT>& bitmaps, int nIndex,
              UINT& id) {
  const int nPos = FindIndex(indexes, nIndex);
  if (nPos < 0) return 1;
  if (nPos >= bitmaps.GetSize()) return 0;
  id = bitmaps[nPos];
  return 1;
}

}  // namespace

CArray<UINT, UINT> CCMSectInfo::m_aBitmapID_Steel, CCMSectInfo::m_aBitmapID_RC,
    CCMSectInfo::m_aBitmapID_SRC, CCMSectInfo::m_aBitmapID_Tapered, CCMSectInfo::m_aBitmapID_Value,
    CCMSectInfo::m_aBitmapID_Combined;
CArray<CString, CString> CCMSectInfo::m_aSectName_Steel, CCMSectInfo::m_aSectName_RC,
    CCMSectInfo::m_aSectName_SRC, CCMSectInfo::m_aSectName_Tapered, CCMSectInfo::m_aSectName_Value,
    CCMSectInfo::m_aSectName_Combined;
CArray<CString, CString> CCMSectInfo::m_aShapeName_Steel, CCMSectInfo::m_aShapeName_RC,
    CCMSectInfo::m_aShapeName_SRC, CCMSectInfo::m_aShapeName_Tapered,
    CCMSectInfo::m_aShapeName_Value, CCMSectInfo::m_aShapeName_Combined;
CArray<DWORD, DWORD> CCMSectInfo::m_anShapeIndex_Steel, CCMSectInfo::m_anShapeIndex_RC,
    CCMSectInfo::m_anShapeIndex_SRC, CCMSectInfo::m_anShapeIndex_Tapered,
    CCMSectInfo::m_anShapeIndex_Value, CCMSectInfo::m_anShapeIndex_Combined;
int CCMSectInfo::m_bInitialized = 0;

CCMSectInfo::CCMSectInfo() { Initialize(); }
CCMSectInfo::CCMSectInfo(const CCMSectInfo&) { Initialize(); }
CCMSectInfo& CCMSectInfo::operator=(const CCMSectInfo&) { return *this; }
CCMSectInfo::~CCMSectInfo() = default;

int CCMSectInfo::Initialize() {
  if (m_bInitialized) return 1;
  Fill(kSteel, m_aBitmapID_Steel, m_aSectName_Steel, m_aShapeName_Steel, m_anShapeIndex_Steel);
  Fill(kRC, m_aBitmapID_RC, m_aSectName_RC, m_aShapeName_RC, m_anShapeIndex_RC);
  Fill(kSRC, m_aBitmapID_SRC, m_aSectName_SRC, m_aShapeName_SRC, m_anShapeIndex_SRC);
  Fill(kTapered, m_aBitmapID_Tapered, m_aSectName_Tapered, m_aShapeName_Tapered,
       m_anShapeIndex_Tapered);
  Fill(kValue, m_aBitmapID_Value, m_aSectName_Value, m_aShapeName_Value, m_anShapeIndex_Value);
  Fill(kCombined, m_aBitmapID_Combined, m_aSectName_Combined, m_aShapeName_Combined,
       m_anShapeIndex_Combined);
  m_bInitialized = 1;
  return 1;
}

namespace {

template <class A>
A* OfKind(UINT nKind, A& steel, A& rc, A& src, A& tapered, A& value, A& combined) {
  A* const all[] = {&steel, &rc, &src, &tapered, &value, &combined};
  return nKind >= 1 && nKind <= 6 ? all[nKind - 1] : nullptr;
}

template <class A>
int CopyKind(A* pSource, A& out) {
  out.RemoveAll();
  if (pSource) out.Copy(*pSource);
  return 1;
}

}  // namespace

int CCMSectInfo::GetBitmapID(UINT nKind, CArray<UINT, UINT>& out) {
  Initialize();
  return CopyKind(OfKind(nKind, m_aBitmapID_Steel, m_aBitmapID_RC, m_aBitmapID_SRC,
                         m_aBitmapID_Tapered, m_aBitmapID_Value, m_aBitmapID_Combined),
                  out);
}

int CCMSectInfo::GetSectName(UINT nKind, CArray<CString, CString>& out) {
  Initialize();
  return CopyKind(OfKind(nKind, m_aSectName_Steel, m_aSectName_RC, m_aSectName_SRC,
                         m_aSectName_Tapered, m_aSectName_Value, m_aSectName_Combined),
                  out);
}

int CCMSectInfo::GetShapeName(UINT nKind, CArray<CString, CString>& out) {
  Initialize();
  return CopyKind(OfKind(nKind, m_aShapeName_Steel, m_aShapeName_RC, m_aShapeName_SRC,
                         m_aShapeName_Tapered, m_aShapeName_Value, m_aShapeName_Combined),
                  out);
}

int CCMSectInfo::GetShapeIndex(UINT nKind, CArray<DWORD, DWORD>& out) {
  Initialize();
  return CopyKind(OfKind(nKind, m_anShapeIndex_Steel, m_anShapeIndex_RC, m_anShapeIndex_SRC,
                         m_anShapeIndex_Tapered, m_anShapeIndex_Value, m_anShapeIndex_Combined),
                  out);
}

int CCMSectInfo::GetBitmapIDFromShapeName(int nSectType, const char* pszShape, UINT& id) {
  Initialize();
  id = 0;
  if (!pszShape || !*pszShape) return 0;
  switch (nSectType) {
    case 1: {
      const int nIndex = CSectUtil::GetShapeIndexFromNameReg(pszShape);
      if (FindIndex(m_anShapeIndex_Steel, nIndex) >= 0)
        return PictureOf(m_anShapeIndex_Steel, m_aBitmapID_Steel, nIndex, id);
      return PictureOf(m_anShapeIndex_RC, m_aBitmapID_RC, nIndex, id);
    }
    case 2:
      return PictureOf(m_anShapeIndex_SRC, m_aBitmapID_SRC,
                       CSectUtil::GetShapeIndexFromNameSrc(pszShape), id);
    case 3:
      return PictureOf(m_anShapeIndex_Value, m_aBitmapID_Value,
                       CSectUtil::GetShapeIndexFromNameReg(pszShape), id);
    case 4:
      return PictureOf(m_anShapeIndex_Combined, m_aBitmapID_Combined,
                       CSectUtil::GetShapeIndexFromNameCom(pszShape), id);
    case 5:
      return PictureOf(m_anShapeIndex_Tapered, m_aBitmapID_Tapered,
                       CSectUtil::GetShapeIndexFromNameReg(pszShape), id);
    default:
      return 0;
  }
}
