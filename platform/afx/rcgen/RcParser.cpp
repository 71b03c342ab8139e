#include "afx/rcgen/RcParser.h"

#include <strings.h>

#include <cctype>
#include <cstdint>
#include <fstream>

#include "afx/AfxStyles.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// How a control statement is written.
enum class Form { Text, NoText, Icon, Control };

// Each control statement's window class and default styles (WS_CHILD|WS_VISIBLE come on top).
const struct ControlKind {
  const char* keyword;
  const char* cls;
  DWORD style;
  DWORD typeMask;   // the bits that pick the control's kind; a style naming one replaces them
  Form form;
} kControls[] = {
    {"CONTROL", "", 0, 0, Form::Control},
    {"PUSHBUTTON", AFX_WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"DEFPUSHBUTTON", AFX_WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"PUSHBOX", AFX_WC_BUTTON, BS_PUSHBOX | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"CHECKBOX", AFX_WC_BUTTON, BS_CHECKBOX | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"AUTOCHECKBOX", AFX_WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"STATE3", AFX_WC_BUTTON, BS_3STATE | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"AUTO3STATE", AFX_WC_BUTTON, BS_AUTO3STATE | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"RADIOBUTTON", AFX_WC_BUTTON, BS_RADIOBUTTON | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"AUTORADIOBUTTON", AFX_WC_BUTTON, BS_AUTORADIOBUTTON | WS_TABSTOP, BS_TYPEMASK, Form::Text},
    {"GROUPBOX", AFX_WC_BUTTON, BS_GROUPBOX, BS_TYPEMASK, Form::Text},
    {"LTEXT", AFX_WC_STATIC, SS_LEFT | WS_GROUP, SS_TYPEMASK, Form::Text},
    {"RTEXT", AFX_WC_STATIC, SS_RIGHT | WS_GROUP, SS_TYPEMASK, Form::Text},
    {"CTEXT", AFX_WC_STATIC, SS_CENTER | WS_GROUP, SS_TYPEMASK, Form::Text},
    {"ICON", AFX_WC_STATIC, SS_ICON, SS_TYPEMASK, Form::Icon},
    {"EDITTEXT", AFX_WC_EDIT, ES_LEFT | WS_BORDER | WS_TABSTOP, ES_CENTER | ES_RIGHT, Form::NoText},
    {"COMBOBOX", AFX_WC_COMBOBOX, CBS_SIMPLE | WS_TABSTOP, CBS_DROPDOWNLIST, Form::NoText},
    {"LISTBOX", AFX_WC_LISTBOX, LBS_NOTIFY | WS_BORDER, 0, Form::NoText},
    {"SCROLLBAR", AFX_WC_SCROLLBAR, SBS_HORZ, 0, Form::NoText},
};

// The standard window classes, in the spelling templates carry; a script may write them in
// any case. Other class names are kept as written.
const char* const kClasses[] = {
    AFX_WC_BUTTON, AFX_WC_EDIT, AFX_WC_STATIC, AFX_WC_COMBOBOX, AFX_WC_LISTBOX,
    AFX_WC_SCROLLBAR, WC_LISTVIEW, WC_TABCONTROL, WC_TREEVIEW, UPDOWN_CLASS,
    TRACKBAR_CLASS, PROGRESS_CLASS,
};

// The classes CONTROL may name without quotes.
const char* const kBareClasses[] = {AFX_WC_BUTTON, AFX_WC_EDIT, AFX_WC_STATIC,
                                    AFX_WC_COMBOBOX, AFX_WC_LISTBOX, AFX_WC_SCROLLBAR};

const struct { const char* name; long long value; } kBuiltinIds[] = {
    {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4}, {"IDIGNORE", 5},
    {"IDYES", 6}, {"IDNO", 7}, {"IDCLOSE", 8}, {"IDHELP", 9}, {"IDC_STATIC", -1},
};

// Attributes of a resource's memory that scripts may still carry; they mean nothing here.
const char* const kMemoryOptions[] = {"DISCARDABLE", "MOVEABLE", "FIXED", "PURE", "IMPURE",
                                      "PRELOAD", "LOADONCALL", "SHARED", "NONSHARED"};

