#include "db/DB_CModelFile.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>
#include "db/DB_CDataBase.h"
#include "db/DB_CDataClass.h"
#include "db/DB_CStore.h"

namespace {

std::string Quote(const std::string& id) {
  std::string r = "\"";
  for (char c : id) {
    if (c == '"') r += '"';
    r += c;
  }
  return r + "\"";
}

const char* SqlType(DB_FIELD_TYPE t) {
  switch (t) {
    case DBF_INT:
    case DBF_UINT: return "INTEGER";
    case DBF_DOUBLE: return "REAL";
    case DBF_STRING: return "TEXT";
    default: return "BLOB";
  }
}

class Sql {
 public:
  ~Sql() { Close(); }
  sqlite3* db = nullptr;
  void Close() {
    if (db) sqlite3_close_v2(db);
    db = nullptr;
  }
  bool Exec(const std::string& s) { return sqlite3_exec(db, s.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK; }
};

class Stmt {
 public:
  Stmt(sqlite3* db, const std::string& sql) { m_rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr); }
  ~Stmt() { sqlite3_finalize(st); }
  bool Ok() const { return m_rc == SQLITE_OK && st; }
  int Rc() const { return m_rc; }
  sqlite3_stmt* st = nullptr;

 private:
  int m_rc;
};

// ---- Saving ----
struct SaveCtx {
  sqlite3_stmt* st;
  const std::vector<DB_CFlatField>* fields;
  int seq;
  bool ok;
};

void SaveRecord(void* c, UINT key, const void* rec) {
  SaveCtx* x = static_cast<SaveCtx*>(c);
  if (!x->ok) return;
  sqlite3_stmt* st = x->st;
  sqlite3_bind_int64(st, 1, ++x->seq);
  sqlite3_bind_int64(st, 2, key);
  int col = 3;
  for (const DB_CFlatField& f : *x->fields) {
    const void* p = f.Addr(rec);
    switch (f.type) {
      case DBF_INT: sqlite3_bind_int64(st, col, *(const int*)p); break;
      case DBF_UINT: sqlite3_bind_int64(st, col, *(const unsigned*)p); break;
      case DBF_DOUBLE: sqlite3_bind_double(st, col, *(const double*)p); break;
      case DBF_STRING: {
        const CString& s = *(const CString*)p;
        sqlite3_bind_text(st, col, s.c_str(), s.GetLength(), SQLITE_STATIC);
        break;
      }
      case DBF_CHARS: sqlite3_bind_blob(st, col, p, f.charCount, SQLITE_STATIC); break;
      case DBF_UINTLIST: {
        const CUIntArray& a = *(const CUIntArray*)p;
        std::vector<unsigned char> b;
        b.reserve((size_t)a.GetSize() * 4);
        for (UINT k : a)
          for (int i = 0; i < 4; ++i) b.push_back((unsigned char)(k >> (8 * i)));
        sqlite3_bind_blob(st, col, b.data(), (int)b.size(), SQLITE_TRANSIENT);
        break;
      }
      case DBF_REALLIST: {
        const CArray<double>& a = *(const CArray<double>*)p;
        std::vector<unsigned char> b;
        b.reserve((size_t)a.GetSize() * 8);
        for (double d : a) {
          std::uint64_t bits = 0;
          std::memcpy(&bits, &d, 8);
          for (int i = 0; i < 8; ++i) b.push_back((unsigned char)(bits >> (8 * i)));
        }
        sqlite3_bind_blob(st, col, b.data(), (int)b.size(), SQLITE_TRANSIENT);
        break;
      }
      case DBF_RECORD: break;
    }
    ++col;
  }
  x->ok = sqlite3_step(st) == SQLITE_DONE;
  sqlite3_reset(st);
}

bool WriteTable(sqlite3* db, const DB_CStoreBase& store) {
  const auto& fields = DB_FlatFields(store.GetDesc());
  std::string code = Quote(store.GetCode());
  std::string create = "CREATE TABLE " + code + "(seq INTEGER PRIMARY KEY, key INTEGER NOT NULL";
  std::string insert = "INSERT INTO " + code + " VALUES(?,?";
  for (const DB_CFlatField& f : fields) {
    create += ", " + Quote(f.path) + " " + SqlType(f.type);
    insert += ",?";
  }
  if (sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) return false;
  Stmt ins(db, insert + ")");
  if (!ins.Ok()) return false;
  SaveCtx ctx{ins.st, &fields, 0, true};
  store.Walk(&SaveRecord, &ctx);
  if (!ctx.ok) return false;
  Stmt meta(db, "INSERT INTO vur_tables VALUES(?,?,?)");
  if (!meta.Ok()) return false;
  sqlite3_bind_text(meta.st, 1, store.GetCode(), -1, SQLITE_STATIC);
  sqlite3_bind_int64(meta.st, 2, store.Count());
  sqlite3_bind_int64(meta.st, 3, store.NextKey());
  return sqlite3_step(meta.st) == SQLITE_DONE;
}

bool SyncPath(const std::string& path, bool dir) {
  int fd = ::open(path.c_str(), dir ? O_RDONLY | O_DIRECTORY : O_RDONLY);
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0 || dir;  // some file systems refuse to sync a directory
  ::close(fd);
  return ok;
}

// ---- Opening ----
class RowSource : public DB_CRecordSource {
 public:
  RowSource(sqlite3_stmt* st, const std::vector<const DB_CFlatField*>& cols) : m_st(st), m_cols(cols) {}
  bool failed = false;
  UINT badKey = 0;  // the key of the row that failed, when it has one
  BOOL Next(UINT& key, void* rec) override {
    int rc = sqlite3_step(m_st);
    if (rc != SQLITE_ROW) {
      failed = rc != SQLITE_DONE;
      return FALSE;
    }
    sqlite3_int64 k = sqlite3_column_int64(m_st, 1);
    if (k < 1 || k > (sqlite3_int64)DB_MAX_KEY) {
      failed = true;
      badKey = k > 0 && k <= (sqlite3_int64)UINT_MAX ? (UINT)k : 0;
      return FALSE;
    }
    key = (UINT)k;
    for (size_t i = 0; i < m_cols.size(); ++i) {
      const DB_CFlatField* f = m_cols[i];
      if (!f) continue;
      int c = (int)i;
      void* p = f->Addr(rec);
      switch (f->type) {
        case DBF_INT: *(int*)p = (int)sqlite3_column_int64(m_st, c); break;
        case DBF_UINT: *(unsigned*)p = (unsigned)sqlite3_column_int64(m_st, c); break;
        case DBF_DOUBLE: {
          double d = sqlite3_column_double(m_st, c);
          if (!std::isfinite(d)) {  // a model holds finite reals only
            failed = true;
            badKey = key;
            return FALSE;
          }
          *(double*)p = d;
          break;
        }
        case DBF_STRING: {
          const unsigned char* t = sqlite3_column_text(m_st, c);
          int n = sqlite3_column_bytes(m_st, c);
          *(CString*)p = t ? CString((const char*)t, n) : CString();
          break;
        }
        case DBF_CHARS: {
          const void* b = sqlite3_column_blob(m_st, c);
          int n = sqlite3_column_bytes(m_st, c);
          std::memset(p, 0, (size_t)f->charCount);
          if (b) std::memcpy(p, b, (size_t)std::min(n, f->charCount));
          break;
        }
        case DBF_UINTLIST: {  // 32-bit keys, least significant byte first
          const unsigned char* b = (const unsigned char*)sqlite3_column_blob(m_st, c);
          int n = sqlite3_column_bytes(m_st, c);
          if (n % 4) {
            failed = true;
            return FALSE;
          }
          CUIntArray& a = *(CUIntArray*)p;
          a.RemoveAll();
          for (int i = 0; b && i < n; i += 4)
            a.Add((UINT)b[i] | (UINT)b[i + 1] << 8 | (UINT)b[i + 2] << 16 | (UINT)b[i + 3] << 24);
          break;
        }
        case DBF_REALLIST: {  // 64-bit IEEE doubles, least significant byte first
          const unsigned char* b = (const unsigned char*)sqlite3_column_blob(m_st, c);
          int n = sqlite3_column_bytes(m_st, c);
          if (n % 8) {
            failed = true;
            return FALSE;
          }
          CArray<double>& a = *(CArray<double>*)p;
          a.RemoveAll();
          for (int i = 0; b && i < n; i += 8) {
            std::uint64_t bits = 0;
            for (int j = 0; j < 8; ++j) bits |= (std::uint64_t)b[i + j] << (8 * j);
            double d = 0.0;
            std::memcpy(&d, &bits, 8);
            a.Add(d);
          }
          break;
        }
        case DBF_RECORD: break;
      }
    }
    return TRUE;
  }

