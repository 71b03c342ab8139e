#include "tools/ElemAttrRows.h"

#include <cmath>
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "tools/AttrChoices.h"
#include "ui/CMsgDll.h"
#include "ui/CNumericOptimizer.h"
#include "uiutil/CPropList.h"

namespace {

enum ElemKind { COL, BEAM, SBEAM, WALLH, WALL, SLAB, BRACE };
constexpr unsigned Bit(ElemKind k) { return 1u << k; }
constexpr unsigned kCol = Bit(COL), kBeam = Bit(BEAM), kSBeam = Bit(SBEAM), kSlab = Bit(SLAB), kBrace = Bit(BRACE);
constexpr unsigned kWalls = Bit(WALLH) | Bit(WALL);
constexpr unsigned kBeams = kBeam | kSBeam;
constexpr unsigned kLines = kCol | kBeams | kBrace;

struct TypeKind {
  int type;
  ElemKind kind;
};
constexpr TypeKind kTypes[] = {{101, COL},   {201, BEAM}, {205, SBEAM}, {204, WALLH},
                               {210, WALLH}, {209, WALL}, {301, SLAB},  {206, BRACE}};

bool KindOf(int type, ElemKind& kind) {
  for (const TypeKind& t : kTypes)
    if (t.type == type) return kind = t.kind, true;
  return false;
}

// Groups by kind.
constexpr unsigned kDesignGroup = kCol | kBeam | kWalls | kSlab;
constexpr unsigned kLoadGroup = kLines | kSlab;
constexpr unsigned kFactGroup = kLines | kWalls;

// The design rows, in order: label, choice list, word of the design-type block (1-based).
struct DesignRow {
  unsigned kinds;
  const char* label;
  void (*choices)(CStringArray&);
  int word;
};
constexpr DesignRow kDesignRows[] = {
    {kCol, "IDS_CMD_ATTR_MEMB_COL_LOW_STORY", FillAutoYesNoChoices, 1},
    {kCol, "IDS_CMD_ATTR_MEMB_COL_TRANS", FillAutoYesNoChoices, 2},
    {kCol, "IDS_CMD_ATTR_MEMB_COL_CORNER", FillAutoYesNoChoices, 3},
    {kCol, "IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", FillAutoYesNoChoices, 4},
    {kCol, "IDS_CMD_ATTR_MEMB_COL_PROTECT", FillAutoYesNoChoices, 5},
    {kBeam, "IDS_CMD_ATTR_MEMB_BEAM_FRAME", FillBeamFrameChoices, 1},
    {kBeam, "IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER", FillAutoYesNoChoices, 2},
    {kBeam, "IDS_CMD_ATTR_MEMB_BEAM_BJPB", FillAutoYesNoChoices, 3},
    {kBeam, "IDS_CMD_ATTR_MEMB_BEAM_MIDDLE", FillAutoBrJrMrChoices, 4},
    {kBeam, "IDS_CMD_ATTR_MEMB_BEAM_TRANS", FillAutoYesNoChoices, 5},
    {kBeam, "IDS_CMD_ATTR_MEMB_BEAM_PROTECT", FillAutoYesNoChoices, 6},
    {kWalls, "IDS_CMD_ATTR_MEMB_WALL_SHEAR", FillWallShearChoices, 1},
    {kWalls, "IDS_CMD_ATTR_MEMB_WALL_INFORCE", FillWallInforceChoices, 2},
    {kWalls, "IDS_CMD_ATTR_MEMB_WALL_GJRJ", FillAutoYesNoChoices, 3},
    {kWalls, "IDS_CMD_ATTR_MEMB_WALL_PROT_BASE", FillIbKindChoices, 4},
    {kSlab, "IDS_CMD_ATTR_MEMB_SLAB_PROTECT", FillAutoIbJpLpChoices, 1},
};

// The factor and hinge rows. Strips by kind (column, beams, walls, brace): the first,
// second and fourth button ids; the third button is the delete message.
enum FactValue { FV_GRADE, FV_DEC, FV_MOMENT, FV_TORSION, FV_SEIS, FV_EFFECT, FV_PUSH, FV_INEL };
enum StripKind { ST_COL, ST_BEAM, ST_WALL, ST_BRACE, ST_COUNT };
struct FactRow {
  bool hinge;  // in the hinge group, else in the factor group
  unsigned kinds;
  const char* label;
  FactValue value;
  UINT ids[ST_COUNT][3];
};
constexpr FactRow kFactRows[] = {
    {false, kLines | kWalls, "IDS_CMD_ATTR_MEMB_LVL", FV_GRADE,
     {{34405, 34459, 34498}, {34405, 34459, 34498}, {34406, 34459, 34498}, {34405, 34459, 34498}}},
    {false, kCol | kBeams | kWalls, "IDS_CMD_ATTR_MEMB_DEC_FACT", FV_DEC,
     {{34407, 34462, 34499}, {34408, 34463, 34500}, {34407, 34462, 34499}, {}}},
    {false, kBeams, "IDS_CMD_ATTR_MEMB_MOMENT_FACT", FV_MOMENT, {{}, {33647, 34465, 34502}, {}, {}}},
    {false, kBeams, "IDS_CMD_ATTR_MEMB_TORSION_FACT", FV_TORSION, {{}, {33648, 34466, 34503}, {}, {}}},
    {false, kLines | kWalls, "IDS_CMD_ATTR_MEMB_SEIS_FACT", FV_SEIS,
     {{33650, 34467, 34504}, {33650, 34467, 34504}, {33650, 34467, 34504}, {33650, 34467, 34504}}},
    {false, kCol | kWalls, "IDS_CMD_ATTR_MEMB_EFFECT_FACT", FV_EFFECT,
     {{33651, 34468, 34505}, {}, {33651, 34468, 34505}, {}}},
    {true, kLines | kWalls, "IDS_CMD_ATTR_MEMB_PUSH_HINGE", FV_PUSH,
     {{34524, 34476, 34519}, {34524, 34476, 34519}, {34525, 34476, 34519}, {34526, 34476, 34519}}},
    {true, kLines | kWalls, "IDS_CMD_ATTR_MEMB_INELASTIC_HINGE", FV_INEL,
     {{34527, 34521, 34520}, {34527, 34521, 34520}, {34528, 34521, 34520}, {34529, 34521, 34520}}},
};

constexpr UINT kCmdLoad = 34511, kCmdTemperature = 34515;

StripKind StripOf(ElemKind k) {
  switch (k) {
    case COL: return ST_COL;
    case BEAM:
    case SBEAM: return ST_BEAM;
    case WALLH:
    case WALL: return ST_WALL;
    default: return ST_BRACE;
  }
}

CString Str(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }
CString ExistText(int flag) { return Str(flag ? "IDS_CMD_ATTR_EXIST" : "IDS_CMD_ATTR_NONE"); }

CString KeyName(UINT key, const CString& name) {
  CString s;
  s.Format("%d%s%s", (int)key, ":", name.c_str());
  return s;
}

class RowWriter {
 public:
  RowWriter(CPropList& list, const T_MATR_D& m, const T_ELEM_ROWS_PARAM& p, ElemKind kind)
      : m_list(list), m_m(m), m_p(p), m_kind(kind), m_bit(Bit(kind)) {
    if (CUnitCtrl* unit = CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetUnitCtrl() : nullptr) m_pUnit = unit;
  }

