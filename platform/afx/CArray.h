// Growable arrays of the class library: CArray and its fixed-type siblings.
#pragma once
#include <algorithm>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CString.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
 public:
  CArray() = default;
  virtual ~CArray() = default;
  CArray(const CArray&) = default;
  CArray& operator=(const CArray&) = default;

  INT_PTR GetSize() const { return (INT_PTR)m_v.size(); }
  INT_PTR GetCount() const { return GetSize(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  BOOL IsEmpty() const { return m_v.empty(); }
  void SetSize(INT_PTR n, INT_PTR /*growBy*/ = -1) { m_v.resize(n > 0 ? (size_t)n : 0); }
  void RemoveAll() { m_v.clear(); }
  void FreeExtra() { m_v.shrink_to_fit(); }

  // Indexes out of range are a programming fault; they are clamped to a dummy element
  // rather than corrupting memory.
  const TYPE& GetAt(INT_PTR i) const { return InRange(i) ? m_v[(size_t)i] : Dummy(); }
  TYPE& GetAt(INT_PTR i) { return InRange(i) ? m_v[(size_t)i] : Dummy(); }
  TYPE& ElementAt(INT_PTR i) { return GetAt(i); }
  void SetAt(INT_PTR i, ARG_TYPE v) { if (InRange(i)) m_v[(size_t)i] = v; }
  const TYPE& operator[](INT_PTR i) const { return GetAt(i); }
  TYPE& operator[](INT_PTR i) { return GetAt(i); }
  const TYPE* GetData() const { return m_v.data(); }
  TYPE* GetData() { return m_v.data(); }

  INT_PTR Add(ARG_TYPE v) { m_v.push_back(v); return GetUpperBound(); }
  INT_PTR Append(const CArray& o) {
    INT_PTR at = GetSize();
    m_v.insert(m_v.end(), o.m_v.begin(), o.m_v.end());
    return at;
  }
  void Copy(const CArray& o) { if (this != &o) m_v = o.m_v; }
  void SetAtGrow(INT_PTR i, ARG_TYPE v) {
    if (i < 0) return;
    if ((size_t)i >= m_v.size()) m_v.resize((size_t)i + 1);
    m_v[(size_t)i] = v;
  }
  void InsertAt(INT_PTR i, ARG_TYPE v, INT_PTR count = 1) {
    if (i < 0 || count <= 0) return;
    if ((size_t)i > m_v.size()) m_v.resize((size_t)i);
    m_v.insert(m_v.begin() + i, (size_t)count, v);
  }
  void InsertAt(INT_PTR i, const CArray* o) {
    if (!o || i < 0) return;
    if ((size_t)i > m_v.size()) m_v.resize((size_t)i);
    std::vector<TYPE> copy = o->m_v;  // o may be this
    m_v.insert(m_v.begin() + i, copy.begin(), copy.end());
  }
  void RemoveAt(INT_PTR i, INT_PTR count = 1) {
    if (i < 0 || count <= 0 || (size_t)i >= m_v.size()) return;
    size_t e = std::min(m_v.size(), (size_t)(i + count));
    m_v.erase(m_v.begin() + i, m_v.begin() + (ptrdiff_t)e);
  }

  // For standard algorithms and range-for.
  typename std::vector<TYPE>::iterator begin() { return m_v.begin(); }
  typename std::vector<TYPE>::iterator end() { return m_v.end(); }
  typename std::vector<TYPE>::const_iterator begin() const { return m_v.begin(); }
  typename std::vector<TYPE>::const_iterator end() const { return m_v.end(); }
  const std::vector<TYPE>& vec() const { return m_v; }
  std::vector<TYPE>& vec() { return m_v; }

 private:
  bool InRange(INT_PTR i) const { return i >= 0 && (size_t)i < m_v.size(); }
  static TYPE& Dummy() { static thread_local TYPE d{}; d = TYPE{}; return d; }
  std::vector<TYPE> m_v;
};

class CUIntArray : public CArray<UINT, UINT> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
class CPtrArray : public CArray<void*, void*> {};
class CStringArray : public CArray<CString, const char*> {
 public:
  INT_PTR Add(const char* s) { return CArray::Add(s); }
  INT_PTR Add(const CString& s) { return CArray::Add(s.c_str()); }
};
class CObject;
class CObArray : public CArray<CObject*, CObject*> {};
