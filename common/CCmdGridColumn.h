// One column of a record grid, as data. A grid lists its columns once, in index order
// (index 0 the key column), and the record-grid base (CCmdRecordGrid) registers, lays out,
// shows, reads, validates and defaults every column from its row:
//
// - The field is a path of the record's field declaration (Rec::Desc()); its unit kind is
//   the declaration's, so a real is shown in the user's current units and read back into
//   internal units by that one kind. A column without a field is the key column (index 0)
//   or one the grid computes itself; it shows its default text until the grid writes it.
// - A text field shows as it is; an integer field as "%d", with choices as the text of its
//   choice (a text key; "" for a value no choice has; a text no choice has reads 0), with
//   the format CMD_COL_FLAG as a check box ("1" for any non-zero value, "0"; only "1"
//   reads 1); a real field in the row's format.
// - A real column refuses a text that is no real, or whose value (a formula's too) is no
//   finite real once in internal units. A real whose row still shows the stored value's
//   text keeps the stored value when the row is saved: the shown digits never round what
//   the user left alone.
// - Required columns must hold a text when a row is saved; the default text is what a new
//   row starts with; a column that is not editable is disabled for every row.
#pragma once

// The format of an integer field shown as a check box.
inline constexpr const char* CMD_COL_FLAG = "flag";

struct CCmdGridChoice {
  int value;
  const char* textKey;
};

struct CCmdGridColumn {
  const char* titleKey;
  const char* field;      // path in the record's field declaration; NULL: no field
  int kind;               // TB_COL_INT, TB_COL_REAL, TB_COL_TEXT
  const char* format;     // reals: the printf format of the value in current units;
                          // integers: CMD_COL_FLAG or NULL
  int width;              // pixels
  bool editable;
  bool required;
  const char* defaultText;
  const CCmdGridChoice* choices = nullptr;  // an integer field shown by its choice's text
  int choiceCount = 0;
};
