// Stories. All stories share one sequence, kept bottom-up; within a tower it runs from
// the tower's lowest story to its highest. Names are unique within a tower. Key 1 is the
// base story (of the main tower). A story's tower must exist, its standard floor must
// exist or be 0, its height must not be negative. A story that points or members stand
// on cannot be deleted (nor its tower).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_STOR_D.h"

class CClassStor : public DB_CTable<T_STOR_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_STOR;
  enum {
    UR_STOR_ADD = DB_UR_CODE(DB_CLASS_STOR, DB_UR_ADD),
    UR_STOR_DEL = DB_UR_CODE(DB_CLASS_STOR, DB_UR_DEL),
    UR_STOR_MFD = DB_UR_CODE(DB_CLASS_STOR, DB_UR_MFD),
    UR_STOR_MFS = DB_UR_CODE(DB_CLASS_STOR, DB_UR_MFS),
  };
  static constexpr UINT BASE_STORY = 1;

  CClassStor() : DB_CTable(m_nClassID) {}

  using DB_CTable::GetKeyList;
  using DB_CTable::GetList;
  using DB_CTable::TR_Add;

  // Reads by tower, in sequence order (bottom-up); Reverse: top-down.
  int GetCountWithoutBase(UINT mdulKey) const;
  void GetKeyList(CUIntArray& keys, UINT mdulKey) const;
  void GetKeyList(CUIntArray& keys, UINT mdulKey, UINT planKey) const;
  void GetKeyListReverse(CUIntArray& keys, UINT mdulKey) const;
  // Every story of every tower, in reverse table order.
  void GetKeyListReverse(CUIntArray& keys) const;
  void GetList(CUIntArray& keys, CArray<T_STOR_D>& recs, UINT mdulKey) const;
  // The stories of every tower that use a standard floor (0: those that use none), in
  // sequence order. Walks the stories (a model has few).
  void GetKeyListByPlanK(CUIntArray& keys, UINT planKey) const;
  UINT GetKey(const CString& name, UINT mdulKey) const;
  BOOL IsBaseStor(UINT key) const { return key == BASE_STORY; }
  // No member stands on the story while the model has members (in a model without
  // members no story is empty), as CCobxStor::ExceptEmptyStory reads it. FALSE for a
  // missing story.
  BOOL IsEmptyStory(UINT key) const;
  // The base story's key (the top of the base), 0 when there is none.
  UINT GetBaseTopStorKey() const { return Exist(BASE_STORY) ? BASE_STORY : 0; }
  // The lowest story of a tower (the base story for the main tower), 0 when it has none.
  UINT GetBaseStorK(UINT mdulKey) const;
  // A material key the story assigns, by member kind: 0 all members (allMatlKey),
  // 1 column, 2 beam, 3 wall, 4 slab, 5 brace, 6 secondary beam, 10 steel members,
  // 20 SRC column, 21 SRC beam. 0 for an unknown story or kind.
  UINT GetMatlK(UINT storKey, int nKind) const;
  // Level at which the tower starts: 0, or the top level of the story it stands on
  // (T_MDUL_D::startStorKey). 0 when the tower does not exist.
  BOOL GetStartLevelofCurMdul(UINT mdulKey, double& level) const;
  // Top level of a story: its tower's start level plus the heights of the tower's
  // stories up to and including it.
  BOOL GetTopLevel(UINT key, double& level) const;

  // TR_Add (records, bReplace, tower): every record goes to that tower; with bReplace the
  // records replace the tower's stories (the base story stays), in their place.
  BOOL TR_Add(const CArray<T_STOR_D>& recs, int bReplace, UINT mdulKey);
  // TR_Modify1, the story grids' data: everything but the materials. TR_Modify2, the story
  // material grids' data: only the materials (the concrete ones by member type, the steel
  // and SRC ones), the master-story flag and the bending factor; the levels dialog's
  // material page (CCmdStorMatlGrid) and the plan and story dialog's material table
  // (CCmdPlanStoryGridMatl) write with it, each from the stored story with its own
  // columns changed.
  BOOL TR_Modify1(const CString& oldName, const T_STOR_D& rec);
  BOOL TR_Modify1(const CStringArray& oldNames, const CArray<T_STOR_D>& recs);
  BOOL TR_Modify2(const CString& oldName, const T_STOR_D& rec);
  BOOL TR_Modify2(const CStringArray& oldNames, const CArray<T_STOR_D>& recs);

  // ---- The model's current story and story levels ----
  // The document's current story: the one set last while it exists, else the lowest
  // story of the main tower above its base story (the base story when there is none).
  UINT GetCurStor() const;
  BOOL SetCurStor(UINT key);
  CString GetName(UINT key) const;
  // "Tower1:1F": the tower's name, a colon and the story's name; empty for a missing key.
  CString GetNameWithModule(UINT key, const char* = nullptr) const;
  BOOL GetStorTopLevel(UINT key, double& level) const { return GetTopLevel(key, level); }
  // The story whose level range (bottom, top] holds the global level z, the current
  // story's tower first, then the others in sequence; the base story for z at or below
  // its top. relLevel: z from that story's top. 0 above every story.
  BOOL GetStorKFromGcsZ(double z, UINT& storyKey, double& relLevel) const;
  // The smallest story height among the stories that share the given story's standard
  // floor (in its tower), and that story's key. 0.0 and key 0 for a missing story.
  double GetMinStoryHeightInPlan(UINT key, UINT& minKey) const;
  // The points and members of a story: entries (code, key), points first
  // (CClassPont::UR_PONT_CMD), then members (CClassMemb::UR_MEMB_CMD), ascending keys.
  struct T_ATTR_ENTRY {
    int code;
    UINT key;
  };
  BOOL GetAttrList(UINT key, CArray<T_ATTR_ENTRY>& list) const;

  // Within a transaction of the tower table: deletes the stories of these towers.
  void DeleteOfTowers(const std::vector<UINT>& mdulKeys);
  // Within a transaction of the standard-floor table: the stories that use these
  // standard floors use none. Walks the stories (a model has few).
  void ClearPlans(const std::vector<UINT>& planKeys);

 protected:
  BOOL CheckRecord(const T_STOR_D& rec) const override;
  BOOL CheckTable(UINT& badKey) const override;
  int NewPosition(const T_STOR_D& rec) const override;

 private:
  BOOL TopLevel(UINT key, double& level, int depth) const;
  BOOL StartLevel(UINT mdulKey, double& level, int depth) const;
};

class CDataStor : public DB_CDataImage<T_STOR_D> {};