std::string Canonical(const std::string& cls) {
  for (const char* c : kClasses)
    if (strcasecmp(c, cls.c_str()) == 0) return c;
  return cls;
}

std::string Describe(const RcToken& t) {
  switch (t.kind) {
    case RcTok::End: return "end of file";
    case RcTok::String: return "\"" + t.text + "\"";
    default: return "'" + t.text + "'";
  }
}

// Reads the pixel size of a BMP or PNG file.
bool PictureSize(const std::string& path, int& cx, int& cy, std::string& why) {
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    why = "cannot open bitmap file '" + path + "'";
    return false;
  }
  unsigned char h[26] = {};
  f.read(reinterpret_cast<char*>(h), sizeof h);
  auto le = [&](int o) { return (int32_t)(h[o] | h[o + 1] << 8 | h[o + 2] << 16 | (uint32_t)h[o + 3] << 24); };
  auto be = [&](int o) { return (int32_t)((uint32_t)h[o] << 24 | h[o + 1] << 16 | h[o + 2] << 8 | h[o + 3]); };
  if (f.gcount() >= 26 && h[0] == 'B' && h[1] == 'M') {
    cx = le(18);
    cy = le(22) < 0 ? -le(22) : le(22);
    return true;
  }
  if (f.gcount() >= 24 && h[0] == 0x89 && h[1] == 'P' && h[2] == 'N' && h[3] == 'G') {
    cx = be(16);
    cy = be(20);
    return true;
  }
  why = "'" + path + "' is neither a BMP nor a PNG picture";
  return false;
}

}  // namespace

RcParser::RcParser() {
#define AFX_RCGEN_SYMBOL_(name, value) m_symbols[#name] = value;
  AFX_ALL_STYLES(AFX_RCGEN_SYMBOL_)
#undef AFX_RCGEN_SYMBOL_
  for (const auto& b : kBuiltinIds) m_symbols[b.name] = b.value;
}

bool RcParser::Fail(int line, const std::string& message) {
  if (m_fixedLine) line = m_fixedLine;
  if (m_error.empty()) m_error = m_path + ":" + std::to_string(line) + ": " + message;
  return false;
}

bool RcParser::Evaluate(const std::string& text, int line, long long& v) {
  // The text is read with the script's own expression rules, on a lexer of its own; a fault
  // is reported on the directive's line.
  std::unique_ptr<RcLexer> outer = std::move(m_lex);
  std::vector<bool> cond = std::move(m_cond);
  m_cond.clear();
  m_lex = std::make_unique<RcLexer>(text);
  m_fixedLine = line;
  bool ok = Expr(v) && Expect(RcTok::End, "end of line");
  m_fixedLine = 0;
  m_havePeek = false;
  m_lex = std::move(outer);
  m_cond = std::move(cond);
  return ok;
}

// ---- token stream and preprocessor ----------------------------------------------------

RcToken RcParser::Fetch() {
  for (;;) {
    RcToken t = m_lex->Next();
    if (t.kind == RcTok::Error) {
      Fail(t.line, t.text);
      return t;
    }
    if (t.kind == RcTok::Directive) {
      if (!Directive(t)) {
        t.kind = RcTok::Error;
        return t;
      }
      continue;
    }
    if (t.kind == RcTok::End && !m_cond.empty()) {
      Fail(t.line, "missing #endif");
      t.kind = RcTok::Error;
      return t;
    }
    bool active = true;
    for (bool c : m_cond) active = active && c;
    if (!active && t.kind != RcTok::End) continue;
    return t;
  }
}

RcToken RcParser::Next() {
  if (m_havePeek) {
    m_havePeek = false;
    return m_peek;
  }
  return Fetch();
}

RcToken RcParser::Peek() {
  if (!m_havePeek) {
    m_peek = Fetch();
    m_havePeek = true;
  }
  return m_peek;
}

