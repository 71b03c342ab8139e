// Turns a section record into the plane figures of its outline, followed by the marks of
// its offset point, centroid and display centre, for the section preview.
#pragma once
#include "afx/CString.h"
#include "db/SectRecord.h"
#include "properties/CCMGeom2DArray.h"
#include "properties/CCMSecShapes.h"

class CCMSecShapeBuilder {
 public:
  CCMSecShapeBuilder() = default;

  // Appends the outline of pSect to pList (marks placed by this outline alone): regular and value sections (iType 1, 3), SRC
  // (2), combined (4) and tapered (5) sections; any other type adds nothing. A shape code
  // that no entry of the type's family matches adds no outline, the marks still follow:
  // the offset square with bOffset, then the centroid square and the display-centre cross
  // with bCentroid. nOption and bMirror are not read (the preview passes 0 for both: the
  // outline is never mirrored).
  void Build(T_SECT_D* pSect, CCMGeom2DArray* pList, int nOption, int bMirror,
             int bCentroid, int bOffset);

  // One code's outline from the first shape's sizes s and the second shape's c (null for
  // one end of a tapered section), the light-steel combination text, in the colours given.
  typedef void (*BuildFn)(const double* s, const double* c, const CString& strCombo,
                          SCMColors col, CCMGeom2DArray& out);
  struct SShapeEntry {
    const char* code;
    BuildFn fn;
  };

  T_SECT_D* m_pSect = nullptr;  // the record of the last build, not owned
  SCMBound2D m_bndIEnd;         // i-end box of the last tapered outline

 private:
  // Builds the first entry whose code equals strShape; FALSE when none does.
  static BOOL BuildFromTable(const SShapeEntry* pTable, const CString& strShape,
                             const double* s, const double* c, const CString& strCombo,
                             SCMColors col, CCMGeom2DArray& out);
  void BuildTapered(CCMGeom2DArray& out);
  void BuildSRC(CCMGeom2DArray& out) const;
  void AddMarks(CCMGeom2DArray& out, int bCentroid, int bOffset) const;

  static const SShapeEntry s_aRegular[];   // regular and value sections
  static const SShapeEntry s_aTapered[];   // each end of a tapered section
  static const SShapeEntry s_aCombined[];  // combined sections
};
