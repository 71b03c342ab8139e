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
  // Crossing splits: two members passing closer than the crossing tolerance are taken to
  // cross; with the flag set the members a new member crosses are split as well as the
  // new one. Set by CIntsDlg.
  double GetCrossToleranceCurrentUnit() const { return m_dCross; }
  void SetCrossTolerance(double d) { m_dCross = d; }
  int GetSplitCrossedMembs() const { return m_nSplitCrossed; }
  void SetSplitCrossedMembs(int n) { m_nSplitCrossed = n ? 1 : 0; }

 private:
  double m_dMerge = 0.001;
  double m_dCoord = 0.01;
  double m_dCross = 0.001;
  int m_nSplitCrossed = 1;
};
