#include "creation/CAdvOptMembCreatePanels.h"

#include "creation/AdvOptIds.h"
#include "res/resource.h"

namespace {
using T = CAdvOptMembCreateDlg::Tolerance;
// idd, kind group, tolerance group, refresh without type, manages 17356, split follows the
// type, shows the section, trimmed to group.
const CAdvOptMembCreateDlg::Traits kPont{IDD_ADVOPT_MEMB_PONT, "point", T::MergeSplit, true, false, true, false,
                                         IDC_ADVOPT_TOL_GROUP};
const CAdvOptMembCreateDlg::Traits kLine{IDD_ADVOPT_MEMB_LINE, "line", T::CrossSplit, false, true, false, false, 0};
const CAdvOptMembCreateDlg::Traits kSlab{IDD_ADVOPT_MEMB_SLAB, "area", T::Split, false, true, false, true, 0};
const CAdvOptMembCreateDlg::Traits kArea{IDD_ADVOPT_MEMB_AREA, "area", T::Split, false, true, false, false, 0};
}  // namespace

CAdvOptMembCreatePontDlg::CAdvOptMembCreatePontDlg() : CAdvOptMembCreateDlg(kPont) {}
CAdvOptMembCreateLineDlg::CAdvOptMembCreateLineDlg() : CAdvOptMembCreateDlg(kLine) {}
CAdvOptMembCreateSlabDlg::CAdvOptMembCreateSlabDlg() : CAdvOptMembCreateDlg(kSlab) {}
CAdvOptMembCreateAreaDlg::CAdvOptMembCreateAreaDlg() : CAdvOptMembCreateDlg(kArea) {}
