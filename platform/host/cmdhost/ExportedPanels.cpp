// The application's creation option-panel host (`panels ...`, `show panels`): the host
// object docks the panels into a framed window of the application, 400 x 300 pixels, and
// the panel shown last becomes the current dialog.
#include <cstdio>
#include <memory>
#include <string>

#include "afx/CDialog.h"
#include "creation/CAdvancedOptionDlg_MembCreate.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"

namespace {

typedef CScenarioStatus Status;

struct PanelsState {
  std::unique_ptr<CAdvancedOptionDlg_MembCreate> opt;
  std::unique_ptr<CWnd> host;
  ~PanelsState() { Reset(); }
  void Reset() {
    opt.reset();
    if (host && host->GetSafeHwnd()) host->DestroyWindow();
    host.reset();
  }
};

std::string G(double d) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", d);
  return buf;
}

Status Ready(CScenarioContext& ctx, PanelsState*& st) {
  st = &ctx.Session().Slot<PanelsState>();
  if (!st->opt) return Status::Bad("no option-panel host: write panels new below|right first");
  return Status::Ok();
}

void Follow(CScenarioContext& ctx, PanelsState& st) {
  if (auto* dlg = dynamic_cast<CDialog*>(st.opt->GetCurDlg()); dlg && dlg->GetSafeHwnd())
    ctx.Session().m_pDialog = dlg;
}

Status Panels(CScenarioContext& ctx) {
  PanelsState& st = ctx.Session().Slot<PanelsState>();
  const CString& what = ctx.Arg(0);
  if (what == "new") {
    if (ctx.ArgCount() < 2 || ctx.ArgCount() > 3) return Status::Bad("panels new below|right [MARGIN]");
    int margin = -10;
    if (ctx.ArgCount() == 3 && !ctx.ArgInt(2, margin)) return Status::Bad("not a margin: " + ctx.Arg(2));
    D_ADVOPT_DLG_TYPE side;
    if (ctx.Arg(1) == "below") side = ADVOPT_DLG_BOTTOM;
    else if (ctx.Arg(1) == "right") side = ADVOPT_DLG_RIGHT;
    else return Status::Bad("below or right: " + ctx.Arg(1));
    st.Reset();
    st.host = std::make_unique<CWnd>();
    if (!st.host->CreateEx(0, "#32770", "host", WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE,
                           CRect(0, 0, 400, 300), nullptr, 0))
      return Status::Bad("the host window could not be made");
    st.opt = std::make_unique<CAdvancedOptionDlg_MembCreate>();
    st.opt->SetType(side);
    st.opt->SetOffsetMargin(margin);
    return Status::Ok();
  }
  PanelsState* p = nullptr;
  if (Status s = Ready(ctx, p); !s.IsOk()) return s;
  ctx.Session().MarkDialogAction();
  if (what == "add" || what == "show" || what == "change" || what == "toggle") {
    UINT idd = 0;
    if (ctx.ArgCount() < 2 || !ctx.ArgUInt(1, idd)) return Status::Bad("panels " + what + " IDD");
    if (what == "add") {
      if (ctx.ArgCount() != 2) return Status::Bad("panels add IDD");
      p->opt->AddOptionDlg(idd);
      return Status::Ok();
    }
    T_ADVOPT_DLG_DATA data;
    void* pData = nullptr;
    if (ctx.ArgCount() == 4) {
      if (!ctx.ArgInt(2, data.nMembType) || !ctx.ArgUInt(3, data.nSectKey)) return Status::Bad("TYPE SECT");
      pData = &data;
    } else if (ctx.ArgCount() != 2) {
      return Status::Bad("panels " + what + " IDD [TYPE SECT]");
    }
    if (what == "show") p->opt->ShowOptionDlg(idd, p->host.get(), pData);
    else if (what == "change") p->opt->ChangeOptionDlg(idd, p->host.get(), pData);
    else p->opt->ToggleOptionDlg(idd, p->host.get(), pData);
    Follow(ctx, *p);
    return Status::Ok();
  }
  if (ctx.ArgCount() != 1) return Status::Bad("panels " + what + " takes no argument");
  if (what == "hide") {
    p->opt->HideOptionDlg();
  } else if (what == "name") {
    p->opt->UpdateMemberNameCombo();
  } else if (what == "read") {
    T_ADVOPT_DLG_COMMON_DATA common;
    common.nNameFlag = common.nOption = -1;
    PARAM_MPROP prop;
    prop.nDirMode = prop.nTransfer = prop.nTension = prop.nIEnd = prop.nMerge = -1;
    prop.nSplitCol = prop.nSplitPt = prop.nSplit = -1;
    prop.dBeta = prop.dRefX = prop.dRefY = prop.dRefZ = prop.dGap = -1;
    const int r = p->opt->GetOptDlgData(&common, &prop);
    ctx.Session().SetResult(r);
    if (r == 1) {
      std::ostream& out = ctx.Out();
      out << "common name=\"" << common.strName.c_str() << "\" flag=" << common.nNameFlag
          << " option=" << common.nOption << '\n';
      out << "prop mode=" << prop.nDirMode << " beta=" << G(prop.dBeta) << " x=" << G(prop.dRefX)
          << " y=" << G(prop.dRefY) << " z=" << G(prop.dRefZ) << " transfer=" << prop.nTransfer
          << " tension=" << prop.nTension << " gap=" << G(prop.dGap) << " iend=" << prop.nIEnd
          << " merge=" << prop.nMerge << " splitcol=" << prop.nSplitCol << " splitpt=" << prop.nSplitPt
          << " split=" << prop.nSplit << '\n';
    }
  } else {
    return Status::Bad("panels new|add|show|change|toggle|hide|name|read: " + what);
  }
  return Status::Ok();
}

Status ShowPanels(CScenarioContext& ctx) {
  PanelsState* p = nullptr;
  if (Status s = Ready(ctx, p); !s.IsOk()) return s;
  CRect r;
  p->host->GetWindowRect(&r);
  ctx.Out() << "panels visible=" << p->opt->IsVisible() << " current=" << p->opt->GetCurDlgIDD()
            << " docked=" << p->opt->GetDockedWidth() << ',' << p->opt->GetDockedHeight() << " host=" << r.Width()
            << ',' << r.Height() << '\n';
  return Status::Ok();
}

const CScenarioCommandRegistrar s_panels("panels", 1, 4, Panels, "new|add|show|change|toggle|hide|name|read ...");
const CScenarioCommandRegistrar s_show("show panels", 0, 0, ShowPanels);

}  // namespace
