// The scenario commands on grids: cell, paste, rows, show grid, show columns, expect cell.
// A grid is the control on placeholder ID of the current dialog (the grid window subclasses
// the placeholder, so it has the placeholder's id) and answers the grid cell-action
// interface.
// COL is a grid column number or the text of a column's header; a header no visible
// column shows makes an action refused and an expectation fail.
#include "afx/CUserDriver.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

// The grid of argument 0 in the current dialog, or NULL.
IAfxCellTarget* FindGrid(CScenarioContext& ctx, CUserDriver& drv, CWnd*& pCtl) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return nullptr;
  drv.SetDialog(d);
  pCtl = drv.FindControl(ctx.Arg(0));
  return dynamic_cast<IAfxCellTarget*>(pCtl);
}

BOOL ArgColumn(CScenarioContext& ctx, IAfxCellTarget* g, int i, int& col) {
  if (ctx.ArgInt(i, col)) return col >= 0;
  col = g->UserFindColumn(ctx.Arg(i));
  return col >= 0;
}

Status CellAction(CScenarioContext& ctx, bool paste) {
  int row = 0;
  if (!ctx.ArgInt(1, row)) return Status::Bad("not a row number: " + ctx.Arg(1));
  ctx.Session().MarkDialogAction();
  CUserDriver drv;
  CWnd* pCtl = nullptr;
  IAfxCellTarget* g = FindGrid(ctx, drv, pCtl);
  int col = 0;
  if (!g || !ArgColumn(ctx, g, 2, col)) return ctx.Refused();
  int done = paste ? drv.Paste(pCtl, row, col, ctx.Arg(3)) : drv.EditCell(pCtl, row, col, ctx.Arg(3));
  return done ? Status::Ok() : ctx.Refused();
}

Status Cell(CScenarioContext& ctx) { return CellAction(ctx, false); }
Status Paste(CScenarioContext& ctx) { return CellAction(ctx, true); }

Status Rows(CScenarioContext& ctx) {
  std::vector<int> rows;
  for (int i = 1; i < ctx.ArgCount(); ++i) {
    int r = 0;
    if (!ctx.ArgInt(i, r) && !ctx.Word(i).IsIndex(r)) return Status::Bad("not a row number: " + ctx.Arg(i));
    rows.push_back(r);
  }
  ctx.Session().MarkDialogAction();
  CUserDriver drv;
  CWnd* pCtl = nullptr;
  if (!FindGrid(ctx, drv, pCtl)) return ctx.Refused();
  return drv.SelectGridRows(pCtl, rows) ? Status::Ok() : ctx.Refused();
}

Status ShowGrid(CScenarioContext& ctx) {
  CUserDriver drv;
  CWnd* pCtl = nullptr;
  IAfxCellTarget* g = FindGrid(ctx, drv, pCtl);
  if (!g) return ctx.Refused();
  for (const CString& line : g->UserDescribeCells()) ctx.Out() << line.str() << '\n';
  return Status::Ok();
}

Status ShowColumns(CScenarioContext& ctx) {
  CUserDriver drv;
  CWnd* pCtl = nullptr;
  IAfxCellTarget* g = FindGrid(ctx, drv, pCtl);
  if (!g) return ctx.Refused();
  for (const CString& line : g->UserDescribeColumns()) ctx.Out() << line.str() << '\n';
  return Status::Ok();
}

Status ExpectCell(CScenarioContext& ctx) {
  int row = 0;
  if (!ctx.ArgInt(1, row)) return Status::Bad("not a row number: " + ctx.Arg(1));
  CUserDriver drv;
  CWnd* pCtl = nullptr;
  IAfxCellTarget* g = FindGrid(ctx, drv, pCtl);
  if (!g) return Status::Failed("no grid " + ctx.Arg(0));
  int col = 0;
  if (!ArgColumn(ctx, g, 2, col)) return Status::Failed("no column " + ctx.Arg(2));
  CString text = g->UserGetCellText(row, col);
  if (text == ctx.Arg(3)) return Status::Ok();
  return Status::Failed("cell " + AfxQuoteText(text));
}

const CScenarioCommandRegistrar s_commands[] = {
    {"cell", 4, 4, Cell, "ID ROW COL TEXT"},
    {"paste", 4, 4, Paste, "ID ROW COL TEXT"},
    {"rows", 2, -1, Rows, "ID ROW..."},
    {"show grid", 1, 1, ShowGrid, "ID"},
    {"show columns", 1, 1, ShowColumns, "ID"},
    {"expect cell", 4, 4, ExpectCell, "ID ROW COL TEXT"},
};

}  // namespace