  void Fill() {
    m_list.RemoveAll();
    General();
    if (Has(kDesignGroup)) Design();
    if (Has(kLoadGroup)) Loads();
    if (Has(kFactGroup)) Facts(false);
    if (Has(kFactGroup)) Facts(true);
    m_list.ExpandAll(TRUE);
  }

 private:
  bool Has(unsigned kinds) const { return (kinds & m_bit) != 0; }

  CString UnitLabel(int kind) const {
    CString s;
    if (m_pUnit) m_pUnit->GetUnitSystem(kind, s);
    return s;
  }
  double Out(int kind, double v) const { return m_pUnit ? m_pUnit->ConvertOut(kind, v) : v; }
  CString Labelled(const char* key, const char* format, int unitKind) const {
    CString s;
    s.Format(format, Str(key).c_str(), UnitLabel(unitKind).c_str());
    return s;
  }

  CString TypeText() const {
    if (m_kind != SLAB) return m_m.typeText;
    CString s;
    switch (m_p.subtype) {
      case 3: s.Format("%s(%s)", m_m.typeText.c_str(), Str("IDS_CMD_MEMB_TYPE_ROOF").c_str()); return s;
      case 1: return Str("IDS_CMD_MEMB_TYPE_STAIR_SLAB");
      case 2:
        s.Format("%s(%s)", Str("IDS_CMD_MEMB_TYPE_STAIR_SLAB").c_str(), Str("IDS_CMD_MEMB_TYPE_STAIR_LSPACE").c_str());
        return s;
      default: return m_m.typeText;
    }
  }

