// Ids of the afx tests' dialog templates (test.rc).
#pragma once

#define IDD_TEST_ALL        100     // one control of each kind
#define IDD_TEST_OKCANCEL   101     // a small OK/Cancel dialog
#define IDD_TEST_NESTED     102     // a dialog that opens IDD_TEST_OKCANCEL and hosts a page
#define IDD_TEST_PAGE       103     // a child page
#define IDD_RCGEN_KINDS     190     // every statement kind, for the resource tool's tests

#define IDB_TEST            300     // test.bmp, 16 x 8 pixels

#define IDC_BUTTON          1000
#define IDC_CHECK           1001
#define IDC_RADIO1          1002
#define IDC_RADIO2          1003
#define IDC_RADIO3          1004
#define IDC_GROUP           1005
#define IDC_EDIT            1006
#define IDC_TEXT            1007
#define IDC_PICTURE         1008
#define IDC_DROPLIST        1009
#define IDC_DROPDOWN        1010
#define IDC_LISTBOX         1011
#define IDC_LISTCTRL        1012
#define IDC_TAB             1013
#define IDC_SCROLLBAR       1014
#define IDC_SPIN            1015
#define IDC_SLIDER          1016
#define IDC_MESSAGE         1020
#define IDC_OPEN            1021
#define IDC_PLACE           1022
#define IDC_PAGE_EDIT       1023
#define IDC_PAGE_CHECK      1024

// Controls of IDD_RCGEN_KINDS.
#define IDC_K_CONTROL       1100
#define IDC_K_PUSH          1101
#define IDC_K_DEFPUSH       1102
#define IDC_K_CHECK         1103
#define IDC_K_AUTOCHECK     1104
#define IDC_K_RADIO         1105
#define IDC_K_AUTORADIO     1106
#define IDC_K_GROUP         1107
#define IDC_K_LTEXT         1108
#define IDC_K_RTEXT         1109
#define IDC_K_CTEXT         1110
#define IDC_K_EDIT          1111
#define IDC_K_COMBO         1112
#define IDC_K_LIST          1113
#define IDC_K_SCROLL        1114
#define IDC_K_ICON          1115
#define IDC_K_HEX           0x460