bool RcParser::Directive(const RcToken& t) {
  std::string text = t.text;
  // Drop /* ... */ comments closed on the same line.
  for (size_t a; (a = text.find("/*")) != std::string::npos;) {
    size_t b = text.find("*/", a + 2);
    if (b == std::string::npos) return Fail(t.line, "comment inside a directive must end on its line");
    text.erase(a, b + 2 - a);
  }
  size_t p = 0;
  while (p < text.size() && std::isspace((unsigned char)text[p])) ++p;
  size_t q = p;
  while (q < text.size() && std::isalpha((unsigned char)text[q])) ++q;
  std::string word = text.substr(p, q - p);
  std::string rest = text.substr(q);
  while (!rest.empty() && std::isspace((unsigned char)rest.front())) rest.erase(0, 1);
  while (!rest.empty() && std::isspace((unsigned char)rest.back())) rest.pop_back();

  bool active = true;
  for (bool c : m_cond) active = active && c;
  if (word == "endif") {
    if (m_cond.empty()) return Fail(t.line, "#endif without #if");
    m_cond.pop_back();
    return true;
  }
  if (word == "else") {
    if (m_cond.empty()) return Fail(t.line, "#else without #if");
    m_cond.back() = !m_cond.back();
    return true;
  }
  if (word == "ifdef" || word == "ifndef") {
    bool known = m_symbols.count(rest) || m_valueless.count(rest);
    m_cond.push_back(word == "ifdef" ? known : !known);
    return true;
  }
  if (word == "if") {
    long long v = 0;
    if (active && !Evaluate(rest, t.line, v)) return false;
    m_cond.push_back(active && v != 0);
    return true;
  }
  if (!active) return true;
  if (word == "define") return Define(rest, t.line);
  if (word == "undef") {
    m_symbols.erase(rest);
    m_valueless.erase(rest);
    return true;
  }
  if (word == "include" || word == "pragma") return true;
  return Fail(t.line, "unsupported directive #" + word);
}

bool RcParser::Define(const std::string& rest, int line) {
  size_t n = 0;
  while (n < rest.size() && (std::isalnum((unsigned char)rest[n]) || rest[n] == '_')) ++n;
  std::string name = rest.substr(0, n);
  if (name.empty() || std::isdigit((unsigned char)name[0])) return Fail(line, "#define without a name");
  if (n < rest.size() && rest[n] == '(') return Fail(line, "macros with parameters are not supported");
  std::string value = rest.substr(n);
  if (value.find_first_not_of(" \t") == std::string::npos) {
    m_symbols.erase(name);
    m_valueless.insert(name);
    return true;
  }
  long long v = 0;
  if (!Evaluate(value, line, v)) return false;
  m_valueless.erase(name);
  m_symbols[name] = v;
  if (m_inHeader) m_headerNames.insert(name);
  return true;
}

// ---- expressions --------------------------------------------------------------------

bool RcParser::Expect(RcTok kind, const char* what, RcToken* out) {
  RcToken t = Next();
  if (t.kind == RcTok::Error) return false;
  if (t.kind != kind) return Fail(t.line, std::string("expected ") + what + ", found " + Describe(t));
  if (out) *out = t;
  return true;
}

bool RcParser::Term(long long& v) {
  // Nesting is bounded so that no script can exhaust the stack.
  struct Depth {
    int& d;
    explicit Depth(int& depth) : d(++depth) {}
    ~Depth() { --d; }
  } depth(m_depth);
  if (m_depth > 100) return Fail(Peek().line, "expression nested too deeply");
  RcToken t = Next();
  switch (t.kind) {
    case RcTok::Number: v = t.value; return true;
    case RcTok::Minus: if (!Term(v)) return false; v = -v; return true;
    case RcTok::Tilde: if (!Term(v)) return false; v = (long long)(~(DWORD)v); return true;
    case RcTok::LParen: return Expr(v) && Expect(RcTok::RParen, "')'");
    case RcTok::Ident: {
      if (t.text == "NOT") return Fail(t.line, "NOT is only allowed in a style");
      auto it = m_symbols.find(t.text);
      if (it != m_symbols.end()) {
        v = it->second;
        return true;
      }
      if (m_valueless.count(t.text)) return Fail(t.line, "'" + t.text + "' has no value");
      return Fail(t.line, "unknown identifier '" + t.text + "'");
    }
    case RcTok::Error: return false;
    default: return Fail(t.line, "expected a number, found " + Describe(t));
  }
}

