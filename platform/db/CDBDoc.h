// A model document: its databases, unit control, preferences, the model-check state,
// and two slots that the UI library fills: the per-document module manager and the
// modeless-dialog manager. Their classes belong to the UI library; the document keeps
// opaque pointers, creates them on first use and deletes them at its end through the
// hooks that library installs (CDBDoc::SetUiHooks). Several documents may exist; the
// current one is CDBDoc::m_pDBDoc.
#pragma once
#include <memory>
#include "afx/CString.h"
#include "db/CChekCtrl.h"
#include "db/CFlagCtrl.h"
#include "db/CInitCtrl.h"
#include "db/CMDBCtrl.h"
#include "db/CUnitCtrl.h"

struct DB_CDumpFilter;
class CDBDoc;
class CDynModuleMgr;
class CDlgModelessMgr;
class CSectDB;
class CMatlDB;
class CLoadDB;
class CObject;
class CView;

struct CDBDocUiHooks {
  CDynModuleMgr* (*newDynModuleMgr)(CDBDoc* pDoc) = nullptr;
  void (*deleteDynModuleMgr)(CDynModuleMgr* p) = nullptr;
  CDlgModelessMgr* (*newDlgCtrl)(CDBDoc* pDoc) = nullptr;
  void (*deleteDlgCtrl)(CDlgModelessMgr* p) = nullptr;
};

// A part of the library that owns more tables adds its records to the sample model with
// a step registered at load; steps run in ascending order after the level records:
//   static const CDBDocSampleStep s_sections(20, [](CDBDoc& doc) { ... });
struct CDBDocSampleStep {
  CDBDocSampleStep(int nOrder, void (*pfn)(CDBDoc& doc));
};

class CDBDoc {
 public:
  static CDBDoc* m_pDBDoc;

  // A document holding a new model (NewModel); it becomes current when bMakeCurrent.
  explicit CDBDoc(BOOL bMakeCurrent = TRUE);
  CDBDoc(const CDBDoc&) = delete;
  CDBDoc& operator=(const CDBDoc&) = delete;
  // Ends the UI slots first; the current-document pointer is cleared if it was this.
  ~CDBDoc();

  CMDBCtrl* GetMDBCtrl() { return &m_mdb; }
  DB_CDataBase* GetModelDB() { return m_mdb.GetModelDB(); }
  CUnitCtrl* GetUnitCtrl() { return &m_unit; }
  CInitCtrl* GetInitCtrl() { return &m_init; }
  CFlagCtrl* GetFlagCtrl() { return &m_flag; }
  // The steel-section database: the shared one (CSectDB::GetDefault) unless another was set.
  CSectDB* GetSectDB();
  void SetSectDB(CSectDB* p) { m_pSectDB = p; }
  // The material standards (design codes and grades): the shared CMatlDB::GetDefault.
  CMatlDB* GetMatlDB();
  // The load vocabulary: the shared CLoadDB::GetDefault.
  CLoadDB* GetLoadDB();
  CDynModuleMgr* GetDynModuleMgr();
  CDlgModelessMgr* GetDlgCtrl();
  static void SetUiHooks(const CDBDocUiHooks& hooks);

  // Tells the document's views (they belong to the application, which installs a hook for
  // them with SetViewsHook) and then every listener of the model database that something
  // changed which no update record tells: OnUpdate(pSender, lHint, pHint) with no update
  // records. Nothing reaches the listeners while they are being notified already.
  void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
  typedef void (*VIEWS_HOOK)(CDBDoc* pDoc, CView* pSender, LPARAM lHint, CObject* pHint);
  // Installs the application's views hook (NULL: none); returns the previous one.
  static VIEWS_HOOK SetViewsHook(VIEWS_HOOK pfn);

