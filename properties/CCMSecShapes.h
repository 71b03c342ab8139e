// The outline primitives of section shapes and the colours of the section preview. Each
// primitive returns a new figure (owned by the caller) in the colours given. Sizes are in
// section length units, x to the right and y downward.
#pragma once
#include "afx/AfxTypes.h"
#include "properties/CCMEllipse.h"
#include "properties/CCMPolygon.h"

struct SCMColors {
  COLORREF crPen;
  COLORREF crBrush;
};

class CCMSecShapes {
 public:
  static const SCMColors kSteel;     // steel figures
  static const SCMColors kConcrete;  // concrete encasement and fill, tapered j-end
  static const SCMColors kHole;      // open interior of a box or pipe
  static const SCMColors kOffset;    // offset mark
  static const SCMColors kCentroid;  // centroid mark
  static const SCMColors kCross;     // display-centre cross

  static CCMPolygon* NewPolygon(SCMColors col);
  static CCMEllipse* NewCircle(double x1, double y1, double x2, double y2, SCMColors col);

  // Angle with its vertical leg on the left and its horizontal leg along the top.
  static CCMPolygon* AngleRight(double H, double B, double tw, double tf, SCMColors col);
  // Angle with its vertical leg on the right.
  static CCMPolygon* AngleLeft(double H, double B, double tw, double tf, SCMColors col);
  // Channel, web on the left; a B2 of 0 stands for B1 and a tf2 of 0 for tf1.
  static CCMPolygon* ChannelRight(double H, double B1, double tw, double tf1, double B2,
                                  double tf2, SCMColors col);
  // Channel, web on the right; its box starts at (0, 0).
  static CCMPolygon* ChannelLeft(double H, double B1, double tw, double tf1, double B2,
                                 double tf2, SCMColors col);
  // H with both flanges and the web on one vertical line; the wider flange starts at
  // x = 0 and the box at (0, 0). Same replacements as the channels.
  static CCMPolygon* HShape(double H, double B1, double tw, double tf1, double B2,
                            double tf2, SCMColors col);
  // T with its flange along the top.
  static CCMPolygon* TShape(double H, double B, double tw, double tf, SCMColors col);
  // A vertical plate tw by H and a horizontal plate B by tf crossing at their centres.
  static CCMPolygon* Cross(double H, double B, double tw, double tf, SCMColors col);
  static CCMPolygon* Rect(double x1, double y1, double x2, double y2, SCMColors col);
  // Built-up box; C is the distance between the web centre lines. A C of 0 stands for
  // B - tw (webs flush with the edges) and a tf2 of 0 for tf1.
  static CCMPolygon* Box(double H, double B, double tw, double tf1, double C, double tf2,
                         SCMColors col);
  // The box's interior between the webs' inner faces, with the box's replacements.
  static CCMPolygon* BoxHole(double H, double B, double tw, double tf1, double C,
                             double tf2, SCMColors col);
  // Cold-formed channel with rounded corners and lips, web on the left; negative sizes
  // count as 0. No vertex when the bends do not fit (2 (t + r) > B or > H).
  static CCMPolygon* LippedChannel(double H, double B, double t, double r, double C,
                                   SCMColors col);
  // Trough rib symmetric about x = 0 from y = -H/2 to H/2: top width b, bottom width c,
  // thickness t, inner bend radius r.
  static CCMPolygon* URib(double H, double b, double c, double t, double r, SCMColors col);

  // Moves a figure so that its box starts at (x, y).
  static void PlaceAt(CCMGeom2D* pFig, double x, double y);
  static void Move(CCMGeom2D* pFig, double dx, double dy);
};
