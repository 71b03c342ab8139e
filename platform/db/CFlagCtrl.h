// The document's modelling tolerances (CDBDoc::GetFlagCtrl). Despite their names, the
// "CurrentUnit" reads give internal units (m), as every position, level and tolerance
// passed between the view, the module and the modeller is internal.
#pragma once

class CFlagCtrl {
 public:
  // Two points closer than this in x, y and z are one point (the modeller merges them).
  double GetMergeToleranceCurrentUnit() const { return m_dMerge; }
  // The half side of the square searched around a member end.
  double GetGeneralCoordinateToleranceCurrentUnit() const { return m_dCoord; }
  void SetMergeTolerance(double d) { m_dMerge = d; }
  void SetGeneralCoordinateTolerance(double d) { m_dCoord = d; }

 private:
  double m_dMerge = 0.001;
  double m_dCoord = 0.01;
};
