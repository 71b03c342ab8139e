#include "db/CClassLcug.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassLcug);

const DB_CRecordDesc& T_LCUG_D::Desc() {
  using R = T_LCUG_D;
  static const DB_CRecordDesc d("LCUG", DB_CLASS_LCUG, {
      DBField<&R::flag>("flag"),
      DBField<&R::upperStory>("upperStory"),
      DBField<&R::lowerStory>("lowerStory"),
  });
  return d;
}

UINT CClassLcug::GetUpperInbangSlabStoryKey() const {
  T_LCUG_D rec;
  return Get(rec) ? rec.upperStory : 0;
}

UINT CClassLcug::GetLowerInbangSlabStoryKey() const {
  T_LCUG_D rec;
  return Get(rec) ? rec.lowerStory : 0;
}
