// The story page of the plan and story dialog: the stories of one tower in the story
// table (CCmdPlanStoryGrid, edit mode 1) and the generation of stories in series. The
// user gives a count, a height, a standard floor, a named slab load and one name or a
// prefix, a number range and a suffix; Add puts the new stories on top of the tower, Append
// below its stories, Insert right above the current row's story, Replace all in place of
// the tower's stories; Edit applies the ticked name, height, standard floor or slab load
// to the stories selected in the grid; Delete all deletes the tower's stories. The page
// also shows the main tower's outdoor ground level (set in CStoryGLevelDlg) or another
// tower's start level, makes a tower when a new name is typed into the tower box, and
// opens the story material dialog (CCmdPlanStoryDlgStorMatl) of its tower ("..." 16072).
//
// Rules:
// - Numbering: with a count above 1 the names are prefix + number + suffix from the end
//   number (top story) down to the start number, or up with the increasing check (then
//   the prefix becomes "B" and the suffix empty, else the suffix "F" and the prefix
//   empty); a change of the start or end number moves the other, once. A count of 1 shows
//   "1F" in the name edit.
// - Every generating command checks, in order, before it writes anything: a count of at
//   least 1 ("IDS_WG_CMD_IP_STORYDLG_WARNING_gt_or_eq_to_one", the count becomes 1); a
//   standard floor no story of another tower uses
//   ("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules", the choice is cleared); count,
//   start and end numbers from 0 to 1000 ("IDS_CMD_Value_gt_zero_and_lt_input", emptied);
//   a height that is a number, above 0 for a series ("IDS_CMD_STOR_HEIGHT_POSITIVE"), not
//   negative for one story ("IDS_CMD_STOR_HEIGHT_NEGATIVE"); a name for one story
//   ("IDS_CMD_STOR_NAME_BLANK"); names of at most 20 bytes
//   ("IDS_CMD_STOR_NAME_LENGTH_LIMIT"); and, but for Replace all, names no story of the
//   tower has, letter case ignored ("IDS_CMD_EXISTING_STOR_NAME"). Edit compares its names
//   with the stories it does not change, letter case counted.
// - Each command is one undoable step: Replace all on the main tower also resets the
//   basement record, in the same step and only when the stories were replaced. Delete
//   all deletes every story of the tower but the base story, after the question.
// - Edit leaves what is not ticked as stored; with the standard-floor check ticked and no
//   standard floor chosen the floors stay.
// - Insert without a current cell inserts where Append would.
// - The page follows every transaction of the story, standard-floor, basement and tower
//   tables: the grid replays it, the ground level is read again, and after a tower entry
//   the tower typed last is selected (else the main tower).
#pragma once
#include <memory>
#include "db/CCobxMdul.h"
#include "db/CCobxName.h"
#include "db/CCobxPlan.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_STOR_D.h"
#include "levels/ICmdPlanStoryGridOwner.h"
#include "levels/T_DLG_STORY_DATA_MATL.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgChild.h"

class CClassGrnd;
class CClassMdul;
class CClassNsbl;
class CClassPlan;
class CClassStor;
class CCmdPlanStoryGrid;

class CCmdPlanStoryDlgStor : public CDlgChild, public CDBUpdateConnector, public ICmdPlanStoryGridOwner {
  DECLARE_DYNAMIC(CCmdPlanStoryDlgStor)

 public:
  explicit CCmdPlanStoryDlgStor(CWnd* pParent = nullptr);
  ~CCmdPlanStoryDlgStor() override;

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // The tower shown first (before the window is made); 1.
  int SetInitModulekey(UINT key);
  void TerminateGridEditing();
  // 1 when the standard floor may serve the tower: no story of another tower uses it.
  // A refusal shows "IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules" when bShowMessage.
  int CheckPlanKeyListToBeAssignedToMdul(UINT mdulKey, UINT planKey, int bShowMessage);
  void OnGridSelChanged(int n, UINT firstKey) override;

  CCmdPlanStoryGrid* GetGrid() const { return m_pGrid.get(); }
  const T_DLG_STORY_DATA_MATL& GetData() const { return m_data; }
  BOOL IsMainTower() const { return m_bMainTower; }

  // ---- commands ---------------------------------------------------------------------------
  void OnCmdAddBtn();
  void OnCmdAppendBtn();
  void OnCmdInsertBtn();
  void OnCmdModifyBtn();
  void OnCmdReplaceAllBtn();
  void OnCmdDeleteAllBtn();
  void OnCmdGroundLevelBtn();
  void OnCmdStoryMatlBtn();
  void OnComingSoon();
  void OnSelchangeTowerCombo();
  void OnKillfocusTowerCombo();
  void OnSelchangePlanCombo();
  void OnChangeCount();
  void OnChangeEndNo();
  void OnChangeStartNo();
  void UpdateNumbering();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  void Data2Dlg();
  int Dlg2Data();

 private:
  void ArrangeControls();
  void InitCtrl();
  int CheckCountAndPlan();
  int CheckNumberRanges();
  // The range check of one number edit (0 to 1000); 0 after the message.
  int CheckNumberRange(UINT id);
  int CheckHeight();
  int CheckStoryInput();
  int MakeStoryNames(CStringArray& names);
  // 0 (after the message) when a name equals one of the tower's stories but the skipped
  // ones: letter case ignored, or counted with bExactCase.
  int CheckNamesInTower(const CStringArray& names, const CUIntArray* skip, BOOL bExactCase);
  // The checks of every generating command and the records (bottom story first).
  int PrepareStories(BOOL bUnique, CArray<T_STOR_D>& recs);
  // Where Append puts new stories.
  int AppendPosition();
  // 1, the range of a number edit, then the other number from it ("end" changed or not).
  void SyncNumberRange(BOOL bEndChanged);
  void ShowTowerGroups();
  void ReadGround();
  void Refuse(const char* key, UINT focusId);
  int ReadInt(UINT id) const;
  void SetInt(UINT id, int value);

  T_DLG_STORY_DATA_MATL m_data;
  CClassMdul* m_pMdul = nullptr;
  CClassStor* m_pStor = nullptr;
  CClassGrnd* m_pGrnd = nullptr;
  CClassPlan* m_pPlan = nullptr;
  CClassNsbl* m_pNsbl = nullptr;
  CString m_strTypedTower;
  BOOL m_bSync = TRUE;
  BOOL m_bLoading = FALSE;   // Data2Dlg is writing the controls: their changes are not handled
  BOOL m_bHeightRead = TRUE; // the height edit held a number at the last Dlg2Data
  BOOL m_bMainTower = TRUE;
  std::unique_ptr<CCmdPlanStoryGrid> m_pGrid;

  CCobxMdul m_cobxMdul;
  CEditUnit m_editGround;
  CTextUnit m_textGroundUnit;
  CEditUnit m_editStartLevel;
  CTextUnit m_textStartLevelUnit;
  CEditUnit m_editCount;
  CEditUnit m_editStartNo;
  CEditUnit m_editEndNo;
  CEditUnit m_editHeight;
  CTextUnit m_textHeightUnit;
  CCobxPlan m_cobxPlan;
  CCobxName m_cobxName;

  DECLARE_MESSAGE_MAP()
};