bool RcParser::Expr(long long& v) {
  if (!Term(v)) return false;
  for (;;) {
    RcTok k = Peek().kind;
    if (k != RcTok::Pipe && k != RcTok::Plus && k != RcTok::Minus) return Peek().kind != RcTok::Error;
    Next();
    long long r = 0;
    if (!Term(r)) return false;
    v = k == RcTok::Pipe ? (long long)((DWORD)v | (DWORD)r) : k == RcTok::Plus ? v + r : v - r;
  }
}

bool RcParser::Style(DWORD& v, DWORD* named) {
  for (;;) {
    RcToken t = Peek();
    bool clear = t.kind == RcTok::Ident && t.text == "NOT";
    if (clear) Next();
    long long x = 0;
    if (!Term(x)) return false;
    v = clear ? v & ~(DWORD)x : v | (DWORD)x;
    if (named && !clear) *named |= (DWORD)x;
    if (Peek().kind != RcTok::Pipe) return Peek().kind != RcTok::Error;
    Next();
  }
}

bool RcParser::Text(std::string& text) {
  if (Peek().kind == RcTok::String) {
    text = Next().text;
    return true;
  }
  long long v = 0;
  if (!Expr(v)) return false;
  text = "#" + std::to_string(v);
  return true;
}

bool RcParser::Id(long& id, long lowest) {
  int line = Peek().line;
  long long v = 0;
  if (!Expr(v)) return false;
  if (v < lowest || v > 0xFFFF) return Fail(line, "id " + std::to_string(v) + " out of range");
  id = (long)v;
  return true;
}

bool RcParser::Coords(long* v, int n) {
  for (int i = 0; i < n; ++i) {
    long long x = 0;
    if (i > 0 && !Comma()) return false;
    int line = Peek().line;
    if (!Expr(x)) return false;
    if (x < -32768 || x > 32767) return Fail(line, "coordinate " + std::to_string(x) + " out of range");
    v[i] = (long)x;
  }
  return true;
}

// ---- statements ---------------------------------------------------------------------

bool RcParser::ReadHeader(const std::string& path, const std::string& text) {
  m_path = path;
  m_lex = std::make_unique<RcLexer>(text);
  m_cond.clear();
  m_havePeek = false;
  m_inHeader = true;
  RcToken t = Next();
  m_inHeader = false;
  if (t.kind == RcTok::Error) return false;
  if (t.kind != RcTok::End) return Fail(t.line, "expected a #define, found " + Describe(t));
  return true;
}

bool RcParser::ReadScript(const std::string& path, const std::string& text, RcScript& out) {
  m_path = path;
  size_t slash = path.find_last_of('/');
  m_dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  m_lex = std::make_unique<RcLexer>(text);
  m_cond.clear();
  m_havePeek = false;
  out.names.clear();
  for (const std::string& name : m_headerNames) {
    auto it = m_symbols.find(name);
    if (it != m_symbols.end() && it->second >= INT32_MIN && it->second <= INT32_MAX)
      out.names.emplace_back(name, (long)it->second);
  }
  for (;;) {
    RcToken t = Next();
    if (t.kind == RcTok::End) return true;
    if (t.kind == RcTok::Error) return false;
    if (t.kind == RcTok::Ident && t.text == "LANGUAGE") {
      long long a = 0, b = 0;
      if (!Expr(a) || !Comma() || !Expr(b)) return false;
      continue;
    }
    if (t.kind != RcTok::Ident && t.kind != RcTok::Number)
      return Fail(t.line, "expected a resource, found " + Describe(t));
    if (!Resource(t, out)) return false;
  }
}

