// Window, dialog and control style bits: the one place their values are written. The class
// library's windows and the resource tool (rcgen) both read them from here, so a style named
// in a resource script has the same number in the compiled template as in the code.
//
// Each group is a list of X(NAME, VALUE) entries; the constants are made from the lists
// below, and rcgen walks the same lists to resolve names in a script.
#pragma once
#include "afx/AfxTypes.h"

// Window styles.
#define AFX_WS_STYLES(X)                                \
  X(WS_OVERLAPPED, 0x00000000u)                         \
  X(WS_POPUP, 0x80000000u)                              \
  X(WS_CHILD, 0x40000000u)                              \
  X(WS_CHILDWINDOW, 0x40000000u)                        \
  X(WS_MINIMIZE, 0x20000000u)                           \
  X(WS_ICONIC, 0x20000000u)                             \
  X(WS_VISIBLE, 0x10000000u)                            \
  X(WS_DISABLED, 0x08000000u)                           \
  X(WS_CLIPSIBLINGS, 0x04000000u)                       \
  X(WS_CLIPCHILDREN, 0x02000000u)                       \
  X(WS_MAXIMIZE, 0x01000000u)                           \
  X(WS_CAPTION, 0x00C00000u)                            \
  X(WS_BORDER, 0x00800000u)                             \
  X(WS_DLGFRAME, 0x00400000u)                           \
  X(WS_VSCROLL, 0x00200000u)                            \
  X(WS_HSCROLL, 0x00100000u)                            \
  X(WS_SYSMENU, 0x00080000u)                            \
  X(WS_THICKFRAME, 0x00040000u)                         \
  X(WS_SIZEBOX, 0x00040000u)                            \
  X(WS_GROUP, 0x00020000u)                              \
  X(WS_TABSTOP, 0x00010000u)                            \
  X(WS_MINIMIZEBOX, 0x00020000u)                        \
  X(WS_MAXIMIZEBOX, 0x00010000u)                        \
  X(WS_OVERLAPPEDWINDOW, 0x00CF0000u)                   \
  X(WS_TILEDWINDOW, 0x00CF0000u)                        \
  X(WS_POPUPWINDOW, 0x80880000u)

// Extended window styles.
#define AFX_WS_EX_STYLES(X)                             \
  X(WS_EX_LEFT, 0x00000000u)                            \
  X(WS_EX_LTRREADING, 0x00000000u)                      \
  X(WS_EX_RIGHTSCROLLBAR, 0x00000000u)                  \
  X(WS_EX_DLGMODALFRAME, 0x00000001u)                   \
  X(WS_EX_NOPARENTNOTIFY, 0x00000004u)                  \
  X(WS_EX_TOPMOST, 0x00000008u)                         \
  X(WS_EX_ACCEPTFILES, 0x00000010u)                     \
  X(WS_EX_TRANSPARENT, 0x00000020u)                     \
  X(WS_EX_MDICHILD, 0x00000040u)                        \
  X(WS_EX_TOOLWINDOW, 0x00000080u)                      \
  X(WS_EX_WINDOWEDGE, 0x00000100u)                      \
  X(WS_EX_CLIENTEDGE, 0x00000200u)                      \
  X(WS_EX_CONTEXTHELP, 0x00000400u)                     \
  X(WS_EX_RIGHT, 0x00001000u)                           \
  X(WS_EX_RTLREADING, 0x00002000u)                      \
  X(WS_EX_LEFTSCROLLBAR, 0x00004000u)                   \
  X(WS_EX_CONTROLPARENT, 0x00010000u)                   \
  X(WS_EX_STATICEDGE, 0x00020000u)                      \
  X(WS_EX_APPWINDOW, 0x00040000u)                       \
  X(WS_EX_OVERLAPPEDWINDOW, 0x00000300u)                \
  X(WS_EX_PALETTEWINDOW, 0x00000188u)

