// The polyline and arc input tool: collects pressed points (or picked member lines) into a
// chain of straight and arc edges (T_LINE_G), for the creation tool's curve and polyline
// methods.
//
// Rules:
// - The size class says when the input is finished: 1 after one edge, 10000 when the chain
//   is closed (CloseEdge, or an edge ending on the chain's first point), 0 never.
// - The edge mode says how the next edge is made from the pressed points:
//     EDGE_PICK_MEMB  0  no points; whole lines come from PushLine
//     EDGE_LINE       1  straight: the chain's end (or a first press), then its end
//     EDGE_ARC_3P     2  arc by three points: start, a point on the arc, end
//     EDGE_ARC_C_P1P2 3  arc centre, start, end (a first edge: the first press is the centre;
//                        a following edge starts at the chain's end: centre, end)
//     EDGE_ARC_P1_C_P2 4 arc start, centre, end
//   The end of an arc by its centre is the press projected onto the circle of the start
//   (in plan; z of the press), so its ends lie at one distance from the centre. An arc by
//   three points on one line, or a press on the point before it, is not taken.
// - Arcs are stored as T_LINE_G with bArc and their centre: the shorter way round between
//   their ends.
// - Changing the edge mode keeps the chain and drops only the presses of an unfinished edge
//   beyond the chain's end. Reset drops everything but the size class and edge mode.
// - PushLine (mode 0) takes a line that starts or ends at the chain's end (it is turned
//   round when it ends there), or any line while the chain is empty.
// - A finished input takes nothing more until Reset.
// - The rubber band is the chain's edges (arcs as 16 chords) followed by the unfinished
//   edge's presses and the mouse, one flat array of x, y, z per vertex.
#pragma once
#include <vector>
#include "db/DBGeom.h"

class CPolyParamTool {
 public:
  enum EDGE_MODE { EDGE_PICK_MEMB = 0, EDGE_LINE = 1, EDGE_ARC_3P = 2, EDGE_ARC_C_P1P2 = 3, EDGE_ARC_P1_C_P2 = 4 };
  static constexpr int SIZE_ONE_LINE = 1;
  static constexpr int SIZE_CLOSED = 10000;

  // Sets the size class and empties the input.
  void Initialize(int nSizeClass);
  void SetEdgeMode(int nMode);
  int GetEdgeMode() const { return m_nMode; }
  int GetSizeClass() const { return m_nSize; }
  // Nonzero when the press was taken.
  BOOL PushPoint(const T_MEMBDLG_3DPOINT& p);
  BOOL PushLine(const T_LINE_G& line);
  // Closes the chain with a straight edge back to its first point (when it is not closed
  // already); needs at least one edge. Nonzero when the chain is closed afterwards.
  BOOL CloseEdge();
  // The edges so far; their number.
  int GetLines(CLineGArray& lines) const;
  BOOL IsFinished() const;
  // A chain or a first press exists and the input is not finished.
  BOOL IsNeedRubBand() const;
  // The band for the mouse at pos; nonzero when there is one.
  BOOL GetRubBandInfo(CArray<double>& band, const T_MEMBDLG_3DPOINT& pos) const;
  void Reset();

 private:
  void AddEdge(const T_LINE_G& line);
  BOOL AtStart(const T_POINT3D& p) const;

  int m_nSize = 0;
  int m_nMode = EDGE_ARC_3P;
  std::vector<T_LINE_G> m_lines;
  // Presses of the edge being made; starts with the chain's end once a chain exists.
  std::vector<T_POINT3D> m_pending;
  bool m_bClosed = false;
};
