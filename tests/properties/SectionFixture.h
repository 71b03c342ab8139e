// A section record to build outlines from, and the figures of a list described plainly.
#pragma once
#include <initializer_list>
#include <string>
#include <vector>
#include "PreviewRecorder.h"
#include "db/SectRecord.h"
#include "properties/CCMEllipse.h"
#include "properties/CCMSecShapeBuilder.h"

struct FigureDesc {
  char kind = '?';  // 'P' polygon, 'E' ellipse
  COLORREF pen = 0, brush = 0;
  Pts pts;          // polygon vertices, or the ellipse's two corners
  SCMBound2D box;
};

inline FigureDesc Describe(const CCMGeom2D* f) {
  FigureDesc d;
  d.pen = f->m_crPen;
  d.brush = f->m_crBrush;
  d.box = f->GetBoundRect();
  if (auto* e = dynamic_cast<const CCMEllipse*>(f)) {
    d.kind = 'E';
    d.pts = {{e->m_pt1.x, e->m_pt1.y}, {e->m_pt2.x, e->m_pt2.y}};
  } else {
    d.kind = 'P';
    d.pts = VerticesOf(f);
  }
  return d;
}

inline T_SECT_D MakeSection(int type, const char* shape, std::initializer_list<double> s,
                            std::initializer_list<double> c = {}) {
  T_SECT_D r;
  r.Initialize();
  r.iType = type;
  r.iMatlType = 2;
  r.Part1.strShape = shape;
  int i = 0;
  for (double v : s) r.Part1.BaseA.dSize[i++] = v;
  i = 0;
  for (double v : c) r.Part1.BaseB.dSize[i++] = v;
  return r;
}

struct BuiltOutline {
  CCMSecShapeBuilder builder;
  CCMGeom2DArray list;
  std::vector<FigureDesc> figs;
  // Builds into the list as it stands (empty unless the test filled it).
  void BuildOnto(T_SECT_D& r, int centroid = 0, int offset = 0) {
    builder.Build(&r, &list, 0, 0, centroid, offset);
    figs.clear();
    for (const CCMGeom2D* f : list) figs.push_back(Describe(f));
  }
  void Build(T_SECT_D& r, int centroid = 0, int offset = 0) {
    list.DeleteAll();
    BuildOnto(r, centroid, offset);
  }
};
