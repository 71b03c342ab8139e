#include "ExportedClasses.h"

const CExportedClass g_exportedClasses[] = {
    {"CModelCtrlDataDlg", 0, 1, "[TAB]", RunModelCtrlDataDlg},
    {"CCmdPlanSelectDlg", 0, -1, "[KEY...]", RunPlanSelectDlg},
    {"CCmdDlgContainer", 2, 2, "TEMPLATE MAXHEIGHT", RunDlgContainer},
    {"CModelPropTwopImport", 1, 1, "PATH", RunTwopImport},
    {"CAutoErectSeqGrupSelDlg", 0, 0, "", RunAutoErectSeqGrupSelDlg},
    {"CCmdAnalBucklingDlg", 0, 0, "", RunAnalBucklingDlg},
    {"CCmdAnalPerfDlg", 0, 0, "", RunAnalPerfDlg},
    {"CCmdAnalNonlinearDlg", 0, 0, "", RunAnalNonlinearDlg},
    {"CCMGroupDampingDlg", 0, 0, "", RunGroupDampingDlg},
};
const int g_nExportedClasses = (int)(sizeof g_exportedClasses / sizeof g_exportedClasses[0]);
