// Model files (*.zel): SQLite databases with one table per record type.
//
// Layout (format version 1): the SQLite header's application id is 0x5655524D ("VURM")
// and its user version the format version. Table vur_tables (code, count, nextkey) lists
// the record tables; vur_values (name, value) holds model values such as the current
// standard floor. Each record table is named by its four-letter code, with the columns
// seq (INTEGER PRIMARY KEY, the 1-based sequence), key, then one column per flat field
// named by its path ("loadMass.dlCase", "stiffFactors[0]"): INTEGER, REAL, TEXT, or BLOB
// for fixed character fields. Reals are in internal units.
//
// Saving writes a temporary file beside the target in one SQLite transaction, flushes
// it and renames it over the target, so a crash leaves the old file whole. Opening
// reads into a database that the caller swaps in on success; a missing, foreign, newer,
// truncated or corrupt file fails with a text key and leaves the caller's model as it
// was. A table the file lacks is read as empty; columns the file lacks keep the
// record's defaults; unknown tables and columns are ignored.
#pragma once
#include "afx/CString.h"

class DB_CDataBase;

// Text keys of the failures.
#define IDS_DB_MODEL_FILE_NOT_FOUND "IDS_DB_MODEL_FILE_NOT_FOUND"
#define IDS_DB_MODEL_FILE_NOT_MODEL "IDS_DB_MODEL_FILE_NOT_MODEL"
#define IDS_DB_MODEL_FILE_NEWER "IDS_DB_MODEL_FILE_NEWER"
#define IDS_DB_MODEL_FILE_CORRUPT "IDS_DB_MODEL_FILE_CORRUPT"
#define IDS_DB_MODEL_FILE_CANNOT_SAVE "IDS_DB_MODEL_FILE_CANNOT_SAVE"

class DB_CModelFile {
 public:
  static constexpr int FORMAT_VERSION = 1;
  static constexpr int APPLICATION_ID = 0x5655524D;

  static BOOL Save(const DB_CDataBase& db, const char* pszPath, CString& strError);
  // Reads into db, a database fresh from its constructor.
  static BOOL Open(DB_CDataBase& db, const char* pszPath, CString& strError);
};
