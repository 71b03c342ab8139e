// The writing side of the member modeller: one request's grouped transaction on the
// current document's model database, with the point merging, the member records and the
// plan geometry of tracing lines and closed regions that the requests share.
#pragma once
#include <vector>
#include "db/DBGeom.h"
#include "db/IClosedPathFinder.h"
#include "db/T_MODELER2_PARAM.h"

class CDBDoc;
class DB_CDataBase;
class CClassPont;
class CClassMemb;
class CClassStor;
struct T_PONT_D;

class CModelerWriter {
 public:
  // Opens the group; without a document or its tables Ok() is 0 and nothing is written.
  CModelerWriter();
  ~CModelerWriter();  // rolls back what Finish did not commit
  BOOL Ok() const { return m_bOk; }
  // Commits when every step succeeded and something was written (then 1), else rolls
  // back (0).
  int Finish();
  void Fail() { m_bFailed = TRUE; }

  double MergeTol() const { return m_dMerge; }
  // The point at a global position: one within the merge tolerance, else a new one on
  // the story whose level range holds it. 0 on failure.
  UINT Point(const T_POINT3D& g);
  UINT PointRecord(const T_PONT_D& rec);
  BOOL PointPos(UINT key, T_POINT3D& g) const;
  // A member of the request's type through the points (and curves). 0 when it cannot be
  // made; an equal member already there is its own answer and writes nothing.
  UINT Member(const T_MODELER2_PARAM_MEMB& p, const std::vector<UINT>& points, const std::vector<UINT>& curves = {});
  UINT MemberAt(const T_MODELER2_PARAM_MEMB& p, const std::vector<T_POINT3D>& at);
  // A column from the bottom to the top of the story whose range holds z.
  UINT Column(const T_MODELER2_PARAM_MEMB& p, double x, double y, double z);
  UINT Curve(double cx, double cy, double cz);

  // Tracing lines: segment ends in plan; all segments when keys is NULL.
  BOOL Segments(const CUIntArray* keys, std::vector<UINT>& segKeys, std::vector<std::pair<T_POINT2D, T_POINT2D>>& segs) const;
  // The nodes (ends and crossings, merged within the merge tolerance) of segs.
  std::vector<T_POINT2D> Nodes(const std::vector<std::pair<T_POINT2D, T_POINT2D>>& segs) const;
  // The pieces of a segment between the nodes on it, in order.
  std::vector<std::pair<T_POINT2D, T_POINT2D>> Pieces(const std::pair<T_POINT2D, T_POINT2D>& seg,
                                                      const std::vector<T_POINT2D>& nodes) const;
  // The segment nearest (x, y) within 0.2 m; -1 when none.
  static int Nearest(const std::vector<std::pair<T_POINT2D, T_POINT2D>>& segs, double x, double y);

  // The closed regions of the story's members of the closed-area types.
  BOOL Regions(UINT story, CArray<T_CPF_CYCLE_PATH>& paths) const;
  BOOL RegionsOf(const CUIntArray& membKeys, CArray<T_CPF_CYCLE_PATH>& paths) const;
  UINT StoryAt(double z) const;

  DB_CDataBase* DB() const { return m_pDB; }
  CClassMemb* Memb() const { return m_pMemb; }
  CClassPont* Pont() const { return m_pPont; }
  CClassStor* Stor() const { return m_pStor; }

 private:
  DB_CDataBase* m_pDB = nullptr;
  CClassPont* m_pPont = nullptr;
  CClassMemb* m_pMemb = nullptr;
  CClassStor* m_pStor = nullptr;
  double m_dMerge = 0.001;
  BOOL m_bOk = FALSE;
  BOOL m_bGroup = FALSE;
  BOOL m_bFailed = FALSE;
  BOOL m_bWrote = FALSE;
};