 private:
  sqlite3_stmt* m_st;
  const std::vector<const DB_CFlatField*>& m_cols;
};

enum Failure { OK, NOT_MODEL, CORRUPT, NEWER };

// The tables every model holds: a file without one of them, or without one of their
// columns, is damaged.
const UINT kRequiredTables[] = {DB_CLASS_MDUL, DB_CLASS_STOR, DB_CLASS_PLAN, DB_CLASS_MCTL};
bool IsRequired(const DB_CStoreBase& store) {
  for (UINT id : kRequiredTables)
    if (store.GetClassID() == id) return true;
  return false;
}

// Where a damaged file breaks: "STOR", "STOR key 5", "STOR column height".
void Where(CString& where, const DB_CStoreBase& store, const char* what = nullptr, unsigned long long key = 0) {
  where = store.GetCode();
  if (what) {
    where += ' ';
    where += what;
  } else if (key) {
    CString k;
    k.Format(" key %llu", key);
    where += k;
  }
}

// Columns renamed since files were written with them: a file of either name reads alike.
struct FormerColumn {
  const char* code;
  const char* former;
  const char* path;
};
const FormerColumn kFormerColumns[] = {
    {"MBTP", "slot1", "value[0]"},    {"MBTP", "slot2", "value[1]"},    {"MBTP", "slot3", "value[2]"},
    {"MBTP", "slot4", "value[3]"},    {"MBTP", "slot5", "value[4]"},    {"MBTP", "slot6", "value[5]"},
    {"MBTP", "auto1", "autoFlag[0]"}, {"MBTP", "auto2", "autoFlag[1]"}, {"MBTP", "auto3", "autoFlag[2]"},
    {"MBTP", "auto4", "autoFlag[3]"}, {"MBTP", "auto5", "autoFlag[4]"}, {"MBTP", "auto6", "autoFlag[5]"},
    {"STIK", "extraThick", "extra"},  {"STIK", "userThick", "flag"},  {"PTLD", "owner", "pont"},
};

const DB_CFlatField* FindColumn(const DB_CStoreBase& store, const char* name) {
  if (const DB_CFlatField* f = DB_FindField(store.GetDesc(), name)) return f;
  for (const FormerColumn& c : kFormerColumns)
    if (name && std::strcmp(c.code, store.GetCode()) == 0 && std::strcmp(c.former, name) == 0)
      return DB_FindField(store.GetDesc(), c.path);
  return nullptr;
}

Failure ReadTable(sqlite3* db, DB_CStoreBase& store, sqlite3_int64 count, sqlite3_int64 nextKey, int version,
                  CString& where) {
  Stmt st(db, "SELECT * FROM " + Quote(store.GetCode()) + " ORDER BY seq");
  if (!st.Ok()) return CORRUPT;
  int n = sqlite3_column_count(st.st);
  if (n < 2 || std::strcmp(sqlite3_column_name(st.st, 1), "key") != 0) return CORRUPT;
  std::vector<const DB_CFlatField*> cols((size_t)n, nullptr);
  for (int i = 2; i < n; ++i) cols[(size_t)i] = FindColumn(store, sqlite3_column_name(st.st, i));
  if (IsRequired(store)) {
    for (const DB_CFlatField& f : DB_FlatFields(store.GetDesc())) {
      if (f.since > version) continue;
      bool found = false;
      for (const DB_CFlatField* c : cols) found = found || c == &f;
      if (!found) {
        Where(where, store, ("column " + f.path).c_str());
        return CORRUPT;
      }
    }
  }
  if (count < 0 || count > INT_MAX) return CORRUPT;
  RowSource src(st.st, cols);
  if (!store.Load(src, (size_t)std::min<sqlite3_int64>(count, 1 << 24)) || src.failed) {
    Where(where, store, nullptr, src.badKey);
    store.Clear();
    return CORRUPT;
  }
  if (store.Count() != count) return CORRUPT;
  if (nextKey > (sqlite3_int64)store.NextKey() && nextKey <= (sqlite3_int64)DB_MAX_KEY + 1)
    store.SetNextKey((UINT)nextKey);
  return OK;
}

Failure ReadModel(sqlite3* db, DB_CDataBase& target, CString& where) {
  {
    Stmt st(db, "PRAGMA application_id");
    if (!st.Ok()) return st.Rc() == SQLITE_NOTADB ? NOT_MODEL : CORRUPT;
    int rc = sqlite3_step(st.st);
    if (rc != SQLITE_ROW) return rc == SQLITE_NOTADB ? NOT_MODEL : CORRUPT;
    if (sqlite3_column_int(st.st, 0) != DB_CModelFile::APPLICATION_ID) return NOT_MODEL;
  }
  int version = 0;
  {
    Stmt st(db, "PRAGMA user_version");
    if (!st.Ok() || sqlite3_step(st.st) != SQLITE_ROW) return CORRUPT;
    version = sqlite3_column_int(st.st, 0);
    if (version > DB_CModelFile::FORMAT_VERSION) return NEWER;
    if (version < 1) return CORRUPT;
  }
  std::map<std::string, std::pair<sqlite3_int64, sqlite3_int64>> tables;
  {
    Stmt st(db, "SELECT code, count, nextkey FROM vur_tables");
    if (!st.Ok()) return CORRUPT;
    int rc;
    while ((rc = sqlite3_step(st.st)) == SQLITE_ROW) {
      const unsigned char* c = sqlite3_column_text(st.st, 0);
      if (!c) return CORRUPT;
      tables[(const char*)c] = {sqlite3_column_int64(st.st, 1), sqlite3_column_int64(st.st, 2)};
    }
    if (rc != SQLITE_DONE) return CORRUPT;
  }
  for (DB_CStoreBase* s : target.GetStores()) {
    s->Clear();
    auto it = tables.find(s->GetCode());
    if (it == tables.end()) {
      if (!IsRequired(*s)) continue;
      Where(where, *s);
      return CORRUPT;
    }
    Failure f = ReadTable(db, *s, it->second.first, it->second.second, version, where);
    if (f != OK) return f;
  }
  // Every record keeps the rules the tables enforce on their writes.
  for (DB_CStoreBase* s : target.GetStores()) {
    DB_CDataClass* table = target.GetClass(s->GetClassID());
    UINT bad = 0;
    if (table && !table->CheckLoaded(bad)) {
      Where(where, *s, nullptr, bad);
      return CORRUPT;
    }
  }
  {
    Stmt st(db, "SELECT value FROM vur_values WHERE name='curPlan'");
    if (!st.Ok()) return CORRUPT;
    int rc = sqlite3_step(st.st);
    if (rc == SQLITE_ROW) target.SetCurPlanKey((UINT)sqlite3_column_int64(st.st, 0));
    else if (rc != SQLITE_DONE) return CORRUPT;
  }
  return OK;
}

}  // namespace