bool RcParser::Resource(const RcToken& name, RcScript& out) {
  RcToken kind = Next();
  if (kind.kind == RcTok::Error) return false;
  bool known = kind.kind == RcTok::Ident &&
               (kind.text == "DIALOG" || kind.text == "DIALOGEX" || kind.text == "BITMAP");
  if (!known)
    return Fail(kind.line, "expected DIALOG, DIALOGEX or BITMAP after '" + name.text + "', found " +
                               Describe(kind));
  long long id = name.value;
  if (name.kind == RcTok::Ident) {
    auto it = m_symbols.find(name.text);
    if (it == m_symbols.end()) return Fail(name.line, "unknown identifier '" + name.text + "'");
    id = it->second;
  }
  if (id < 1 || id > 0xFFFF) return Fail(name.line, "id " + std::to_string(id) + " out of range");
  SkipMemoryOptions();
  if (kind.text == "BITMAP") return Bitmap((long)id, name.line, out);
  return Dialog((long)id, kind.text == "DIALOGEX", name.line, out);
}

void RcParser::SkipMemoryOptions() {
  for (;;) {
    RcToken t = Peek();
    bool skip = false;
    for (const char* m : kMemoryOptions) skip = skip || (t.kind == RcTok::Ident && t.text == m);
    if (!skip) return;
    Next();
  }
}

bool RcParser::Bitmap(long id, int line, RcScript& out) {
  RcToken file;
  if (!Expect(RcTok::String, "the bitmap's file name", &file)) return false;
  auto [it, fresh] = m_bitmapLines.emplace(id, line);
  if (!fresh) return Fail(line, "bitmap " + std::to_string(id) + " defined twice (first on line " +
                                    std::to_string(it->second) + ")");
  RcBitmap b;
  b.id = id;
  b.file = file.text;
  std::string path = file.text;
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.empty() || path[0] != '/') path = m_dir + path;
  std::string why;
  if (!PictureSize(path, b.cx, b.cy, why)) return Fail(file.line, why);
  out.bitmaps.push_back(b);
  return true;
}

bool RcParser::Dialog(long id, bool ex, int line, RcScript& out) {
  auto [it, fresh] = m_dialogLines.emplace(id, line);
  if (!fresh) return Fail(line, "dialog " + std::to_string(id) + " defined twice (first on line " +
                                    std::to_string(it->second) + ")");
  RcDialog d;
  d.id = id;
  long r[4];
  if (!Coords(r, 4)) return false;
  d.x = r[0], d.y = r[1], d.cx = r[2], d.cy = r[3];
  if (ex && Peek().kind == RcTok::Comma) {  // a help id
    long long help = 0;
    Next();
    if (!Expr(help)) return false;
  }
  if (!DialogOptions(d) || !Controls(d)) return false;
  out.dialogs.push_back(std::move(d));
  return true;
}

bool RcParser::DialogOptions(RcDialog& d) {
  bool styled = false, captioned = false, font = false;
  DWORD style = 0;
  for (;;) {
    RcToken t = Next();
    if (t.kind == RcTok::Error) return false;
    if (t.kind == RcTok::LBrace || (t.kind == RcTok::Ident && t.text == "BEGIN")) break;
    if (t.kind != RcTok::Ident) return Fail(t.line, "expected BEGIN, found " + Describe(t));
    if (t.text == "STYLE") {
      styled = true;
      if (!Style(style)) return false;
    } else if (t.text == "EXSTYLE") {
      if (!Style(d.exStyle)) return false;
    } else if (t.text == "CAPTION") {
      RcToken c;
      if (!Expect(RcTok::String, "the caption", &c)) return false;
      d.caption = c.text;
      captioned = true;
    } else if (t.text == "FONT") {
      long long size = 0;
      RcToken name;
      if (!Expr(size) || !Comma() || !Expect(RcTok::String, "the font's name", &name)) return false;
      for (int i = 0; i < 3 && Peek().kind == RcTok::Comma; ++i) {  // weight, italic, charset
        long long ignored = 0;
        Next();
        if (!Expr(ignored)) return false;
      }
      d.fontSize = (long)size;
      d.fontName = name.text;
      font = true;
    } else if (t.text == "LANGUAGE") {
      long long a = 0, b = 0;
      if (!Expr(a) || !Comma() || !Expr(b)) return false;
    } else {
      return Fail(t.line, "unsupported dialog statement '" + t.text + "'");
    }
  }
  d.style = styled ? style : (WS_POPUP | WS_BORDER | WS_SYSMENU);
  if (captioned) d.style |= WS_CAPTION;
  if (font) d.style |= DS_SETFONT;
  return true;
}

