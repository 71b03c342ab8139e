// The exported classes the application builds itself, for the `exported CLASS [ARG...]`
// ... `end` line: one row a class, with the arguments it takes after its name and the
// function that builds it as the application would, runs it modally with the block as the
// user (HostRunModalBlock) and prints `result N` and anything the class adds.
//
// A new class is one row in ExportedClasses.cpp and its function in a file of its own
// (Exported<Folder>.cpp). The arguments reach the function as ctx.Arg(1)...; it returns
// Bad for a word it cannot use.
#pragma once
#include "host/CScenarioContext.h"

struct CExportedClass {
  const char* m_pszName;
  int m_nMinArgs;  // after the class name
  int m_nMaxArgs;  // -1: no maximum
  const char* m_pszUsage;  // the arguments, for help: "[TAB]"
  CScenarioStatus (*m_pfnRun)(CScenarioContext& ctx);
};

// The rows, and their count.
extern const CExportedClass g_exportedClasses[];
extern const int g_nExportedClasses;

// The runners, one per class.
CScenarioStatus RunModelCtrlDataDlg(CScenarioContext& ctx);
CScenarioStatus RunPlanSelectDlg(CScenarioContext& ctx);
CScenarioStatus RunDlgContainer(CScenarioContext& ctx);
CScenarioStatus RunTwopImport(CScenarioContext& ctx);
CScenarioStatus RunAutoErectSeqGrupSelDlg(CScenarioContext& ctx);
CScenarioStatus RunAnalBucklingDlg(CScenarioContext& ctx);
CScenarioStatus RunAnalPerfDlg(CScenarioContext& ctx);
CScenarioStatus RunAnalNonlinearDlg(CScenarioContext& ctx);
CScenarioStatus RunGroupDampingDlg(CScenarioContext& ctx);
