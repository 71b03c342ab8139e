// One entry of a transaction's update-record list: a code (UR_xxxx_ADD, _DEL, _MFD,
// _MFS of the table) and a record key, with the record's image.
#pragma once
#include <cstdint>
#include "afx/AfxTypes.h"

class DB_CTableOpBase;

struct DB_CUpdateRecord {
  int m_nCode = 0;
  UINT m_nKey = 0;
  UINT m_nClassID = 0;
  const DB_CTableOpBase* m_pOp = nullptr;  // holds the image
  uint32_t m_nImage = 0;
};
