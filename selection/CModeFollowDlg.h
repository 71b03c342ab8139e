// What the identity windows (CCMIdentityDlg, CMActiveIdentityDlg,
// CSelectActiveIdentityDlg) share: they work on the building model (mode 0) or, in
// post-processing or the 3D analysis view, on the analysis model (mode 1), and follow
// both databases - the model database through the connector, the analysis database
// through a listener of their own (FollowAnalysisDB) - handing every hint, with the id of
// the database it names (0 for none), to OnUpdateHint.
//
// - OnUpdateHint does nothing before the window exists. Hints 0, 1 and data changes run
//   UpdateBuffer; hints 7 and 8, and 29 in pre-processing, run ChangeCurMode; any other
//   hint does nothing.
// - m_nMode is the mode the window last took (ChangeCurMode sets it).
#pragma once
#include "db/DB_CUpdateListener.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"

class CModeFollowDlg : public CDBDlgBase, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CModeFollowDlg)

 public:
  ~CModeFollowDlg() override;

  // The mode the views are in now, and the database of a mode.
  int GetCurMode() const;
  DB_CDataBase* GetCurrentDB(int nMode) const;
  int GetMode() const { return m_nMode; }
  // The database that answers a query of the category: the mode's, but the model
  // database's for named planes (they live there in either mode).
  DB_CDataBase* GetCategoryDB(UINT nCategory) const;
  // The document's model database (the mode-0 database without a document).
  DB_CDataBase* GetModelDB() const;
  // Takes the current mode and rebuilds what depends on it.
  virtual void ChangeCurMode() = 0;
  // Follows a transaction of the database nDBID.
  virtual void UpdateBuffer(UINT nDBID) = 0;
  virtual void OnUpdateHint(LPARAM lHint, UINT nDBID);

 protected:
  CModeFollowDlg(UINT nIDTemplate, CWnd* pParent);

  // Connects the listener to the document's analysis database (none without a document).
  void FollowAnalysisDB();
  void OnDBUpdate(const DB_CDataBase& db) override;
  void OnHint(LPARAM lHint, CObject* pHint) override;

  int m_nMode = 0;

 private:
  class CAnalysisFollower : public DB_CUpdateListener {
   public:
    explicit CAnalysisFollower(CModeFollowDlg* pDlg) : m_pDlg(pDlg) {}
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

   private:
    CModeFollowDlg* m_pDlg;
  };

  CAnalysisFollower m_follower{this};
};