// Dialog styles.
#define AFX_DS_STYLES(X)                                \
  X(DS_ABSALIGN, 0x0001u)                               \
  X(DS_SYSMODAL, 0x0002u)                               \
  X(DS_3DLOOK, 0x0004u)                                 \
  X(DS_FIXEDSYS, 0x0008u)                               \
  X(DS_NOFAILCREATE, 0x0010u)                           \
  X(DS_LOCALEDIT, 0x0020u)                              \
  X(DS_SETFONT, 0x0040u)                                \
  X(DS_MODALFRAME, 0x0080u)                             \
  X(DS_NOIDLEMSG, 0x0100u)                              \
  X(DS_SETFOREGROUND, 0x0200u)                          \
  X(DS_CONTROL, 0x0400u)                                \
  X(DS_CENTER, 0x0800u)                                 \
  X(DS_CENTERMOUSE, 0x1000u)                            \
  X(DS_CONTEXTHELP, 0x2000u)                            \
  X(DS_SHELLFONT, 0x0048u)

// Buttons (push buttons, check boxes, radio buttons, group boxes).
#define AFX_BS_STYLES(X)                                \
  X(BS_PUSHBUTTON, 0x0000u)                             \
  X(BS_DEFPUSHBUTTON, 0x0001u)                          \
  X(BS_CHECKBOX, 0x0002u)                               \
  X(BS_AUTOCHECKBOX, 0x0003u)                           \
  X(BS_RADIOBUTTON, 0x0004u)                            \
  X(BS_3STATE, 0x0005u)                                 \
  X(BS_AUTO3STATE, 0x0006u)                             \
  X(BS_GROUPBOX, 0x0007u)                               \
  X(BS_USERBUTTON, 0x0008u)                             \
  X(BS_AUTORADIOBUTTON, 0x0009u)                        \
  X(BS_PUSHBOX, 0x000Au)                                \
  X(BS_OWNERDRAW, 0x000Bu)                              \
  X(BS_TYPEMASK, 0x000Fu)                               \
  X(BS_LEFTTEXT, 0x0020u)                               \
  X(BS_RIGHTBUTTON, 0x0020u)                            \
  X(BS_TEXT, 0x0000u)                                   \
  X(BS_ICON, 0x0040u)                                   \
  X(BS_BITMAP, 0x0080u)                                 \
  X(BS_LEFT, 0x0100u)                                   \
  X(BS_RIGHT, 0x0200u)                                  \
  X(BS_CENTER, 0x0300u)                                 \
  X(BS_TOP, 0x0400u)                                    \
  X(BS_BOTTOM, 0x0800u)                                 \
  X(BS_VCENTER, 0x0C00u)                                \
  X(BS_PUSHLIKE, 0x1000u)                               \
  X(BS_MULTILINE, 0x2000u)                              \
  X(BS_NOTIFY, 0x4000u)                                 \
  X(BS_FLAT, 0x8000u)

// Edits.
#define AFX_ES_STYLES(X)                                \
  X(ES_LEFT, 0x0000u)                                   \
  X(ES_CENTER, 0x0001u)                                 \
  X(ES_RIGHT, 0x0002u)                                  \
  X(ES_MULTILINE, 0x0004u)                              \
  X(ES_UPPERCASE, 0x0008u)                              \
  X(ES_LOWERCASE, 0x0010u)                              \
  X(ES_PASSWORD, 0x0020u)                               \
  X(ES_AUTOVSCROLL, 0x0040u)                            \
  X(ES_AUTOHSCROLL, 0x0080u)                            \
  X(ES_NOHIDESEL, 0x0100u)                              \
  X(ES_OEMCONVERT, 0x0400u)                             \
  X(ES_READONLY, 0x0800u)                               \
  X(ES_WANTRETURN, 0x1000u)                             \
  X(ES_NUMBER, 0x2000u)