  CString ConnectedText() const {
    CUIntArray nos;
    for (UINT n : m_m.pontNos)
      if (n != 0xFFFFFFFFu) nos.Add(n);  // gaps of an outline are no points
    if (nos.IsEmpty()) return CString();
    return CNumericOptimizer().OptimizeUnsortedArray(nos);
  }

  void General() {
    m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_GENERAL"));
    m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_ID"), PROP_COL_STATIC, m_m.number);
    m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_MEMB_TYPE"), PROP_COL_STATIC, TypeText(), 0);
    m_list.AddItem(Str("IDS_CMD_ATTR_PONT_STORY"), PROP_COL_STATIC, m_m.storyText, 0);
    m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_MATERIAL"), PROP_COL_STATIC, KeyName(m_m.matlKey, m_m.matlName), 0);
    if (Has(kLines))
      m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_SECTION"), PROP_COL_STATIC, KeyName(m_m.sectKey, m_m.sectName), 0);
    if (Has(kWalls | kSlab)) {
      const bool stair = m_kind == SLAB && (m_p.subtype == 1 || m_p.subtype == 2);
      m_list.AddItem(Str(stair ? "IDS_CMD_PURE_THICK" : "IDS_CMD_ATTR_MEMB_THICK"), PROP_COL_STATIC,
                     KeyName(m_m.thikKey, m_m.thikName), 0);
    }
    if (!Has(kSlab))
      m_list.AddItem(Labelled("IDS_CMD_ATTR_MEMB_LENGTH", "%s [%s]", UNIT_LENGTH), PROP_COL_STATIC,
                     Out(UNIT_LENGTH, m_m.length));
    if (m_kind == WALLH)
      m_list.AddItem(Labelled("IDS_CMD_ATTR_MEMB_HEIGHT", "%s [%s]", UNIT_LENGTH), PROP_COL_STATIC,
                     Out(UNIT_LENGTH, m_m.height));
    if (m_kind == SLAB)
      m_list.AddItem(Labelled("IDS_CMD_ATTR_MEMB_AREA", "%s [%s]", UNIT_AREA), PROP_COL_STATIC,
                     Out(UNIT_AREA, m_m.area));
    if (Has(kLines)) {
      m_list.AddItem(Labelled("IDS_CMD_ATTR_MEMB_BETA_ANGLE", "%s %s", UNIT_ANGLE),
                     m_kind == BRACE ? PROP_COL_EDIT : PROP_COL_STATIC, Out(UNIT_ANGLE, m_m.beta));
      m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"), PROP_COL_STATIC, ConnectedText(), 0);
    }
  }

  void Design() {
    m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE"));
    const bool apply = m_m.dmtp.lead != 0;
    if (!apply && m_kind == SLAB) return;
    for (const DesignRow& r : kDesignRows) {
      if (!Has(r.kinds)) continue;
      CString text;
      if (apply) {
        CStringArray list;
        r.choices(list);
        const int pos = m_m.dmtp.value[r.word - 1];
        if (pos >= 0 && pos < (int)list.GetSize()) text = list[pos];
      }
      m_list.AddItem(Str(r.label), PROP_COL_STATIC, text, 0);
    }
  }

