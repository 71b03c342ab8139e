// A model view as the module sees it. The application (the host, a test) makes one per
// document and makes it current (SetCurMySelfST); it stops being current when destroyed.
//
// Kinds: a plan view of one story (the document's current story), a 3D view, the 3D
// analysis view (IsADS3DViewMode). Coordinates: in a plan view the view's x and y are
// global and its z is measured from the story's top (GetLevelOffset 0); in the 3D views
// x, y, z are global and GetLevelOffset is the top of the document's current story. Units
// are internal (m).
//
// Statics: PONTKEY and MEMBKEY, the highlighted pick (at most one of them non-zero, kept
// so by the windows that set them); m_nCreateMembMode, the creation tool's method (0 when
// no tool is open).
#pragma once
#include <set>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "view/CActiveSet.h"

class CDBDoc;

class I_ModelBase {
 public:
  enum ViewKind { VIEW_PLAN = 1, VIEW_3D = 2, VIEW_ANALYSIS = 3 };
  enum : int { VIEWSTATE_ORTHO = 501 };

  explicit I_ModelBase(CDBDoc* pDoc = nullptr) : m_pDoc(pDoc) {}
  virtual ~I_ModelBase();
  I_ModelBase(const I_ModelBase&) = delete;
  I_ModelBase& operator=(const I_ModelBase&) = delete;

  static I_ModelBase* GetCurMySelfST() { return s_pCurrent; }
  static void SetCurMySelfST(I_ModelBase* pView) { s_pCurrent = pView; }
  // The current view's select mode; 0 when there is no current view.
  static BOOL IsSelectModeST() { return s_pCurrent && s_pCurrent->m_nSelectMode > 0; }
  // A positive mode starts the view's object selection mode, 0 or a negative one ends it
  // (the creation tool passes -4 then -1). No current view: nothing.
  static void SetObjectSelectionModeST(int nMode) {
    if (s_pCurrent) s_pCurrent->m_nSelectMode = nMode > 0 ? nMode : 0;
  }
  BOOL IsSelectMode() const { return m_nSelectMode > 0; }

  CDBDoc* GetDocument() const { return m_pDoc; }

  // ---- The building model's selection ----
  // keys := the points (members) selected in the view: the selection of the document's
  // model database (CViewCtrl), in the order they were selected; empty without a document.
  // The int is the caller's and changes nothing here. The result is 1, 0 without a
  // document.
  virtual int GetSelectedPont(CUIntArray& keys, int nOption);
  virtual int GetSelectedMemb(CUIntArray& keys, int nOption);

  // ---- Activation ----
  // What the view activates, per model: points and members of the document's model
  // database, nodes and elements of its analysis database. Everything is active at first
  // and after ActivateAll (both models). Keys of objects that do not exist are ignored;
  // objects deleted later leave (an undo that brings one back brings back its state); an
  // object added later under a new key is active only while everything of its kind is.
  // Selection and snapping ignore activation. Every call returns 1, 0 without a document;
  // the ints are the view's own and unused here. Costs: O(k) for k keys given; the reads
  // O(n) in the table.
  //
  // ActivateNodeElems: exactly those nodes and elements become the analysis model's active
  // objects. InactivateNodeElems: they leave it.
  virtual int ActivateNodeElems(const CUIntArray& nodes, const CUIntArray& elems, int nOption);
  virtual int InactivateNodeElems(const CUIntArray& nodes, const CUIntArray& elems);
  // ActivateObjects: exactly those points and members become the building model's active
  // objects (the two lists between are the view's other kinds, unused here; NULL is
  // fine). InactivateObjects: they leave it.
  virtual int ActivateObjects(const CUIntArray& ponts, const CUIntArray* pList2, const CUIntArray* pList3,
                              const CUIntArray& membs, int nOption);
  virtual int InactivateObjects(const CUIntArray& ponts, const CUIntArray* pList2, const CUIntArray* pList3,
                                const CUIntArray& membs, int nOption);
  virtual int ActivateAll();
  // nChange 1 adds the objects to, 2 takes them from the active objects of the model the
  // view shows: the analysis model (first nodes, second elements) in post-processing or in
  // the analysis view, else the building model (first points, second members). Any other
  // change does nothing (0).
  virtual int ChangeActiveObjects(const CUIntArray& first, const CUIntArray& second, int nOption, int nChange);
  // The active objects' keys, ascending (every existing key while everything is active).
  virtual int GetActiveObjects(CUIntArray& membs, CUIntArray& ponts);
  virtual int GetActiveNodeElems(CUIntArray& elems, CUIntArray& nodes);
  // Everything of the kind is active (CViewCtrl kinds: PONT, MEMB, PNODE, PMEMB).
  BOOL IsAllActive(int nKind) const;