// Statics (texts, frames, pictures).
#define AFX_SS_STYLES(X)                                \
  X(SS_LEFT, 0x0000u)                                   \
  X(SS_CENTER, 0x0001u)                                 \
  X(SS_RIGHT, 0x0002u)                                  \
  X(SS_ICON, 0x0003u)                                   \
  X(SS_BLACKRECT, 0x0004u)                              \
  X(SS_GRAYRECT, 0x0005u)                               \
  X(SS_WHITERECT, 0x0006u)                              \
  X(SS_BLACKFRAME, 0x0007u)                             \
  X(SS_GRAYFRAME, 0x0008u)                              \
  X(SS_WHITEFRAME, 0x0009u)                             \
  X(SS_USERITEM, 0x000Au)                               \
  X(SS_SIMPLE, 0x000Bu)                                 \
  X(SS_LEFTNOWORDWRAP, 0x000Cu)                         \
  X(SS_OWNERDRAW, 0x000Du)                              \
  X(SS_BITMAP, 0x000Eu)                                 \
  X(SS_ENHMETAFILE, 0x000Fu)                            \
  X(SS_ETCHEDHORZ, 0x0010u)                             \
  X(SS_ETCHEDVERT, 0x0011u)                             \
  X(SS_ETCHEDFRAME, 0x0012u)                            \
  X(SS_TYPEMASK, 0x001Fu)                               \
  X(SS_REALSIZECONTROL, 0x0040u)                        \
  X(SS_NOPREFIX, 0x0080u)                               \
  X(SS_NOTIFY, 0x0100u)                                 \
  X(SS_CENTERIMAGE, 0x0200u)                            \
  X(SS_RIGHTJUST, 0x0400u)                              \
  X(SS_REALSIZEIMAGE, 0x0800u)                          \
  X(SS_SUNKEN, 0x1000u)                                 \
  X(SS_EDITCONTROL, 0x2000u)                            \
  X(SS_ENDELLIPSIS, 0x4000u)                            \
  X(SS_PATHELLIPSIS, 0x8000u)                           \
  X(SS_WORDELLIPSIS, 0xC000u)

// Combo boxes.
#define AFX_CBS_STYLES(X)                               \
  X(CBS_SIMPLE, 0x0001u)                                \
  X(CBS_DROPDOWN, 0x0002u)                              \
  X(CBS_DROPDOWNLIST, 0x0003u)                          \
  X(CBS_OWNERDRAWFIXED, 0x0010u)                        \
  X(CBS_OWNERDRAWVARIABLE, 0x0020u)                     \
  X(CBS_AUTOHSCROLL, 0x0040u)                           \
  X(CBS_OEMCONVERT, 0x0080u)                            \
  X(CBS_SORT, 0x0100u)                                  \
  X(CBS_HASSTRINGS, 0x0200u)                            \
  X(CBS_NOINTEGRALHEIGHT, 0x0400u)                      \
  X(CBS_DISABLENOSCROLL, 0x0800u)                       \
  X(CBS_UPPERCASE, 0x2000u)                             \
  X(CBS_LOWERCASE, 0x4000u)

// List boxes.
#define AFX_LBS_STYLES(X)                               \
  X(LBS_NOTIFY, 0x0001u)                                \
  X(LBS_SORT, 0x0002u)                                  \
  X(LBS_NOREDRAW, 0x0004u)                              \
  X(LBS_MULTIPLESEL, 0x0008u)                           \
  X(LBS_OWNERDRAWFIXED, 0x0010u)                        \
  X(LBS_OWNERDRAWVARIABLE, 0x0020u)                     \
  X(LBS_HASSTRINGS, 0x0040u)                            \
  X(LBS_USETABSTOPS, 0x0080u)                           \
  X(LBS_NOINTEGRALHEIGHT, 0x0100u)                      \
  X(LBS_MULTICOLUMN, 0x0200u)                           \
  X(LBS_WANTKEYBOARDINPUT, 0x0400u)                     \
  X(LBS_EXTENDEDSEL, 0x0800u)                           \
  X(LBS_DISABLENOSCROLL, 0x1000u)                       \
  X(LBS_NODATA, 0x2000u)                                \
  X(LBS_NOSEL, 0x4000u)                                 \
  X(LBS_STANDARD, 0x00A00003u)

