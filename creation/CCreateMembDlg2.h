// The member-creation tool: the one modeless tool window (template 14156) through which
// the engineer creates points and members in the model view. It offers a member type, a
// placement method and the options a new member takes; while it is open it is the view's
// current event handler and sets the main toolbar's snap switches for the type and method.
//
// One tool at a time: the application constructs it (which makes it GetMySelf and IsAlive),
// creates its window, and finds it again through the two statics; both are cleared when
// it ends. The window writes nothing to the model: the creation requests read its options
// through the queries below.
//
// The method is remembered per member type while the window lives (GetCurMethod reads
// the current type's slot, 0 for a type without one). The layout shows only the groups
// of controls the type and method need, stacked below the member-type combo, and shrinks
// the window to 10 pixels below the last group; a layout request while the brace-type
// combo has no selection changes nothing, as does a snap update.
//
// Return in the window creates nothing and leaves it open (the coordinate edit posts its
// own message); Tab in the window or the view cycles the method, Shift+Tab in the view
// the member type.
#pragma once
#include <array>
#include <vector>
#include "afx/CComboBox.h"
#include "afx/CComboBoxEx.h"
#include "afx/CImageList.h"
#include "afx/CMap.h"
#include "afx/CSpinButtonCtrl.h"
#include "creation/CEditEnter.h"
#include "db/CCobxSect.h"
#include "db/CCobxThik.h"
#include "db/CEditUnit.h"
#include "db/CPolyParamTool.h"
#include "db/CTextUnit.h"
#include "db/DBGeom.h"
#include "db/IClosedPathFinder.h"
#include "db/T_MODELER2_PARAM.h"
#include "db/T_PONT_D.h"
#include "ui/CDBDlgBase.h"
#include "ui/CFoldGroupBox.h"
#include "ui/T_DLG_CTRLS_GROUP.h"
#include "view/I_ViewEventHandlerItem.h"

struct T_DMLN_D;
struct T_CURV_D;

// The placement method of the creation tool.
enum CREATE_METHOD_TYPE {
  METHOD_1PICK = 1,      // one pick
  METHOD_2PONT = 2,      // two points
  METHOD_2MEMB = 3,      // between two picked members (secondary beams)
  METHOD_AXIS = 4,       // along an axis
  METHOD_WND1 = 5,       // window of two corners
  METHOD_WND2 = 6,       // enclosing polygon
  METHOD_CURV = 7,       // curve (line-type members)
  METHOD_CURV_AREA = 8,  // polyline of straight and arc edges (area members)
};

class CCreateMembDlg2 : public CDBDlgBase, public I_ViewEventHandlerItem {
  DECLARE_DYNAMIC(CCreateMembDlg2)

 public:
  explicit CCreateMembDlg2(CWnd* pParent = nullptr);
  ~CCreateMembDlg2() override;

  static BOOL IsAlive() { return m_bIsAlive; }
  static CCreateMembDlg2* GetMySelf() { return m_pMySelf; }
  static int m_bIsAlive;
  static CCreateMembDlg2* m_pMySelf;
  // The registered message "WM_SELECT_END_TRLINE" (made when the module loads).
  static const UINT WM_SELECT_END_TRLINE;

  // ---- Type and method ----
  int GetCurMethod() const;
  void SetCurMethod(int nMethod);
  void ChangeToNextMethod();
  void ChangeToNextMemberType();
  void ChangeMembType(int nType);
  // "Create Member : " and the text of the member-type combo.
  CString GetCurTypeOfWork() const;
  // The cursor of the member type on the window class and as the current cursor; 0 for a
  // type without one.
  BOOL ChangeMouseCursor();
  // Lays the window out again for the current type; 0.
  LRESULT OnUpdateViewMode(WPARAM wParam, LPARAM lParam);
  // Checks the method's buttons in both method groups and, for a method other than the
  // stored one, enables the coordinate group for method 1 only.
  void OnChangeMethod(int nMethod);
  void OnClose();

  // ---- What the creation requests read ----
  int GetMembType() const;
  UINT GetSectKey() const;
  UINT GetThikKey() const;
  // The beta combo's text as a number (0 when the combo is hidden or the text is none).
  double GetBetaAngle() const;
  BOOL IsBetaAngleAuto() const;
  BOOL GetTensionOnly() const;
  BOOL GetConsiderBending() const;
  BOOL GetFrameIntersectType() const;
  BOOL GetStoryOver() const;
  int GetCurrentViewEditMode() const;
  BOOL IsPlaneMode() const;
  double GetCurStoryLevel() const;
  // The top of the member's story minus the mean z of its points; GetCurStoryLevel for a
  // missing member; 0 when a table is missing or a read fails.
  double GetMemberCenterLevel(UINT nMembKey) const;