  // The post-processing stage (results shown; the model is not edited then). Entering it
  // rebuilds the analysis model from the building model (BuildAnalysisModel).
  BOOL IsPostMode() const { return m_bPostMode; }
  void SetPostMode(BOOL bPost);
  // Replaces the analysis database's records by those the building model gives
  // (CPostModel::Build); 0 when it could not be built.
  BOOL BuildAnalysisModel();
  // Automatic member-type mode: design types are determined by the program, so the
  // attribute pages offer no AUTO choice and ignore the automatic flags.
  BOOL IsAutoMembTypeMode() const { return m_bAutoMembType; }
  void SetAutoMembTypeMode(BOOL bAuto) { m_bAutoMembType = bAuto; }

  // Model-check tracing.
  BOOL IsTracerMode() const { return m_bTracer; }
  int GetCheckMode() const { return m_nCheckMode; }
  void StartTracerMode(int nCheckMode, const CUIntArray& flaggedKeys);
  void EndTracerMode();
  CChekCtrl* GetChekCtrl() { return m_bTracer ? &m_chek : nullptr; }

  // ---- Model-level operations (the host's commands) ----
  // Empties the model and writes the library's defaults: the main tower (key 1),
  // standard floor 1 and the base story (key 1). Undo history is emptied.
  void NewModel();
  // The built-in sample: two towers, standard floors, a dozen stories, basement and
  // model control records, then what the registered sample steps add (CDBDocSampleStep).
  void NewSampleModel();
  // Model files. On failure the model is untouched and strError holds a text key.
  BOOL SaveModel(const char* pszPath, CString& strError);
  // The absolute path of the model file last opened or saved; empty for a model never
  // opened or saved (a new model empties it). A failed open or save leaves it.
  const CString& GetPathName() const { return m_strPathName; }
  // pWhere: the place of the damage in a damaged file (DB_CModelFile::Open).
  BOOL OpenModel(const char* pszPath, CString& strError, CString* pWhere = nullptr);
  // Undo and redo of the model database.
  BOOL Undo() { return GetModelDB()->Undo(); }
  BOOL Redo() { return GetModelDB()->Redo(); }
  // Writes one record by field texts (FIELD=VALUE, as DumpTable names the fields; a key
  // list element as "points[1]"): the stored record of the key with those fields
  // changed, else an initialised one, in one transaction. 1 written, 0 refused by the
  // table, -1 for an unknown table, field or value (strBad names it).
  int PutRecord(const char* pszCode, UINT key, const CStringArray& assignments, CString& strBad);
  BOOL DelRecord(const char* pszCode, UINT key);
  // Sets one field of the preferences by its text; 0 for an unknown field or value.
  BOOL SetPreferenceField(const char* pszField, const CString& value);
  // "table CODE COUNT" and one line a record; 0 for an unknown table code.
  BOOL DumpTable(const char* pszCode, CString& out);
  // The same, only what the filter wants; 0 for an unknown table code or a field name that
  // names no field of the table (strBad names it).
  BOOL DumpTable(const char* pszCode, const DB_CDumpFilter& filter, CString& out, CString& strBad);
  int GetRecordCount(const char* pszCode);  // -1 for an unknown code
  BOOL HasRecord(const char* pszCode, UINT key);
  // A field of a record as the dump shows it (bRaw: a text as it is, unquoted); bReal
  // tells that it is a real.
  BOOL GetFieldText(const char* pszCode, UINT key, const char* pszField, CString& text, BOOL& bReal,
                    BOOL bRaw = FALSE);
  // The database that holds the table of that code (the analysis database for the
  // analysis model's tables); NULL for an unknown code.
  DB_CDataBase* GetDBOfCode(const char* pszCode);

 private:
  CMDBCtrl m_mdb;
  CUnitCtrl m_unit;
  CInitCtrl m_init;
  CFlagCtrl m_flag;
  CChekCtrl m_chek;
  CSectDB* m_pSectDB = nullptr;
  CString m_strPathName;
  CDynModuleMgr* m_pDynModuleMgr = nullptr;
  CDlgModelessMgr* m_pDlgCtrl = nullptr;
  BOOL m_bPostMode = FALSE;
  BOOL m_bAutoMembType = FALSE;
  BOOL m_bTracer = FALSE;
  int m_nCheckMode = 0;
};