// List controls ("SysListView32"); LVS_EX_* are the extended list styles set at run time.
#define AFX_LVS_STYLES(X)                               \
  X(LVS_ICON, 0x0000u)                                  \
  X(LVS_REPORT, 0x0001u)                                \
  X(LVS_SMALLICON, 0x0002u)                             \
  X(LVS_LIST, 0x0003u)                                  \
  X(LVS_TYPEMASK, 0x0003u)                              \
  X(LVS_SINGLESEL, 0x0004u)                             \
  X(LVS_SHOWSELALWAYS, 0x0008u)                         \
  X(LVS_SORTASCENDING, 0x0010u)                         \
  X(LVS_SORTDESCENDING, 0x0020u)                        \
  X(LVS_SHAREIMAGELISTS, 0x0040u)                       \
  X(LVS_NOLABELWRAP, 0x0080u)                           \
  X(LVS_AUTOARRANGE, 0x0100u)                           \
  X(LVS_EDITLABELS, 0x0200u)                            \
  X(LVS_OWNERDRAWFIXED, 0x0400u)                        \
  X(LVS_ALIGNTOP, 0x0000u)                              \
  X(LVS_ALIGNLEFT, 0x0800u)                             \
  X(LVS_OWNERDATA, 0x1000u)                             \
  X(LVS_NOSCROLL, 0x2000u)                              \
  X(LVS_NOCOLUMNHEADER, 0x4000u)                        \
  X(LVS_NOSORTHEADER, 0x8000u)                          \
  X(LVS_EX_GRIDLINES, 0x0001u)                          \
  X(LVS_EX_SUBITEMIMAGES, 0x0002u)                      \
  X(LVS_EX_CHECKBOXES, 0x0004u)                         \
  X(LVS_EX_TRACKSELECT, 0x0008u)                        \
  X(LVS_EX_HEADERDRAGDROP, 0x0010u)                     \
  X(LVS_EX_FULLROWSELECT, 0x0020u)                      \
  X(LVS_EX_ONECLICKACTIVATE, 0x0040u)

// Tab controls ("SysTabControl32").
#define AFX_TCS_STYLES(X)                               \
  X(TCS_TABS, 0x0000u)                                  \
  X(TCS_SINGLELINE, 0x0000u)                            \
  X(TCS_RIGHTJUSTIFY, 0x0000u)                          \
  X(TCS_SCROLLOPPOSITE, 0x0001u)                        \
  X(TCS_BOTTOM, 0x0002u)                                \
  X(TCS_RIGHT, 0x0002u)                                 \
  X(TCS_MULTISELECT, 0x0004u)                           \
  X(TCS_FLATBUTTONS, 0x0008u)                           \
  X(TCS_FORCEICONLEFT, 0x0010u)                         \
  X(TCS_FORCELABELLEFT, 0x0020u)                        \
  X(TCS_HOTTRACK, 0x0040u)                              \
  X(TCS_VERTICAL, 0x0080u)                              \
  X(TCS_BUTTONS, 0x0100u)                               \
  X(TCS_MULTILINE, 0x0200u)                             \
  X(TCS_FIXEDWIDTH, 0x0400u)                            \
  X(TCS_RAGGEDRIGHT, 0x0800u)                           \
  X(TCS_FOCUSONBUTTONDOWN, 0x1000u)                     \
  X(TCS_OWNERDRAWFIXED, 0x2000u)                        \
  X(TCS_TOOLTIPS, 0x4000u)                              \
  X(TCS_FOCUSNEVER, 0x8000u)

// Spin buttons ("msctls_updown32").
#define AFX_UDS_STYLES(X)                               \
  X(UDS_WRAP, 0x0001u)                                  \
  X(UDS_SETBUDDYINT, 0x0002u)                           \
  X(UDS_ALIGNRIGHT, 0x0004u)                            \
  X(UDS_ALIGNLEFT, 0x0008u)                             \
  X(UDS_AUTOBUDDY, 0x0010u)                             \
  X(UDS_ARROWKEYS, 0x0020u)                             \
  X(UDS_HORZ, 0x0040u)                                  \
  X(UDS_NOTHOUSANDS, 0x0080u)                           \
  X(UDS_HOTTRACK, 0x0100u)

