// The creation option panels of members made with a section: columns, beams, walls and
// braces. Beside the shared rows they show the material kind and shape picture of the
// section the application is about to use, and take the orientation (a Beta angle, or
// for columns and braces either a Beta angle or a reference point), the wall's transfer
// flag and the position of the brace's i-end.
//
// Angles and coordinates are taken as typed, without unit conversion; a text that does
// not parse leaves its field as last read, and the value of the direction mode not shown
// keeps what was read last. The brace's tension-only box and gap edit are disabled: the
// panel hands over tension-only 0 and gap 0.
#pragma once
#include "creation/CAdvOptMembCreateDlg.h"
#include "db/CTextUnit.h"
#include "view/CMouseEdit2.h"

// Adds the section's material kind and picture, and the options of these four panels.
class CAdvOptMembCreateSectDlg : public CAdvOptMembCreateDlg {
 public:
  struct SectOptions {
    int nDirMode = 0;
    double dBeta = 0.0;
    double dRefX = 0.0, dRefY = 0.0, dRefZ = 0.0;
    int nTransfer = 0;
    int nIEnd = 2;
    int nTension = 0;
    double dGap = 0.0;
  };
  // What the panel takes beyond the shared rows.
  enum Kind { COLUMN, BEAM, WALL, BRACE };

  CAdvOptMembCreateSectDlg(const Traits& traits, Kind kind);

  const SectOptions& GetSectOptions() const { return m_sect; }
  int Dlg2Data() override;
  void WriteOptions(T_ADVOPT_DLG_COMMON_DATA* common, PARAM_MPROP* prop) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnPrepare() override;
  void Data2Dlg() override;
  void UpdateCtrlState() override;
  void OnDirection() { UpdateCtrlState(); }
  bool HasDirection() const { return m_kind == COLUMN || m_kind == BRACE; }
  // The Beta combo of the panel.
  int BetaId() const;

  Kind m_kind;
  SectOptions m_sect;
  CMouseEdit2 m_editRef;
  CTextUnit m_unitRef;
  CUIntArray m_dirIds;
  CUIntArray m_betaIds;
  CUIntArray m_refIds;

  DECLARE_MESSAGE_MAP()
};

class CAdvOptMembCreateColumnDlg : public CAdvOptMembCreateSectDlg {
 public:
  CAdvOptMembCreateColumnDlg();
};

class CAdvOptMembCreateBeamDlg : public CAdvOptMembCreateSectDlg {
 public:
  CAdvOptMembCreateBeamDlg();
};

class CAdvOptMembCreateWallDlg : public CAdvOptMembCreateSectDlg {
 public:
  CAdvOptMembCreateWallDlg();
};

class CAdvOptMembCreateBrTrDlg : public CAdvOptMembCreateSectDlg {
 public:
  CAdvOptMembCreateBrTrDlg();
};