  // ---- Snapping, perspective and tracing lines ----
  void UpdateSnapMode(int nMethod);
  void SetSnapNone();
  void SetSnapPGrid(BOOL bOn);
  static void SetSnapPoint(BOOL bOn);
  static void SetSnapMemb(BOOL bOn);
  void SetSnapTrCenter(BOOL bOn);
  void SetSnapTrOther(BOOL bOn);
  BOOL CanGetMousePos() const;
  BOOL IsPerspectiveViewMode() const;
  BOOL SetPerspectiveViewMode(BOOL bOn);
  void SetSelectModeOff();
  void UnSelectAll();
  int IsUseTracingLineMode() const;
  void SetSelectMode_Trline(BOOL bOn);
  BOOL IsVisibleTracingLine(const T_DMLN_D* pSegment) const;
  // The square of the document's coordinate tolerance t around (x, y): (x-t, y-t),
  // (x+t, y-t), (x+t, y+t), (x-t, y+t). 0 (and an empty polygon) without a document.
  BOOL GetPointRegion2D(CPoint2DArray& polygon, double x, double y) const;
  LRESULT OnSelectEndTrLine(WPARAM wParam, LPARAM lParam);

  // ---- Input collected in the view ----
  // A press is taken at the snapped position (global); a level beam snapped gives its
  // centre level. With ortho drawing on (view state 501) and a band in progress the
  // position is forced along x, y or z from the previous point. The presses fill a point
  // list (methods 1, 2, 4, 5, 6) or a member list (method 3, the cantilever pick); a
  // complete input sends exactly one modeller request and is then emptied. A list that no
  // press set up (required count -1) counts as full. An enclosing polygon closes on its
  // first point pressed again or a double-click, with at least three points; a pair of
  // members holds two different members. Curves (method 7) and polylines (method 8) are
  // collected by the polyline tool: its edge mode follows the curve-kind radio, its size
  // class the member type (one edge for line types, a closed chain for area types); a
  // member picked as a curve is taken at its story's top.
  BOOL OnView_LButtonDown() override;
  BOOL OnView_LButtonDblClk() override;
  BOOL OnView_MouseMove() override;
  // The tooltip of the type; with more than one section (thickness) to choose, the wheel
  // steps the section (thickness) combo.
  BOOL On_ViewMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
  int GetInputMethod() const { return GetCurMethod(); }
  BOOL IsFullInputPoint() const;
  BOOL IsFullInputMemb() const;
  void ResetInputPoint();
  void ResetInputMemb();
  const std::vector<T_MEMBDLG_3DPOINT>& GetInputPoints() const { return m_inputPoints; }
  const CUIntArray& GetInputMembs() const { return m_inputMembs; }
  const CPolyParamTool& GetPolyTool() const { return m_polyTool; }
  // The snapped position, global / in the view's coordinates; 0 (pos untouched) when the
  // view gives none or a snapped beam's points cannot be read.
  BOOL GetMousePosGcs3D(T_MEMBDLG_3DPOINT& pos) const;
  BOOL GetMousePosUcs3D(T_MEMBDLG_3DPOINT& pos) const;
  void SetMousePos_ByOrthoMode(T_MEMBDLG_3DPOINT& pos) const;
  // The band for the mouse at pos (x, y, z per vertex); 0 when there is none.
  BOOL GetRubBandInfo(CArray<double>& band, const T_MEMBDLG_3DPOINT& pos) const;