namespace {

// The file a save writes: the target of a symbolic link (followed to its end), else the
// path itself. Empty when a link leads nowhere.
std::string SaveTarget(const std::string& path) {
  struct stat lb;
  if (::lstat(path.c_str(), &lb) != 0 || !S_ISLNK(lb.st_mode)) return path;
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) return std::string();
  std::string r = real;
  std::free(real);
  return r;
}

std::string DirOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes the model into a file that exists (empty) at tmp.
bool WriteModel(const DB_CDataBase& src, const std::string& tmp) {
  Sql sql;
  if (sqlite3_open_v2(tmp.c_str(), &sql.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
    return false;
  char pragmas[256];
  std::snprintf(pragmas, sizeof pragmas,
                "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE;"
                "PRAGMA application_id=%d; PRAGMA user_version=%d;",
                DB_CModelFile::APPLICATION_ID, DB_CModelFile::FORMAT_VERSION);
  bool ok = sql.Exec(pragmas) && sql.Exec("BEGIN") &&
            sql.Exec("CREATE TABLE vur_tables(code TEXT PRIMARY KEY, count INTEGER, nextkey INTEGER);"
                     "CREATE TABLE vur_values(name TEXT PRIMARY KEY, value INTEGER)");
  if (ok) {
    char v[128];
    std::snprintf(v, sizeof v, "INSERT INTO vur_values VALUES('curPlan', %u)", src.GetCurPlanKey());
    ok = sql.Exec(v);
  }
  for (const DB_CStoreBase* s : src.GetStores()) {
    if (!ok) break;
    ok = WriteTable(sql.db, *s);
  }
  ok = ok && sql.Exec("COMMIT");
  sql.Close();
  return ok;
}

}  // namespace

BOOL DB_CModelFile::Save(const DB_CDataBase& src, const char* pszPath, CString& strError) {
  strError = IDS_DB_MODEL_FILE_CANNOT_SAVE;
  if (!pszPath || !*pszPath) return FALSE;
  const std::string path = SaveTarget(pszPath);
  if (path.empty()) return FALSE;
  // Only a regular file the user may write is replaced; its permission bits stay.
  struct stat sb;
  const bool exists = ::stat(path.c_str(), &sb) == 0;
  if (!exists && errno != ENOENT) return FALSE;
  mode_t mode = 0;
  if (exists) {
    if (!S_ISREG(sb.st_mode)) {
      strError = IDS_DB_MODEL_FILE_NOT_A_FILE;
      return FALSE;
    }
    if ((sb.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0) {
      strError = IDS_DB_MODEL_FILE_READ_ONLY;
      return FALSE;
    }
    mode = sb.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  const std::string dir = DirOf(path);
  std::string tmp = dir + "/.zel-saving-XXXXXX";
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) return FALSE;
  bool ok = ::fchmod(fd, mode) == 0;
  if (ok && exists && (sb.st_uid != ::geteuid() || sb.st_gid != ::getegid()))
    (void)!::fchown(fd, sb.st_uid, sb.st_gid);  // keeps the owner where the user may
  ::close(fd);
  ok = ok && WriteModel(src, tmp) && SyncPath(tmp, false) && ::rename(tmp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return FALSE;
  }
  SyncPath(dir, true);
  strError.Empty();
  return TRUE;
}

BOOL DB_CModelFile::Open(DB_CDataBase& db, const char* pszPath, CString& strError, CString* pWhere) {
  strError.Empty();
  if (pWhere) pWhere->Empty();
  struct stat sb;
  if (!pszPath || !*pszPath || ::stat(pszPath, &sb) != 0) {
    strError = !pszPath || !*pszPath || errno == ENOENT || errno == ENOTDIR ? IDS_DB_MODEL_FILE_NOT_FOUND
                                                                           : IDS_DB_MODEL_FILE_CANNOT_READ;
    return FALSE;
  }
  if (!S_ISREG(sb.st_mode)) {
    strError = IDS_DB_MODEL_FILE_NOT_A_FILE;
    return FALSE;
  }
  // A file nobody may read stays unread, whoever runs.
  if ((sb.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) == 0) {
    strError = IDS_DB_MODEL_FILE_CANNOT_READ;
    return FALSE;
  }
  // A file that does not start as an SQLite database is not a model at all.
  char head[16] = {0};
  FILE* f = std::fopen(pszPath, "rb");
  if (!f) {
    strError = errno == ENOENT ? IDS_DB_MODEL_FILE_NOT_FOUND : IDS_DB_MODEL_FILE_CANNOT_READ;
    return FALSE;
  }
  size_t got = std::fread(head, 1, sizeof head, f);
  std::fclose(f);
  if (got < sizeof head || std::memcmp(head, "SQLite format 3", 16) != 0) {
    strError = IDS_DB_MODEL_FILE_NOT_MODEL;
    return FALSE;
  }
  if (sb.st_size < 512) {  // shorter than the smallest page: cut off
    strError = IDS_DB_MODEL_FILE_CORRUPT;
    return FALSE;
  }
  Failure result = CORRUPT;
  CString where;
  {
    Sql sql;
    if (sqlite3_open_v2(pszPath, &sql.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK)
      result = ReadModel(sql.db, db, where);
    sql.Close();
  }
  if (result != OK) {
    for (DB_CStoreBase* s : db.GetStores()) s->Clear();
    strError = result == NOT_MODEL ? IDS_DB_MODEL_FILE_NOT_MODEL
               : result == NEWER   ? IDS_DB_MODEL_FILE_NEWER
                                   : IDS_DB_MODEL_FILE_CORRUPT;
    if (pWhere && result == CORRUPT) *pWhere = where;
    return FALSE;
  }
  db.ClearUndo();
  return TRUE;
}
