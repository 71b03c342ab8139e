// Model files (*.zel): SQLite databases with one table per record type.
//
// Layout (format version 1): the SQLite header's application id is 0x5655524D ("VURM")
// and its user version the format version. Table vur_tables (code, count, nextkey) lists
// the record tables; vur_values (name, value) holds model values such as the current
// standard floor. Each record table is named by its four-letter code, with the columns
// seq (INTEGER PRIMARY KEY, the 1-based sequence), key, then one column per flat field
// named by its path ("loadMass.dlCase", "stiffFactors[0]"): INTEGER, REAL, TEXT, or BLOB
// for fixed character fields, or for key lists (32-bit keys, least significant byte
// first). Reals are in internal units.
//
// Saving replaces only a regular file the user may write (a read-only file, a directory,
// a device or a pipe is refused, untouched); through a symbolic link it writes the link's
// target. The model goes into a temporary file beside the target in one SQLite
// transaction, which takes the target's permission bits (and owner, where allowed), is
// flushed, renamed over the target, and the folder flushed: a crash leaves the old file
// whole.
//
// Opening reads into a database that the caller swaps in on success, and fails with a
// text key, leaving the caller's model as it was, for a path that does not exist, one
// that names no regular file, a file that cannot be read, and a foreign, newer, truncated
// or damaged file. Damaged includes a file of this format that lacks a required table
// (towers, stories, standard floors, model control) or one of their columns, and records
// that break a rule the tables enforce on writes (DB_CTable: key range, finite reals,
// names, each table's own record and table rules); the place is told as "CODE",
// "CODE key K" or "CODE column PATH". Other tables the file lacks are read as empty;
// other columns it lacks keep the record's defaults, as does a column declared
// Since(version) in a file older than that version; unknown tables and columns are
// ignored. A field added to a record type in a later format is declared with Since and
// comes with a new FORMAT_VERSION.
#pragma once
#include "afx/CString.h"

class DB_CDataBase;

// Text keys of the failures.
#define IDS_DB_MODEL_FILE_NOT_FOUND "IDS_DB_MODEL_FILE_NOT_FOUND"
#define IDS_DB_MODEL_FILE_NOT_MODEL "IDS_DB_MODEL_FILE_NOT_MODEL"
#define IDS_DB_MODEL_FILE_NEWER "IDS_DB_MODEL_FILE_NEWER"
#define IDS_DB_MODEL_FILE_CORRUPT "IDS_DB_MODEL_FILE_CORRUPT"
#define IDS_DB_MODEL_FILE_CANNOT_SAVE "IDS_DB_MODEL_FILE_CANNOT_SAVE"
#define IDS_DB_MODEL_FILE_NOT_A_FILE "IDS_DB_MODEL_FILE_NOT_A_FILE"
#define IDS_DB_MODEL_FILE_CANNOT_READ "IDS_DB_MODEL_FILE_CANNOT_READ"
#define IDS_DB_MODEL_FILE_READ_ONLY "IDS_DB_MODEL_FILE_READ_ONLY"
// The damaged file's message with its place (%s).
#define IDS_DB_MODEL_FILE_DAMAGED_AT_s "IDS_DB_MODEL_FILE_DAMAGED_AT_s"

class DB_CModelFile {
 public:
  static constexpr int FORMAT_VERSION = 1;
  static constexpr int APPLICATION_ID = 0x5655524D;

  static BOOL Save(const DB_CDataBase& db, const char* pszPath, CString& strError);
  // Reads into db, a database fresh from its constructor. pWhere (optional) receives the
  // place of the damage when the file is damaged and it is known.
  static BOOL Open(DB_CDataBase& db, const char* pszPath, CString& strError, CString* pWhere = nullptr);
};