// Sliders ("msctls_trackbar32").
#define AFX_TBS_STYLES(X)                               \
  X(TBS_HORZ, 0x0000u)                                  \
  X(TBS_BOTTOM, 0x0000u)                                \
  X(TBS_RIGHT, 0x0000u)                                 \
  X(TBS_AUTOTICKS, 0x0001u)                             \
  X(TBS_VERT, 0x0002u)                                  \
  X(TBS_TOP, 0x0004u)                                   \
  X(TBS_LEFT, 0x0004u)                                  \
  X(TBS_BOTH, 0x0008u)                                  \
  X(TBS_NOTICKS, 0x0010u)                               \
  X(TBS_ENABLESELRANGE, 0x0020u)                        \
  X(TBS_FIXEDLENGTH, 0x0040u)                           \
  X(TBS_NOTHUMB, 0x0080u)                               \
  X(TBS_TOOLTIPS, 0x0100u)

// Scroll bars.
#define AFX_SBS_STYLES(X)                               \
  X(SBS_HORZ, 0x0000u)                                  \
  X(SBS_VERT, 0x0001u)                                  \
  X(SBS_TOPALIGN, 0x0002u)                              \
  X(SBS_LEFTALIGN, 0x0002u)                             \
  X(SBS_SIZEBOXTOPLEFTALIGN, 0x0002u)                   \
  X(SBS_BOTTOMALIGN, 0x0004u)                           \
  X(SBS_RIGHTALIGN, 0x0004u)                            \
  X(SBS_SIZEBOXBOTTOMRIGHTALIGN, 0x0004u)               \
  X(SBS_SIZEBOX, 0x0008u)                               \
  X(SBS_SIZEGRIP, 0x0010u)

// Progress bars ("msctls_progress32") and tree controls ("SysTreeView32").
#define AFX_MISC_STYLES(X)                              \
  X(PBS_SMOOTH, 0x0001u)                                \
  X(PBS_VERTICAL, 0x0004u)                              \
  X(TVS_HASBUTTONS, 0x0001u)                            \
  X(TVS_HASLINES, 0x0002u)                              \
  X(TVS_LINESATROOT, 0x0004u)                           \
  X(TVS_EDITLABELS, 0x0008u)                            \
  X(TVS_DISABLEDRAGDROP, 0x0010u)                       \
  X(TVS_SHOWSELALWAYS, 0x0020u)

// Every group, in one list.
#define AFX_ALL_STYLES(X)                                                          \
  AFX_WS_STYLES(X) AFX_WS_EX_STYLES(X) AFX_DS_STYLES(X) AFX_BS_STYLES(X)           \
  AFX_ES_STYLES(X) AFX_SS_STYLES(X) AFX_CBS_STYLES(X) AFX_LBS_STYLES(X)            \
  AFX_LVS_STYLES(X) AFX_TCS_STYLES(X) AFX_UDS_STYLES(X) AFX_TBS_STYLES(X)          \
  AFX_SBS_STYLES(X) AFX_MISC_STYLES(X)

#define AFX_STYLE_CONSTANT_(name, value) inline constexpr DWORD name = value;
AFX_ALL_STYLES(AFX_STYLE_CONSTANT_)
#undef AFX_STYLE_CONSTANT_

// Window classes of the controls, as templates and CreateWindow name them.
#define AFX_WC_BUTTON "BUTTON"
#define AFX_WC_EDIT "EDIT"
#define AFX_WC_STATIC "STATIC"
#define AFX_WC_COMBOBOX "COMBOBOX"
#define AFX_WC_LISTBOX "LISTBOX"
#define AFX_WC_SCROLLBAR "SCROLLBAR"
#define WC_LISTVIEW "SysListView32"
#define WC_TABCONTROL "SysTabControl32"
#define WC_TREEVIEW "SysTreeView32"
#define UPDOWN_CLASS "msctls_updown32"
#define TRACKBAR_CLASS "msctls_trackbar32"
#define PROGRESS_CLASS "msctls_progress32"

// The id of controls a program never addresses (labels, frames).
#define IDC_STATIC (-1)