bool RcParser::Controls(RcDialog& d) {
  for (;;) {
    RcToken t = Next();
    if (t.kind == RcTok::Error) return false;
    if (t.kind == RcTok::RBrace || (t.kind == RcTok::Ident && t.text == "END")) return true;
    if (t.kind == RcTok::End) return Fail(t.line, "missing END of dialog " + std::to_string(d.id));
    if (t.kind != RcTok::Ident) return Fail(t.line, "expected a control statement, found " + Describe(t));
    if (!Control(t, d)) return false;
  }
}

bool RcParser::Control(const RcToken& keyword, RcDialog& d) {
  const ControlKind* kind = nullptr;
  for (const ControlKind& k : kControls)
    if (keyword.text == k.keyword) kind = &k;
  if (!kind) return Fail(keyword.line, "unknown control statement '" + keyword.text + "'");

  RcItem item;
  item.cls = kind->cls;
  item.style = kChild | kind->style;
  long r[4] = {0, 0, 0, 0};
  bool optionalStyle = true;
  switch (kind->form) {
    case Form::Text:
      if (!Text(item.text) || !Comma() || !Id(item.id, -1) || !Comma() || !Coords(r, 4)) return false;
      break;
    case Form::NoText:
      if (!Id(item.id, -1) || !Comma() || !Coords(r, 4)) return false;
      break;
    case Form::Icon:
      if (!Text(item.text) || !Comma() || !Id(item.id, -1) || !Comma() || !Coords(r, 2)) return false;
      if (Peek().kind == RcTok::Comma) {
        Next();
        if (!Coords(r + 2, 2)) return false;
      }
      break;
    case Form::Control: {
      if (!Text(item.text) || !Comma() || !Id(item.id, -1) || !Comma()) return false;
      RcToken cls = Next();
      if (cls.kind == RcTok::String) {
        item.cls = Canonical(cls.text);
      } else if (cls.kind == RcTok::Ident) {
        for (const char* c : kBareClasses)
          if (strcasecmp(c, cls.text.c_str()) == 0) item.cls = c;
        if (item.cls.empty()) return Fail(cls.line, "unknown control class '" + cls.text + "'");
      } else {
        return cls.kind == RcTok::Error ? false : Fail(cls.line, "expected a class name, found " + Describe(cls));
      }
      if (item.cls.empty()) return Fail(cls.line, "empty control class");
      if (!Comma() || !Style(item.style) || !Comma() || !Coords(r, 4)) return false;
      optionalStyle = false;
      break;
    }
  }
  item.x = r[0], item.y = r[1], item.cx = r[2], item.cy = r[3];
  if (optionalStyle && Peek().kind == RcTok::Comma) {
    // The given styles add to the defaults, except that a kind named (CBS_DROPDOWN,
    // BS_GROUPBOX...) replaces the default kind.
    Next();
    DWORD named = 0;
    if (!Style(item.style, &named)) return false;
    if (named & kind->typeMask) item.style = (item.style & ~kind->typeMask) | (named & kind->typeMask);
  }
  if (Peek().kind == RcTok::Comma) {
    Next();
    if (!Style(item.exStyle)) return false;
  }
  if (Peek().kind == RcTok::Comma) return Fail(Peek().line, "too many arguments to " + keyword.text);
  if (Peek().kind == RcTok::Error) return false;
  d.items.push_back(std::move(item));
  return true;
}
