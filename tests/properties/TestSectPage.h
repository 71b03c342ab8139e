// A section page of the test suite's own, on the editor's page base: a number edit, a name
// edit, a shape-code edit and four size edits (metres as stored), and the preview. It
// carries the page contract out through the base's SaveSection, ApplySection, CalcSection
// and InitPageCommon, as the regular page does; its record is a regular section of the
// material kind of its tab (1 concrete, 2 steel) or, on a value tab (kind 5), a value
// section.
#pragma once
#include <cstdlib>
#include "afx/AfxMessageBox.h"
#include "db/CSectUtil.h"
#include "properties/CCMSectItemBase.h"
#include "ui/CMsgDll.h"

enum : int {
  IDD_TEST_SECT_PAGE = 14032,        // the regular page's template id, from the test table
  IDD_TEST_SECT_VALUE_PAGE = 14026,  // the value page's, likewise
  IDC_TEST_SECT_NAME = 14173,
  IDC_TEST_SECT_SHAPE = 9001,
  IDC_TEST_SECT_SIZE1 = 9011,  // 9011..9014
  IDC_TEST_SECT_VIEW = 14218,
};

class TestSectPage : public CCMSectItemBase {
 public:
  explicit TestSectPage(int nKind) : CCMSectItemBase(IDD_TEST_SECT_PAGE, nullptr), m_nKind(nKind) {
    m_sect.Initialize();
  }

  static CCMSectItemBase* New(int nKind) { return new TestSectPage(nKind); }

  int OnParentOK() override { return SaveData(); }
  int OnParentApply() override { return ApplySection(IDC_TEST_SECT_NAME); }
  void OnParentCalc() override { CalcSection(); }
  BOOL SaveData() override { return SaveSection(); }

  int Dlg2Data() override {
    ReadNumberEdit();
    CString name = Text(IDC_TEST_SECT_NAME), shape = Text(IDC_TEST_SECT_SHAPE);
    name.Trim();
    if (shape.IsEmpty()) {
      AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_", 0));
      return 0;
    }
    // The factors survive a refill; everything else starts again from the defaults.
    T_SECT_STIFFNESS kept = *CSectUtil::GetProperStiffPosition(m_sect, 0);
    m_sect.Initialize();
    SetKind();
    T_SECT_STIFFNESS* st = CSectUtil::GetProperStiffPosition(m_sect, 0);
    st->fArea = kept.fArea, st->fAsy = kept.fAsy, st->fAsz = kept.fAsz;
    st->fIxx = kept.fIxx, st->fIyy = kept.fIyy, st->fIzz = kept.fIzz;
    m_sect.strName = name;
    m_sect.Part1.strShape = shape;
    for (int i = 0; i < 4; ++i) m_sect.Part1.BaseA.dSize[i] = std::atof(Text(IDC_TEST_SECT_SIZE1 + i));
    ++m_nReads;
    return 1;
  }

  int m_nKind;
  int m_nReads = 0;

 protected:
  BOOL OnInitDialog() override {
    CCMSectItemBase::OnInitDialog();
    m_wndView.SubclassCtrl(GetDlgItem(IDC_TEST_SECT_VIEW));
    // A record of another kind keeps only its name.
    if (m_bModify && CSectUtil::GetSectTypeNo(m_sect.iType, m_sect.iMatlType) != m_nKind) {
      CString name = m_sect.strName;
      NewRecord();
      m_sect.strName = name;
    }
    InitPageCommon();
    return TRUE;
  }
  void NewRecord() override {
    m_sect.Initialize();
    SetKind();
  }
  void FillControls() override {
    SetText(IDC_TEST_SECT_NAME, m_sect.strName);
    SetText(IDC_TEST_SECT_SHAPE, m_sect.Part1.strShape);
    for (int i = 0; i < 4; ++i) {
      CString s;
      if (m_sect.Part1.BaseA.dSize[i] != 0) s.Format("%g", m_sect.Part1.BaseA.dSize[i]);
      SetText(IDC_TEST_SECT_SIZE1 + i, s);
    }
  }

 private:
  void SetKind() {
    m_sect.iType = m_nKind == 5 ? SECT_TYPE_VALUE : SECT_TYPE_REGULAR;
    m_sect.iMatlType = m_nKind == 5 ? SECT_MATL_STEEL : m_nKind;
  }
  CString Text(int id) const {
    CString s;
    if (CWnd* w = GetDlgItem(id)) w->GetWindowText(s);
    return s;
  }
  void SetText(int id, const CString& s) {
    if (CWnd* w = GetDlgItem(id)) w->SetWindowText(s);
  }
};