  void SetDocument(CDBDoc* pDoc) { m_pDoc = pDoc; }

  // ---- Kind ----
  ViewKind GetViewKind() const { return m_kind; }
  // A plan view of the story (the document's current story when 0, which it also becomes).
  void SetPlanView(UINT storyKey = 0);
  void Set3DView() { m_kind = VIEW_3D; }
  void SetAnalysisView() { m_kind = VIEW_ANALYSIS; }
  BOOL IsPlaneView() const { return m_kind == VIEW_PLAN; }
  BOOL IsADS3DViewMode() const { return m_kind == VIEW_ANALYSIS; }
  // A 3D view (of either kind) while the main toolbar's perspective button 33023 is checked.
  BOOL IsPerspectiveView() const;
  // The story the view shows: the document's current story.
  UINT GetStory() const;

  // ---- View states ----
  BOOL IsViewStateOn(int nState) const { return m_states.count(nState) != 0; }
  void SetViewState(int nState, BOOL bOn);

  // ---- Coordinates ----
  // Plan: 0; 3D views: the top level of the current story (0 without one).
  double GetLevelOffset() const;
  // The view's coordinates to global ones (plan: z plus the story's top).
  void ConvertUcsToGcs(double x, double y, double z, double& gx, double& gy, double& gz) const;
  void ConvertGcsToUcs(double gx, double gy, double gz, double& x, double& y, double& z) const;

  // ---- Selection ----
  // The members selected in the view (the model database's selection, CViewCtrl), in the
  // order they were selected; with a member-type filter only those whose type the filter
  // lists (an empty filter keeps none). The option is the view's own and unused here.
  // Returns the number of keys given; 0 without a document. Cost: O(s) for s selected
  // members, whatever the model's size.
  virtual int GetSelectedMemb(CUIntArray& keys, int nOption = 1) const;
  virtual int GetSelectedMemb(CUIntArray& keys, const CUIntArray& types, int nOption = 1) const;

  // ---- Tracing lines ----
  BOOL IsTracingLineVisible(UINT trlnKey) const { return m_hiddenTrln.count(trlnKey) == 0; }
  void SetTracingLineVisible(UINT trlnKey, BOOL bVisible);
  // The tracing-line select mode (set by a handler) and the segments selected in it.
  void SetTracingLineSelectMode(int nMode) { m_nTrlnSelectMode = nMode; }
  int GetTracingLineSelectMode() const { return m_nTrlnSelectMode; }
  void SetSelectedSegments(const CUIntArray& keys) { m_segments = keys.vec(); }
  void GetSelectedSegments(CUIntArray& keys) const { keys.vec() = m_segments; }

  // ---- Parameter tools ----
  BOOL IsPaused() const { return m_bPaused; }
  void SetPaused(BOOL b) { m_bPaused = b; }

  // ---- Drawing (counted: the view draws nothing here) ----
  // The query window tells the view that its query mode ended.
  virtual void EndQueryMode() { ++m_nEndQuery; }
  void RefreshHighlight() { ++m_nHighlightRefresh; }
  void Invalidate() { ++m_nInvalidate; }
  int GetEndQueryCount() const { return m_nEndQuery; }
  int GetHighlightRefreshCount() const { return m_nHighlightRefresh; }
  int GetInvalidateCount() const { return m_nInvalidate; }

  // The highlighted pick.
  static UINT PONTKEY;
  static UINT MEMBKEY;
  // The member-creation mode of the application (0: none).
  static int m_nCreateMembMode;

 private:
  CDBDoc* m_pDoc;
  CActiveSet m_active[4];  // by CViewCtrl kind
  ViewKind m_kind = VIEW_PLAN;
  int m_nSelectMode = 0;
  std::set<int> m_states;
  std::set<UINT> m_hiddenTrln;
  int m_nTrlnSelectMode = 0;
  std::vector<UINT> m_segments;
  BOOL m_bPaused = FALSE;
  int m_nEndQuery = 0, m_nHighlightRefresh = 0, m_nInvalidate = 0;
  static I_ModelBase* s_pCurrent;
};

// Questions about a view that the module asks without a view object of its own.
class CViewInfoUtil {
 public:
  // The view is a plan view; the current view when NULL. 0 without a view.
  static BOOL IsPlaneViewMode(const I_ModelBase* pView = nullptr);
};

// The parameter tools, paused by the current view (CParamTool::GetPauseState).
#include "view/CParamTool.h"
