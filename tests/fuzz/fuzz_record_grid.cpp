// Any sequence of user actions on a record grid (typing, pasting, selecting, dragging,
// Delete, Escape, copying) neither crashes it nor lets it drift from its table: whenever no
// row edit is pending, the grid shows the towers of the table in their order, then the
// append row. The same actions on a validating grid window must not crash it either. And
// whatever the grid let into the model can be saved and opened again: the model opened
// equals the one saved.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxWinDefs.h"
#include "db/CClassMdul.h"
#include "db/CDBDoc.h"
#include "db/DB_CStore.h"
#include "db/DB_CUpdateListener.h"
#include "common/CCMGXGridWnd2.h"
#include "grid/GXClipboard.h"
#include "tests/common/TestTowerGrid.h"

namespace {

class Replay : public DB_CUpdateListener {
 public:
  CTBCommon* grid = nullptr;
  void OnUpdate(CView*, LPARAM, CObject* hint) override { grid->UpdateBuffer(hint); }
};

struct Reader {
  const uint8_t* p;
  size_t n;
  uint8_t Byte() {
    if (!n) return 0;
    --n;
    return *p++;
  }
  std::string Text() {
    size_t len = Byte() % 12;
    std::string s;
    for (size_t i = 0; i < len && n; ++i) {
      char c = (char)Byte();
      // Keep texts short and readable: a few letters, digits, operators, tabs, line feeds.
      static const char alphabet[] = "AB12=+*/()e.\t\n -\x01\x7f\"";
      s += alphabet[(unsigned char)c % (sizeof(alphabet) - 1)];
    }
    return s;
  }
};

void Act(CGXGridWnd& g, CTBCommon* record, Reader& in) {
  uint8_t op = in.Byte() % 9;
  int row = in.Byte() % 7, col = in.Byte() % 3;
  switch (op) {
    case 0: g.UserEditCell(row, col, in.Text().c_str()); break;
    case 1: g.UserPaste(row, col, in.Text().c_str()); break;
    case 2: g.UserSelectRows({row, 1 + col}); break;
    case 3: g.UserDragRows((ROWCOL)row, (ROWCOL)row, (ROWCOL)(1 + col)); break;
    case 4: g.ProcessKeys(&g, WM_KEYDOWN, VK_DELETE); break;
    case 5: g.ProcessKeys(&g, WM_KEYDOWN, VK_ESCAPE); break;
    case 6: g.SelectRange(CGXRange((ROWCOL)row, (ROWCOL)col, (ROWCOL)row + 1, (ROWCOL)col + 1)); g.Copy(); break;
    case 7: g.ClearSelection(); break;
    case 8:
      if (record) record->MakeItemEx(nullptr, -2, 0);
      break;
  }
}

std::string DumpAll(CDBDoc& d) {
  CString all;
  for (DB_CStoreBase* st : d.GetModelDB()->GetStores()) st->Dump(all);
  return all.c_str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  AfxClearMessageLog();
  CGXClipboard::Empty();
  CDBDoc doc;
  auto* mdul = static_cast<CClassMdul*>(doc.GetModelDB()->GetClass(CClassMdul::m_nClassID));
  for (const char* name : {"A", "B"}) {
    T_MDUL_D t;
    t.name = name;
    mdul->TR_Add(t);
  }
  CTestTowerGrid grid;
  grid.Setup();
  // Row moves are refused by this grid, as towers keep their order.
  grid.GetParam()->EnableMoveRows(FALSE);
  Replay replay;
  replay.grid = &grid;
  replay.ConnectDB(doc.GetModelDB());
  CCMGXGridWnd2 plain;
  plain.Initialize();
  plain.SetRowCount(4);
  plain.SetColCount(2);

  Reader in{data, size};
  while (in.n) {
    Act(grid, &grid, in);
    grid.calls.clear();
    if (!grid.IsRowEditPending() && !grid.IsEditing()) {
      CUIntArray keys;
      mdul->GetKeyList(keys);
      if ((ROWCOL)keys.GetSize() + 1 != grid.GetRowCount()) std::abort();
      for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
        T_MDUL_D t;
        mdul->Get(keys[i], t);
        if (grid.GetValueRowCol((ROWCOL)i + 1, 2) != t.name) std::abort();
      }
    }
    Act(plain, nullptr, in);
  }
  replay.DisconnectDB();
  // Save, open, compare.
  static const std::string path = "/tmp/fuzz_record_grid_" + std::to_string(::getpid()) + ".zel";
  CString err;
  if (!doc.SaveModel(path.c_str(), err)) std::abort();
  CDBDoc again(FALSE);
  if (!again.OpenModel(path.c_str(), err) || DumpAll(again) != DumpAll(doc)) std::abort();
  AfxClearMessageLog();
  return 0;
}
