// The project information: the project's name and version, the user's name and contact
// details, the client, the title, five sign-off names with their dates (design, checking,
// review, second review, approval, in that order) and a free description. One record in
// the model. Every field is free text: any of them may be empty, none is a name in the
// tables' sense (nothing is unique), and the description may hold line breaks.
#pragma once
#include "db/DBField.h"

struct T_PJCF_D {
  static constexpr int SIGNS = 5;
  CString project;
  CString version;
  CString user;
  CString email;
  CString address;
  CString phone;
  CString fax;
  CString client;
  CString title;
  CString signName[SIGNS];
  CString signDate[SIGNS];
  CString desc;

  void Initialize() { *this = T_PJCF_D(); }
  static const DB_CRecordDesc& Desc();
};
