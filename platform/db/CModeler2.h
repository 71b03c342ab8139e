// The member modeller: every creation request of the member-creation tool. Each request
// is one grouped transaction of the current document's model database (one undo step);
// the result is 1 when something was written, else 0. Nothing is written for a request
// that cannot be met: member type 0, equal positions, an area of fewer than three
// points, a position above every story.
//
// Rules (positions global, levels and tolerances internal, m):
// - A position within the merge tolerance (CFlagCtrl, 0.001 m) of an existing point
//   reuses that point; otherwise a point is made on the story whose level range holds
//   the position (CClassStor::GetStorKFromGcsZ), z from its top.
// - Members take the request record's type, name, beta and section (line members) or
//   thickness (area members). Type 307 (stair landing) and 308 (roof slab) make a slab
//   (301) with a design-type record whose slot 2 (value[1]) is 2 or 3; 306 keeps its type and gets a
//   stair record (T_STIK_D). A member equal to an existing one (type and points) is not
//   made again. A member stands on the story of its highest point.
// - CreatePoint: a point at the position. CreateColumnAtPos, CreateColumnOnPoint: a
//   column from the bottom to the top of the story at whose top the position lies.
// - ...By2Pos: one member between the positions; an area member, the rectangle they
//   span at the first position's level. CreateLineMembsBetweenMembs: count members at
//   i/(count + 1) along both members, measured from their nearer ends.
// - Tracing-line forms: at the level, on the given segments: points and columns at the
//   segments' ends and crossings, line members along the segments between them. The
//   axis forms take the visible segment nearest the position (within 0.2 m).
// - Window and polygon forms act on what lies inside (border included): the tracing-line
//   nodes of the current story's level for points and columns, the segment pieces for
//   line members, the closed regions of the current story's members for area members,
//   the beams and walls for cantilever slabs (below).
// - Area by pick: the smallest closed region of the current story around the position.
// - GetOrCreatePoint: the record's z is from its story's top; with flag -1 (a point that
//   belongs to the story above its own level range) it is from the story's bottom, and
//   the point is stored with z from the top (the flag kept).
// - Braces by two positions (CreateBraceBy2Pos): brace type 0 (free) one member between
//   them. Types 1 to 6 need both positions at one level t (within the merge tolerance)
//   and fill the bay below them down to the bottom b of the story whose range holds t:
//   with A, B the positions in plan, M the middle of A-B and h = (t + b) / 2,
//     1 cross: A(b)-B(t) and B(b)-A(t);      2 diagonal: A(b)-B(t);
//     3 inverted V: A(b)-M(t) and B(b)-M(t); 4 K: A(h)-B(t) and A(h)-B(b);
//     5 V: A(t)-M(b) and B(t)-M(b);
//     6 eccentric: A(b) and B(b) to two points at t - e2, e1 apart about M (e1 and e2 of
//       the member record; both at least 0, e1 shorter than A-B, e2 less than t - b).
//   Anything else writes nothing.
// - Cantilever slabs, per beam, wall or secondary beam (201, 202, 205; other members
//   are passed over): a slab (the record's type) `length` out from the member's axis
//   and `width` along it, at its first point's level. Along the axis from the first
//   point to the last: location 0 starts `offset` from the first point, 2 ends `offset`
//   before the last point, 1 is centred (offset not used); the slab may run past an end.
//   Direction 0 (+) lies left of first -> last, 1 (-) right, 2 (automatic) left unless a
//   slab of the member's story covers the point 0.01 m left of the member's middle, then
//   right. A length or width not above 0 writes nothing. By members: the given keys; in
//   a window or polygon: the members of the story at the first corner's level whose
//   points all lie inside (border included).
//
// The modeller keeps a log of every request it received, refused ones too: its
// operation, its arguments as texts and its result (GetRequestCount, GetRequest).
#pragma once
#include <string>
#include <utility>
#include <vector>
#include "db/DBGeom.h"
#include "db/T_MODELER2_PARAM.h"
#include "db/T_PONT_D.h"

class CDBDoc;
struct T_CURV_D;

// One logged request: operation, arguments in the operation's order, result.
struct T_MODELER2_REQUEST {
  struct Arg {
    std::string name;
    std::string text;                                         // "" for a record
    std::vector<std::pair<std::string, std::string>> fields;  // a record's fields
    bool record = false;
  };
  std::string op;
  std::vector<Arg> args;
  int result = 0;
  // The text of an argument or of a record's field ("memb.type"); false when none.
  bool Find(const std::string& name, std::string& text) const;
};

