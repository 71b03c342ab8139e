// The buttons of the building-model page's rows and the deletion of the data a row shows.
#include <cstdlib>
#include <initializer_list>
#include "afx/CWinApp.h"
#include "db/T_DOCKBAR_PARAM.h"
#include "tools/AttrChoices.h"
#include "tools/CToolsPrePage.h"
#include "view/CDockDlgBarBase.h"

namespace {

constexpr unsigned Kinds(std::initializer_list<int> kinds) {
  unsigned bits = 0;
  for (int k : kinds) bits |= 1u << k;
  return bits;
}
using P = CToolsPrePage;
constexpr unsigned kColumn = Kinds({P::LIST_COLUMN});
constexpr unsigned kBeams = Kinds({P::LIST_BEAM, P::LIST_SBEAM});
constexpr unsigned kWall = Kinds({P::LIST_WALL});
constexpr unsigned kSlab = Kinds({P::LIST_SLAB});
constexpr unsigned kLines = Kinds({P::LIST_COLUMN, P::LIST_BEAM, P::LIST_SBEAM, P::LIST_BRACE});

// The dock bars the first button opens. T_MEMBTYPE_PARAM words: 0 the member group, 1 to
// 3 the design-type index in the column, beam and wall groups, 6 the current value.
enum BarParam { BAR_BETA, BAR_MEMBTYPE, BAR_TEXT };
struct DockRow {
  const char* key;
  unsigned kinds;
  bool prefix;
  BarParam param;
  int (*convert)(const CString&);
  int group;  // -1: left as initialised
  int slot;   // the word of the index, -1 none
  int index;
  int mode;
};
constexpr DockRow kDockRows[] = {
    {"IDS_CMD_ATTR_MEMB_BETA_ANGLE", kLines, true, BAR_BETA, nullptr, -1, -1, 0, CDlgBarMode::MEMB_CHANGE},
    {"IDS_CMD_ATTR_MEMB_COL_LOW_STORY", kColumn, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, -1, 1, 0,
     CDlgBarMode::COLM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_COL_TRANS", kColumn, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, -1, 1, 1,
     CDlgBarMode::COLM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_COL_CORNER", kColumn, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, -1, 1, 2,
     CDlgBarMode::COLM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", kColumn, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, -1, 1, 3,
     CDlgBarMode::COLM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_COL_PROTECT", kColumn, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, -1, -1, 0,
     CDlgBarMode::COLM_PROTECTION},
    {"IDS_CMD_ATTR_MEMB_BEAM_FRAME", kBeams, false, BAR_MEMBTYPE, &AttrTextToGgrGnrYrCode, 1, 2, 0,
     CDlgBarMode::BEAM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER", kBeams, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, 1, 2, 1,
     CDlgBarMode::BEAM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_BEAM_BJPB", kBeams, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, 1, 2, 2,
     CDlgBarMode::BEAM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_BEAM_MIDDLE", kBeams, false, BAR_MEMBTYPE, &AttrTextToBrJrMrCode, 1, 2, 3,
     CDlgBarMode::BEAM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_BEAM_TRANS", kBeams, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, 1, 2, 4,
     CDlgBarMode::BEAM_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_BEAM_PROTECT", kBeams, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, 1, -1, 0,
     CDlgBarMode::BEAM_PROTECTION},
    {"IDS_CMD_ATTR_MEMB_WALL_SHEAR", kWall, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, 2, 3, 0,
     CDlgBarMode::WALL_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_WALL_INFORCE", kWall, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, 2, 3, 1,
     CDlgBarMode::WALL_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_WALL_GJRJ", kWall, false, BAR_MEMBTYPE, &AttrTextToYesNoAutoCode, 2, 3, 2,
     CDlgBarMode::WALL_DESIGN_TYPE},
    {"IDS_CMD_ATTR_MEMB_WALL_PROT_BASE", kWall, false, BAR_MEMBTYPE, &AttrTextToIbKindCode3, 2, -1, 0,
     CDlgBarMode::WALL_BASE_PROTECTION},
    {"IDS_CMD_ATTR_MEMB_SLAB_PROTECT", kSlab, false, BAR_MEMBTYPE, &AttrTextToIbJpLpCode, 3, -1, 0,
     CDlgBarMode::SLAB_PROTECTION},
    {"IDS_CMD_ATTR_MEMB_SLAB_LOAD", kSlab, false, BAR_TEXT, nullptr, -1, -1, 0, CDlgBarMode::SLAB_LOAD},
};

// The deletions: the label of the current row gives the code, first match in this order
// among the rows of the shown-list kind. A wall's stiffness factor is 216, every other
// member's 215. The wall-opening rows come between the wall's offset and grade rows.
constexpr unsigned kPont = Kinds({P::LIST_PONT});
constexpr unsigned kBrace = Kinds({P::LIST_BRACE});
constexpr unsigned kLine = Kinds({P::LIST_LINE});
constexpr unsigned kMembs = kColumn | kBeams | kWall | kSlab | kBrace;
constexpr int OPENINGS = -1;
struct DeleteRow {
  const char* key;
  int code;
  unsigned kinds;
};
constexpr DeleteRow kDeleteRows[] = {
    {"IDS_CMD_ATTR_PONT_POINT_LOAD", ATRUP_PONT_LOAD, kPont},
    {"IDS_CMD_ATTR_PONT_SPECIFIED_DISP", ATRUP_PONT_DISP, kPont},
    {"IDS_CMD_ATTR_PONT_SUPPORT", ATRUP_PONT_SUPPORT, kPont},
    {"IDS_CMD_ATTR_PONT_ELASTIC_LINK", ATRUP_PONT_ELINK, kPont},
    {"IDS_CMD_ATTR_MEMB_COL_LOAD", ATRUP_COL_LOAD, kColumn},
    {"IDS_CMD_ATTR_MEMB_BEAM_LOAD", ATRUP_BEAM_LOAD, kBeams},
    {"IDS_CMD_ATTR_MEMB_WALL_LOAD", ATRUP_WALL_LOAD, kWall},
    {"IDS_CMD_ATTR_MEMB_SLAB_LOAD", ATRUP_SLAB_LOAD, kSlab},
    {"IDS_CMD_ATTR_MEMB_LINE_LOAD", ATRUP_LINE_LOAD, kLine},
    {"IDS_CMD_ATTR_MEMB_TEMPERATURE", ATRUP_TEMPERATURE, kMembs},
    {"IDS_CMD_ATTR_MEMB_RELEASE", ATRUP_RELEASE, kColumn | kBeams | kBrace},
    {"IDS_CMD_ATTR_MEMB_OFFSET", ATRUP_OFFSET, kMembs},
    {"IDS_CMD_ATTR_MEMB_WALL_OPENING", OPENINGS, kWall},
    {"IDS_CMD_ATTR_MEMB_SLAB_EDGE", ATRUP_SLAB_EDGE, kSlab},
    {"IDS_CMD_ATTR_MEMB_LVL", ATRUP_SEIS_GRADE, kColumn | kBeams | kWall | kBrace},
    {"IDS_CMD_ATTR_MEMB_STIFF_FACT", ATRUP_STIFF_FACT, kColumn | kBeams | kBrace},
    {"IDS_CMD_ATTR_MEMB_STIFF_FACT", ATRUP_WALL_STIFF_FACT, kWall},
    {"IDS_CMD_ATTR_MEMB_DEC_FACT", ATRUP_DEC_FACT, kColumn | kBeams | kWall},
    {"IDS_CMD_ATTR_MEMB_MOMENT_FACT", ATRUP_MOMENT_FACT, kBeams},
    {"IDS_CMD_ATTR_MEMB_TORSION_FACT", ATRUP_TORSION_FACT, kBeams},
    {"IDS_CMD_ATTR_MEMB_SEIS_FACT", ATRUP_SEIS_FACT, kMembs},
    {"IDS_CMD_ATTR_MEMB_EFFECT_FACT", ATRUP_EFFECT_FACT, kMembs},
    {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", ATRUP_UNBRACED_LENG, kColumn | kBeams | kBrace},
    {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", ATRUP_LIMITING_RATIO, kColumn | kBeams | kBrace},
    {"IDS_CMD_ATTR_MEMB_EQUIV_MOM_FCT", ATRUP_EQUIV_MOM_FACT, kColumn | kBeams},
    {"IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT", ATRUP_UNCERT_FACT, kColumn | kBeams},
};

bool HasKind(unsigned kinds, int kind) { return kind >= 0 && kind < 32 && (kinds >> kind & 1u); }

// A wall-opening row's label holds the opening text and a ":" ("OPENING : N").
bool IsOpeningLabel(const CString& label, const CString& opening) {
  return label.Find(opening) >= 0 && label.Find(':') >= 0;
}

// The number N of an opening row's label; 0 when it is not a number above 0.
int OpeningNumber(const CString& label, const CString& opening) {
  CString prefix;
  prefix.Format("%s : ", opening.c_str());
  CString rest = label;
  rest.Replace(prefix, "");
  rest.TrimLeft();
  const char* s = rest.c_str();
  char* end = nullptr;
  const long n = std::strtol(s, &end, 10);
  return end != s && n > 0 && n <= 0x7FFFFFFF ? (int)n : 0;
}

}  // namespace

LRESULT CToolsPrePage::OnPropCommand(WPARAM wParam, LPARAM lParam) {
  const CWriting writing(*this);
  const CCmbBtnProp* cur = CurrentRow();
  if (!cur) return 0;
  const auto* pressed = lParam ? reinterpret_cast<const CCmbBtnProp*>(lParam) : cur;
  const int index = (int)wParam;
  const UINT id = pressed->GetMessageByIndex(index);
  // An empty place of the strip and the delete button are no commands of the application.
  const auto send = [&] {
    if (id == 0 || id == WM_PROPLIST_PRE_DEL) return;
    if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, id & 0xFFFFu, 0);
  };
  if (index == 1 || index == 2) {
    send();
    return 0;
  }
  if (m_nShownKind == LIST_LINE) {
    send();
    return 0;
  }
  if (m_nShownKind < LIST_COLUMN || m_nShownKind > LIST_BRACE) return 0;

  const CString label = cur->GetName();
  const CString value = cur->FormatProperty();
  for (const DockRow& d : kDockRows) {
    if (!HasKind(d.kinds, m_nShownKind)) continue;
    const CString text = Str(d.key);
    if (!(d.prefix ? label.str().starts_with(text.str()) : label == text)) continue;
    switch (d.param) {
      case BAR_BETA: {
        T_CHANGE_MEMB_PARAM param;
        param.Initialize(0);
        param.Initialize(0);
        param.kind = 5;
        param.angle = std::atof(value.c_str());
        CDockDlgBarBase::ShowDlgBarMode(d.mode, &param);
        break;
      }
      case BAR_MEMBTYPE: {
        T_MEMBTYPE_PARAM param;
        param.Initialize();
        param.Initialize();
        if (d.group >= 0) param.value[0] = d.group;
        if (d.slot >= 0) param.value[d.slot] = d.index;
        const int code = d.convert(value);
        if (code != -1) param.value[6] = code;
        CDockDlgBarBase::ShowDlgBarMode(d.mode, &param);
        break;
      }
      case BAR_TEXT: CDockDlgBarBase::ShowDlgBarMode(d.mode, &value); break;
    }
    return 0;
  }
  send();
  return 0;
}

LRESULT CToolsPrePage::OnDeleteAttrData(WPARAM, LPARAM) {
  const CWriting writing(*this);
  const CCmbBtnProp* cur = CurrentRow();
  if (!cur) return 0;
  const CString label = cur->GetName();
  for (const DeleteRow& d : kDeleteRows) {
    if (!HasKind(d.kinds, m_nShownKind)) continue;
    if (d.code == OPENINGS) {
      const CString opening = Str(d.key);
      if (!IsOpeningLabel(label, opening)) continue;
      if (const int n = OpeningNumber(label, opening); n > 0) m_ctrl.DeleteMembData(ATRUP_WALL_OPENING, n - 1);
      return 0;
    }
    if (label != Str(d.key)) continue;
    if (m_nShownKind == LIST_PONT)
      m_ctrl.DeletePontData(d.code);
    else
      m_ctrl.DeleteMembData(d.code, 0);
    return 0;
  }
  return 0;
}