  void LoadChoices(const char* label, const CArray<T_LATR_D>& loads) {
    CStringArray choices;
    for (const T_LATR_D& e : loads) {
      CString s;
      s.Format("%s : %s", e.name.c_str(), ExistText(e.flag).c_str());
      choices.Add(s);
    }
    CUIntArray ids;
    ids.Add(kCmdLoad);
    m_list.AddItem(Str(label), PROP_COL_COMBO, choices, ids, BITMAP_ELEM_LOAD_ROWS, 0, 0.0, 0);
  }

  void TextWithButton(const char* label, const CString& text, UINT id) {
    CUIntArray ids;
    ids.Add(id);
    m_list.AddItem(Str(label), PROP_COL_TEXT_CMD, text, ids, BITMAP_ELEM_LOAD_ROWS);
  }

  void Loads() {
    m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
    if (m_kind == COL) LoadChoices("IDS_CMD_ATTR_MEMB_COL_LOAD", m_m.colLoads);
    if (Has(kBeams)) LoadChoices("IDS_CMD_ATTR_MEMB_BEAM_LOAD", m_m.beamLoads);
    if (m_kind == SLAB) TextWithButton("IDS_CMD_ATTR_MEMB_SLAB_LOAD", ExistText(m_m.slabLoadFlag), kCmdLoad);
    TextWithButton("IDS_CMD_ATTR_MEMB_TEMPERATURE", ExistText(m_m.tempFlag), kCmdTemperature);
  }

  CString FactText(FactValue v) const {
    switch (v) {
      case FV_GRADE: return m_m.seisGradeText;
      case FV_DEC: {
        CString s;
        s.Format(std::fabs(m_m.decFact - 1.0) <= m_p.tol ? "%.1f" : "%g", m_m.decFact);
        return s;
      }
      case FV_MOMENT: return ExistText(m_m.momFlag);
      case FV_TORSION: return ExistText(m_m.torFlag);
      case FV_SEIS: return ExistText(m_m.seisFlag);
      case FV_EFFECT: return ExistText(m_m.effFlag);
      case FV_PUSH: return m_m.pushHinge;
      case FV_INEL: return m_m.inelHinge;
    }
    return CString();
  }

  void Facts(bool hinge) {
    m_list.AddGroupItem(Str(hinge ? "IDS_CMD_ATTR_MEMB_NON_LINEAR_HINGE" : "IDS_CMD_ATTR_MEMB_FACT"));
    const StripKind st = StripOf(m_kind);
    for (const FactRow& r : kFactRows) {
      if (r.hinge != hinge || !Has(r.kinds)) continue;
      CUIntArray ids;
      ids.Add(r.ids[st][0]);
      ids.Add(r.ids[st][1]);
      ids.Add(m_p.delMsg);
      ids.Add(r.ids[st][2]);
      m_list.AddItem(Str(r.label), PROP_COL_TEXT_CMD, FactText(r.value), ids, BITMAP_ELEM_FACT_ROWS);
    }
  }

  CPropList& m_list;
  const T_MATR_D& m_m;
  const T_ELEM_ROWS_PARAM& m_p;
  ElemKind m_kind;
  unsigned m_bit;
  CUnitCtrl* m_pUnit = nullptr;
};

}  // namespace

BOOL HasElemAttrRows(int elemType) {
  ElemKind k;
  return KindOf(elemType, k) ? TRUE : FALSE;
}

BOOL FillElemAttrRows(CPropList& list, const T_MATR_D& matr, const T_ELEM_ROWS_PARAM& param) {
  ElemKind kind;
  if (!KindOf(param.elemType, kind)) return FALSE;
  RowWriter(list, matr, param, kind).Fill();
  return TRUE;
}