class CModeler2 {
 public:
  static CModeler2* Instance();
  virtual ~CModeler2() = default;

  virtual int CreatePoint(double x, double y, double z, T_MODELER2_PARAM_PONT& pont, int* pOut);
  virtual int CreateColumnOnPoint(UINT pontKey, T_MODELER2_PARAM_MEMB& memb, int* pOut);
  virtual int CreateLineMembOnPoints(const CUIntArray& keys, T_MODELER2_PARAM_MEMB& memb, T_CURV_D* pCurve,
                                     const CPoint2DArray* pPoints2D);
  virtual int CreatePointsOnTracingLines(const CUIntArray& segKeys, double level, T_MODELER2_PARAM_PONT& pont);
  virtual int CreatePointsOnAxis(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_PONT& pont);
  // The key of the point the record describes (x, y, z from its story's top), made when
  // the model has none there; 0 on failure. Logged; written as a request of its own.
  virtual UINT GetOrCreatePoint(const T_PONT_D* pPoint, int nFlag);
  virtual int CreateColumnsOnTracingLines(const CUIntArray& segKeys, double level, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateColumnsOnAxis(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateColumnAtPos(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb, int nMethod);
  virtual int CreateLineMembsOnAxis(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateLineMembsOnTracingLines(const CUIntArray& segKeys, double level, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateLineMembByPick(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateBraceBy2Pos(const T_MEMBDLG_3DPOINT* p1, const T_MEMBDLG_3DPOINT* p2, T_MODELER2_PARAM_MEMB& memb,
                                int nFlag);
  virtual int CreatePointsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_PONT& pont);
  virtual int CreatePointsInWindowOnTracingLines(const CUIntArray& segKeys, double level, const CPoint3DArray& points,
                                                 T_MODELER2_PARAM_PONT& pont);
  virtual int CreatePointsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_PONT& pont);
  virtual int CreateColumnsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateColumnsInWindowOnTracingLines(const CUIntArray& segKeys, double level, const CPoint3DArray& points,
                                                  T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateColumnsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateLineMembsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateLineMembsInWindowOnTracingLines(const CUIntArray& segKeys, double level,
                                                    T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateLineMembsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateLineMembBy2Pos(const T_MEMBDLG_3DPOINT* p1, const T_MEMBDLG_3DPOINT* p2,
                                   T_MODELER2_PARAM_MEMB& memb, int nFlag, T_CURV_D* pCurve, int a0, int a1, int a2,
                                   int a3);
  virtual int CreateLineMembsBetweenMembs(const CUIntArray& membKeys, int nCount, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateArcMembBy3Points(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateArcMembByCenter(const CPoint3DArray& points, const CLineGArray& lines, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateAreaMembByPick(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateAreaMembBy2Pos(const T_MEMBDLG_3DPOINT* p1, const T_MEMBDLG_3DPOINT* p2,
                                   T_MODELER2_PARAM_MEMB& memb, int nFlag);
  virtual int CreateAreaMembByPosList(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb, int nFlag);
  virtual int CreateAreaMembByPointKeys(const CUIntArray& keys, T_MODELER2_PARAM_MEMB& memb, const CUIntArray* pKeys2,
                                        int nOption);
  virtual int CreateAreaMembOnPoints(const CUIntArray& keys, T_MODELER2_PARAM_MEMB& memb, const CUIntArray* pKeys2,
                                     int nOption);
  virtual int CreateAreaMembsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateAreaMembsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateAreaMembsOnSelection(const CUIntArray& membKeys, T_MODELER2_PARAM_MEMB& memb);
  virtual int CreateAreaMembByLines(const CLineGArray& lines, T_MODELER2_PARAM_MEMB& memb, int nFlag);
  virtual int CreateCantileverSlabsOnMembs(const CUIntArray& membKeys, T_MODELER2_PARAM_MEMB& memb,
                                           T_PARAM_CANTI_SLAB& canti);
  virtual int CreateCantileverSlabsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb,
                                            T_PARAM_CANTI_SLAB& canti);
  virtual int CreateCantileverSlabsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb,
                                             T_PARAM_CANTI_SLAB& canti);

  // The request log.
  int GetRequestCount() const { return (int)m_log.size(); }
  const T_MODELER2_REQUEST* GetRequest(int i) const;  // 0-based; NULL out of range
  void ClearRequests() { m_log.clear(); }

 protected:
  CModeler2() = default;

 private:
  std::vector<T_MODELER2_REQUEST> m_log;
};