  // ---- Creation requests (each one modeller request; its result, 0 when none sent) ----
  // The records; 0 (record untouched) when no document, model database or member table,
  // a view edit mode outside 0..2 or no brace-type choice.
  BOOL MakeParamMemb4Modeler2(T_MODELER2_PARAM_MEMB& memb) const;
  BOOL MakeParamPont4Modeler2(T_MODELER2_PARAM_PONT& pont) const;
  int TR_CreatePoint(const double xyz[3]);
  // A point at the position typed in the coordinate edit (current length unit, the view's
  // coordinates); 1.
  int CreatePointFromCoordEdit();
  int CreatePointByPos(const T_MEMBDLG_3DPOINT& pos);
  // In a plan view, whether the level z (view) lies within the current story: from
  // -(h + tol) to tol, h the smallest story height of its standard floor; else a message
  // and 0. 1 outside a plan view.
  BOOL CheckZLevelBoundInCurPlan(double z) const;
  int CreatePointByAxis(const T_MEMBDLG_3DPOINT& pos);
  int CreatePointByWnd1(const T_MEMBDLG_3DPOINT& pos);
  int CreatePointByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points);
  int CreateColumnByPos(const T_MEMBDLG_3DPOINT& pos, int nMethod);
  int CreateColumnByAxis(const T_MEMBDLG_3DPOINT& pos);
  int CreateColumnByWnd1(const T_MEMBDLG_3DPOINT& pos);
  int CreateColumnByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points);
  int CreateLineTypeMemberBy2Pos(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2, int nFlag,
                                 T_CURV_D* pCurve);
  int CreateLineTypeMembBy2Memb(const T_MEMBDLG_3DPOINT& pos, const CUIntArray& membs, int nCount);
  int CreateLineTypeMembBy1Pick(const T_MEMBDLG_3DPOINT& pos);
  int CreateLineTypeMemberByAxis(const T_MEMBDLG_3DPOINT& pos);
  int CreateLineTypeMembByWnd1(const T_MEMBDLG_3DPOINT& pos);
  int CreateLineTypeMembByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points);
  int CreateAreaTypeMembBy1Pick(const T_MEMBDLG_3DPOINT& pos);
  int CreateAreaTypeMemberBy2Pos(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2, int nFlag);
  int CreateAreaTypeMemberByWnd1(const T_MEMBDLG_3DPOINT& pos);
  int CreateAreaTypeMemberByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points);
  int CreateAreaTypeMemberByAutoGen();
  // Arcs of line-type members: [start, a point on the arc, end]; [centre, start, end]
  // with the polyline tool's lines (none sent unless it holds exactly one line).
  int CreateLineTypeMembBy3P(const CPoint3DArray& points);
  int CreateLineTypeMembBy1C2P(const CPoint3DArray& points);
  // An area member along the lines; none sent unless the current method is 8.
  int CreateAreaTypeMemberByLineList(const CLineGArray& lines, int nFlag);
  int CreateAreaTypeMemberByPosList(const std::vector<T_MEMBDLG_3DPOINT>& points, int nFlag);
  int CreateAreaTypeMemberByPontKList(const CUIntArray& keys, const CUIntArray* pKeys2);
  int TR_CreateAreaTypeMemb(const CUIntArray& keys, const CUIntArray* pKeys2);
  // A line-type member on point keys: two keys, or as many as the plan points given; the
  // first two different. A wrong count or equal keys: a message and 0.
  int TR_CreateLineTypeMemb(const CUIntArray& keys, T_CURV_D* pCurve, const CPoint2DArray* pPoints2D);
  // ---- Cantilever slabs, braces by two points and point-key requests ----
  // The cantilever record from the cantilever group (length, width and offset internal);
  // a length or width below GetRegardZero: a message and 0.
  BOOL MakeParamCSlab4Modeler2(T_PARAM_CANTI_SLAB& canti) const;
  // Cantilever slabs on the beams, walls and secondary beams among keys (the others are
  // removed from keys); none left: a message with the one-pick method, 0. The window
  // form sends the tool's input points, the polygon form the given ones. The member
  // record carries the cantilever flag 1.
  int CreateCantileverSlabByMemb(CUIntArray& keys);
  int CreateCantileverSlabByWnd1(const T_MEMBDLG_3DPOINT& pos);
  int CreateCantileverSlabByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points);
  // A brace between two positions; a brace type other than free needs both at one level
  // (else a message and 0).
  int CreateBraceTypeMemberBy2Pos(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2, int nFlag);
  // Whether a beam is a cantilever: free at exactly one end (nothing but points and line
  // members, types 0, 100 and 200, within the coordinate tolerance square of that end on
  // its story; its ends are its first and last points). The key of its supported end's
  // point; 0 when both ends are supported or both free, for a non-beam or on a failed read.
  UINT CheckCantileverBeam(UINT nMembKey) const;
  // Point keys of two positions, made where the model has none: 1 when both keys were
  // appended. Positions on adjacent stories put the lower point on the higher story
  // (flag -1); at one level on adjacent stories nothing is asked and 0 returned.
  BOOL TR_GetOrCreatePoint_forLineType(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2, CUIntArray& keys);
  // A column on the point at the coordinate (made where the model has none).
  int TR_CreateColumn(const double xyz[3]);

  // ---- Picking geometry (plan; positions global) ----
  static double GetRegardZero() { return 1e-9; }
  static double lengthSquare2D(double x1, double y1, double x2, double y2);
  // Within the document's merge tolerance in x, y and z; 0 without a document.
  BOOL IsSamePoint(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b) const;
  // Segments (x1, y1)-(x2, y2) and (x3, y3)-(x4, y4): 1 crossing, 0 touching (an end on
  // the other segment, or collinear and overlapping), -1 apart. The touching cases are
  // decided along the reference segment by x, or by y for a segment vertical in plan.
  static int intersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
  // The corners a, c1, b, c2 of the plan rectangle of two positions, appended (clockwise
  // with the y axis up). Equal x or y, or different heights: a message and 0.
  BOOL GetRectFrom2Pos(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b,
                       std::vector<T_MEMBDLG_3DPOINT>& corners) const;
  // Removes the points outside the rectangle (its border is inside); the number left, 0
  // when there is no rectangle.
  int FilterPointsBy2PosRect(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b,
                             std::vector<T_MEMBDLG_3DPOINT>& points) const;
  // The visible tracing-line segments whose line separates the rectangle's corners
  // strictly and whose ends are not both beyond one side (kind 1 only when asked).
  BOOL GetTracingLineBy2PosRect(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b, CUIntArray& keys,
                                BOOL bKindOneOnly) const;
  // The current story's members of the closed-area types (all of them / those with every
  // point in the rectangle); their count.
  int GetMembForClosedArea(CUIntArray& keys) const;
  int GetMembBy2PosRectForClosedArea(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b, CUIntArray& keys) const;
  // The closed path of the current story around the plan position (an arc's bulge
  // counts to its side); none found at all: a message and 0; none around it: 0.
  BOOL GetClosedAreaPointIncludePos(const T_MEMBDLG_3DPOINT& pos, T_CPF_CYCLE_PATH& path) const;
  // The first-point keys of the story's columns on the line p1-p2, nearest p1 first.
  BOOL GetColumnPosOnLine(UINT nStory, const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2,
                          CUIntArray& keys) const;
  void MakeListByDistToLine(double x1, double y1, double x2, double y2, const CUIntArray& pointKeys,
                            CUIntArray& list) const;
  void MakeMapByDistToLine(double x1, double y1, double x2, double y2, const CUIntArray& pointKeys,
                           CMap<UINT, UINT, double, double>& map) const;
  // Appends the first-point keys of the story's columns within the four corners' range
  // widened by the merge tolerance; the count of keys.
  int GetColumnPosWithinRange(UINT nStory, const std::vector<T_MEMBDLG_3DPOINT>& corners, CUIntArray& keys) const;
  // Along the line when given, else by x then y (stable).
  void SortIntersectParts(std::vector<T_MEMBDLG_3DPOINT>& points, const T_LINE_G* pLine) const;
  // The story of a global position and the position relative to its top: a point's own
  // record, a member's story, or the story whose level range holds z.
  BOOL ConvertGCSToPosOfStory(const T_MEMBDLG_3DPOINT& pos, T_MEMBDLG_3DPOINT& storyPos, UINT& nStory) const;
  BOOL ConvertGCSToPosOfStory(double x, double y, double z, T_PONT_D& point) const;
  // On tracing-line segments (keys) at a level: the axis and window forms.
  int CreatePointByAxis(const CUIntArray& keys, double level);
  int CreatePointByWnd1(const CUIntArray& keys, double level);
  int CreateColumnByAxis(const CUIntArray& keys, double level);
  int CreateColumnByWnd1(const CUIntArray& keys, double level);
  int CreateLineTypeMemberByAxis(const CUIntArray& keys, double level);  // 0 for no keys
  int CreateLineTypeMembByWnd1(const CUIntArray& keys, double level);
  // The segments selected in a perspective view, at the current story's top: beams and
  // the others keep only segments of kind 1, line members take every one. 1 when the
  // method takes tracing lines (axis, window; one pick and polygon send nothing), else 0.
  int CreateProcessWithSelectedTrLine();

  // ---- View events ----
  BOOL OnView_RButtonDown() override;
  BOOL OnView_KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnView_KeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnView_NotifyGeneral(UINT nCode, UINT wParam, UINT lParam) override;

  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The control groups, in the order of their table.
  enum Group {
    G_SECT, G_BETA, G_METHOD, G_SB_METHOD, G_BEAM_COUNT, G_THIK, G_COORD, G_RELEASE,
    G_SLAB_GEN, G_BRACE, G_ECC, G_CURVE, G_CANTI, G_SLAB_KIND, G_STAIR, G_COUNT
  };
  const T_DLG_CTRLS_GROUP& GetGroup(Group g) const { return m_groups[(size_t)g]; }
  // The layout gap between stacked groups, in pixels.
  static constexpr int kLayoutGap = 5;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void PostNcDestroy() override;

  void InitControlGroup();
  void InitCtrl();
  void InitMoveDlgPos();
  void ReCalcLayout(int nType);
  void ResizeDlgToCompact();
  void SetMethodButtonState(int nMethod);
  void OnChangeMembTypeMethod();
  void ComputeStairThickness();
  // The brace type chosen (item data), -1 when none.
  int GetBraceType() const;
  // The curve-kind radio, def when none is checked.
  int GetCurveKind(int def = 3) const;
  BOOL IsCantileverChecked() const;
  void SetCursorTo(HCURSOR h);
  // Drops the collected input of the view (both lists and the rubber band).
  void ResetInput();
  void UpdateInputPoint(const T_MEMBDLG_3DPOINT& pos);
  void UpdateInputMemb();
  // Pushes the member's line, at its story's top, into the polyline tool.
  void AddInputMembForCurv(UINT nMembKey);
  void SetEdgeModeOnCurvMethod();
  void EmptyInputPoint();
  void EmptyInputMemb();
  BOOL IsNeedRubBand() const;
  // The creation operation of a complete press / of a double-click ending a polygon.
  // FALSE when a curve could not be sent: the input then stays as it is.
  BOOL DispatchPress(const T_MEMBDLG_3DPOINT& pos, int nCount);
  BOOL CurveRequest();
  void DispatchPolygon();
  void OnBnClickedSlabAutoGen();

  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnMouseLeave();
  void OnDestroy();
  void OnSelchangeMembTypeCmb();
  void OnSelchangeBraceTypeCmb();
  void OnSelchangeSectCmb();
  void OnSelchangeThikCmb();
  void OnBnClickedMembBtn();
  void OnBnClickedSectNew();
  void OnBnClickedThikNew();
  void OnBnClickedMethod1Pick();
  void OnBnClickedMethod2Pont();
  void OnBnClickedMethod2Memb();
  void OnBnClickedMethodAxis();
  void OnBnClickedMethodWnd1();
  void OnBnClickedMethodWnd2();
  void OnBnClickedMethodCurv();
  void OnBnClickedSbMethodCurv();
  void OnChangeCurvMethod();
  void OnTensionOnly();
  void OnConsiderBending();
  void OnChangeCSlabLocation();
  void OnChangeStairSlabType();
  void OnSelchangeCmdStairThikCmb();
  void OnChangeStairWidthHeightEdt();
  void OnCheckTransThikUserChk();
  LRESULT OnKeyDownReturnAtCoordEdit(WPARAM wParam, LPARAM lParam);
  LRESULT OnChangeFoldState(WPARAM wParam, LPARAM lParam);

  CComboBox m_cbMembType;
  CCobxSect m_cbSect;
  CComboBox m_cbBeta;
  CTextUnit m_tuBeta;
  CCobxThik m_cbThik;
  CEditEnter m_edCoord;
  CTextUnit m_tuCoord;
  CComboBox m_cbRelease;
  CComboBoxEx m_cbBraceType;
  CImageList* m_pBraceImages = nullptr;
  CEditUnit m_edE1, m_edE2;
  CTextUnit m_tuE1, m_tuE2;
  CSpinButtonCtrl m_spinCount;
  CFoldGroupBox_Check m_fgCanti;
  CEditUnit m_edCantiLen, m_edCantiWidth, m_edCantiOffset;
  CTextUnit m_tuCantiLen, m_tuCantiWidth, m_tuCantiOffset;
  CCobxThik m_cbStairThik;
  CEditUnit m_edStairWidth, m_edStairHeight, m_edStairEq;
  CTextUnit m_tuStairEq;

  std::array<T_DLG_CTRLS_GROUP, G_COUNT> m_groups;
  // The method of each member type that has a slot.
  std::array<std::pair<int, int>, 11> m_methods;
  BOOL m_bControlsReady = FALSE;  // InitCtrl filled the combos
  // The input of the view: points and members with their required counts (-1: none set
  // up), and the member taken last (0: none).
  std::vector<T_MEMBDLG_3DPOINT> m_inputPoints;
  int m_nInputPointCount = -1;
  CUIntArray m_inputMembs;
  int m_nInputMembCount = -1;
  UINT m_nLastPickedMemb = 0;
  CPolyParamTool m_polyTool;

  DECLARE_MESSAGE_MAP()
};
