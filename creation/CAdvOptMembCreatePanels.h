// The creation option panels for points, line members, slabs and area members: each is
// the shared panel with its template and traits (see CAdvOptMembCreateDlg.h).
#pragma once
#include "creation/CAdvOptMembCreateDlg.h"

class CAdvOptMembCreatePontDlg : public CAdvOptMembCreateDlg {
 public:
  CAdvOptMembCreatePontDlg();
};

class CAdvOptMembCreateLineDlg : public CAdvOptMembCreateDlg {
 public:
  CAdvOptMembCreateLineDlg();
};

class CAdvOptMembCreateSlabDlg : public CAdvOptMembCreateDlg {
 public:
  CAdvOptMembCreateSlabDlg();
};

class CAdvOptMembCreateAreaDlg : public CAdvOptMembCreateDlg {
 public:
  CAdvOptMembCreateAreaDlg();
};
