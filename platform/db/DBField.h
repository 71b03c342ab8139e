// Field declarations of the database records. Each record type lists its fields once,
// in order (name, member, unit kind); that one list drives unit conversion, model files,
// dumps and reading a field by name. Nested records and fixed arrays are allowed:
//
//   const DB_CRecordDesc& T_GRND_D::Desc() {
//     static const DB_CRecordDesc d("GRND", CLASS_ID, {
//         DBField<&T_GRND_D::groundLevel>("groundLevel", UNIT_LENGTH),
//         DBField<&T_GRND_D::basementCount>("basementCount")});
//     return d;
//   }
//
// A CUIntArray member is one field holding a list of keys of any length (a member's
// points): dumped as "1,2,3" ("-" when empty), stored in model files as a blob of 32-bit
// unsigned integers. A CArray<double> member is likewise one field holding a list of reals
// (a wall's opening positions): dumped as "1.5,3" with %.15g ("-" when empty), stored as a
// blob of 64-bit IEEE doubles, finite like every real, never converted between units.
//
// The record's key is not a field: tables keep it beside the record (records that carry
// a `key` member have it kept equal to the table's key).
#pragma once
#include <string>
#include <type_traits>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "afx/CString.h"

class CUnitCtrl;

enum DB_FIELD_TYPE { DBF_INT, DBF_UINT, DBF_DOUBLE, DBF_STRING, DBF_CHARS, DBF_RECORD, DBF_UINTLIST, DBF_REALLIST };

struct DB_CRecordDesc;

struct DB_CField {
  const char* name = "";
  DB_FIELD_TYPE type = DBF_INT;
  int count = 0;                     // array elements; 0 for a scalar; chars: their number
  int unitKind = 0;                  // DB_UNIT_KIND of a real
  size_t elemSize = 0;               // bytes between array elements
  void* (*addr)(void* rec) = nullptr;
  const DB_CRecordDesc& (*sub)() = nullptr;  // nested record
  int since = 1;                     // the model-file format version that added the field

  // A field added after the first file format: older files lack its column and keep the
  // record's default; files of that version or later must hold it.
  DB_CField Since(int version) const {
    DB_CField f = *this;
    f.since = version;
    return f;
  }
};

struct DB_CRecordDesc {
  DB_CRecordDesc(const char* code, UINT classId, std::vector<DB_CField> fields)
      : m_code(code), m_classId(classId), m_fields(std::move(fields)) {}
  const char* m_code;        // four-letter table code, e.g. "STOR"
  UINT m_classId;            // table class id, 0 for records that no table holds
  std::vector<DB_CField> m_fields;
};

namespace db_detail {
template <class M> struct MemberOf;
template <class C, class V> struct MemberOf<V C::*> { using Class = C; using Value = V; };
template <class V> constexpr DB_FIELD_TYPE ScalarType() {
  if constexpr (std::is_same_v<V, int>) return DBF_INT;
  else if constexpr (std::is_same_v<V, unsigned>) return DBF_UINT;
  else if constexpr (std::is_same_v<V, double>) return DBF_DOUBLE;
  else if constexpr (std::is_same_v<V, CString>) return DBF_STRING;
  else if constexpr (std::is_same_v<V, CUIntArray>) return DBF_UINTLIST;
  else if constexpr (std::is_same_v<V, CArray<double>>) return DBF_REALLIST;
  else return DBF_RECORD;
}
}  // namespace db_detail

template <auto M>
DB_CField DBField(const char* name, int unitKind = 0) {
  using Info = db_detail::MemberOf<decltype(M)>;
  using C = typename Info::Class;
  using V = typename Info::Value;
  DB_CField f;
  f.name = name;
  f.unitKind = unitKind;
  f.addr = [](void* r) -> void* { return (void*)&(static_cast<C*>(r)->*M); };
  if constexpr (std::is_array_v<V>) {
    using E = std::remove_extent_t<V>;
    f.count = (int)std::extent_v<V>;
    f.elemSize = sizeof(E);
    if constexpr (std::is_same_v<E, char>) {
      f.type = DBF_CHARS;
    } else {
      f.type = db_detail::ScalarType<E>();
      if constexpr (db_detail::ScalarType<E>() == DBF_RECORD) f.sub = &E::Desc;
    }
  } else {
    f.elemSize = sizeof(V);
    f.type = db_detail::ScalarType<V>();
    if constexpr (db_detail::ScalarType<V>() == DBF_RECORD) f.sub = &V::Desc;
  }
  return f;
}

// One scalar value of a record reached through nested fields and array indexes: the
// unit of file columns, dumps and field reads.
struct DB_CFlatField {
  std::string path;                          // "loadMass.dlCase", "stiffFactors[1]"
  DB_FIELD_TYPE type = DBF_INT;              // never DBF_RECORD
  int charCount = 0;                         // DBF_CHARS
  int unitKind = 0;
  int since = 1;                             // the latest Since along the path
  std::vector<std::pair<void* (*)(void*), size_t>> chain;  // member, then byte offset

  void* Addr(void* rec) const {
    char* p = (char*)rec;
    for (const auto& c : chain) p = (char*)c.first(p) + c.second;
    return p;
  }
  const void* Addr(const void* rec) const { return Addr(const_cast<void*>(rec)); }
};

// The flat list of a record type, built once per type.
const std::vector<DB_CFlatField>& DB_FlatFields(const DB_CRecordDesc& desc);
// Unit conversion of every real in place: bIn converts current units to internal ones.
void DB_ConvertRecord(const DB_CRecordDesc& desc, void* rec, const CUnitCtrl* pUnit, BOOL bIn);
// Whether every real of the record is finite: no table stores infinity or NaN.
BOOL DB_AllRealsFinite(const DB_CRecordDesc& desc, const void* rec);
// Whether a text holds a control character (below 0x20, or 0x7F): names never do.
BOOL DB_HasControlChar(const CString& s);
// What a dump shows: every record, or only that of key; every field, or only those named
// and beneath them ("Part1.BaseA" names "Part1.BaseA.Stiff.Area", "dSize" names "dSize[0]").
struct DB_CDumpFilter {
  BOOL bKey = FALSE;
  UINT key = 0;
  std::vector<std::string> fields;  // empty: every field

  BOOL WantsField(const std::string& path) const;
  // Whether every name of fields names at least one flat field of desc; the first that
  // names none goes to bad.
  BOOL FieldsExist(const DB_CRecordDesc& desc, std::string& bad) const;
};
// " path=value" for every flat field the filter wants (all without one), in field order.
void DB_DumpRecord(const DB_CRecordDesc& desc, const void* rec, CString& out,
                   const DB_CDumpFilter* pFilter = nullptr);
// The text of one value as a dump shows it; bRaw: texts as they are, unquoted.
CString DB_FieldText(const DB_CFlatField& f, const void* rec, BOOL bRaw = FALSE);
// A text as one word: quoted when empty or holding blanks, quotes, '=' or control
// characters; inside quotes \" \\ \t \n, other control characters \xHH, so that a
// word never breaks its line.
CString DB_QuoteWord(const CString& s);
// The flat field of that path, or NULL.
const DB_CFlatField* DB_FindField(const DB_CRecordDesc& desc, const char* path);
// Writes a value given as text, as a dump shows it (reals in internal units; a key list
// "1,2,3" or "-"; a list element written through nIndex >= 0, which may append one past
// the end). 0 when the text is no value of the field's type; the record is then as it was.
BOOL DB_SetFieldText(const DB_CFlatField& f, void* rec, const CString& text, int nIndex = -1);
