// Ids of the command module's dialog templates, controls and bitmaps (res/vur_cmd.rc).
// Numbers only: the resource tool reads this file as well as the compiler.
#pragma once

// Scrolling dialog container.
#define IDD_CMD_DLGCONTAINER            14013
#define IDD_CMD_DLGCONTAINER_CHILD      14015
#define IDC_PLACEHOLDER                 14119
#define IDC_CONTAINER_SCROLLBAR         14200
#define IDC_CONTAINER_CHILD_STATIC      14208

// Section editor (CCMSectItemDlg) and the number edit its pages share.
#define IDD_CMD_SECT_ITEM               14025
#define IDC_SECT_ITEM_TAB               14190
#define IDC_SECT_ITEM_CALC              14216
#define IDC_SECT_ITEM_APPLY             14258
#define IDC_SECT_ITEM_NUMBER            14155

// Section property table (CCMStiffDlg).
#define IDD_CMD_SECT_STIFF              14031
#define IDC_SECT_STIFF_GRID             14466
#define IDC_SECT_STIFF_OK               14467
