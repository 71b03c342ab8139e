// Record images: one key and one record of a table, as update records and call-backs
// hand them over (CDataMdul, CDataStor, CDataDasb...). Copying an image copies the key,
// then the whole record.
#pragma once
#include "db/CUnitCtrl.h"
#include "db/DBField.h"

class DB_TDataRW {
 public:
  virtual ~DB_TDataRW() = default;
  virtual void Initialize() = 0;
  // From the current units into internal units, in place; and back.
  virtual void ConvertUnitIn(const CUnitCtrl* pUnit) = 0;
  virtual void ConvertUnitOut(const CUnitCtrl* pUnit) = 0;
};

class DB_CData : public DB_TDataRW {
 public:
  UINT m_nKey = 0;
  virtual const DB_CRecordDesc& GetDesc() const = 0;
  UINT GetClassID() const { return GetDesc().m_classId; }
  virtual void* GetRecordPtr() = 0;
  virtual const void* GetRecordPtr() const = 0;
  // Copies a record of this image's type (from the table that holds it).
  virtual void SetRecord(const void* pRec) = 0;
};

class CBaseData : public DB_CData {};

template <class T>
class DB_CDataImage : public CBaseData {
 public:
  T m_Data;

  DB_CDataImage() = default;
  DB_CDataImage(UINT key, const T& data) { m_nKey = key; m_Data = data; }
  void Initialize() override {
    m_nKey = 0;
    m_Data.Initialize();
  }
  void ConvertUnitIn(const CUnitCtrl* pUnit) override { DB_ConvertRecord(T::Desc(), &m_Data, pUnit, TRUE); }
  void ConvertUnitOut(const CUnitCtrl* pUnit) override { DB_ConvertRecord(T::Desc(), &m_Data, pUnit, FALSE); }
  const DB_CRecordDesc& GetDesc() const override { return T::Desc(); }
  void* GetRecordPtr() override { return &m_Data; }
  const void* GetRecordPtr() const override { return &m_Data; }
  void SetRecord(const void* pRec) override { m_Data = *static_cast<const T*>(pRec); }
};
