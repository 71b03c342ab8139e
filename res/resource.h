// Ids of the command module's dialog templates, controls and bitmaps (res/vur_cmd.rc).
// Numbers only: the resource tool reads this file as well as the compiler.
#pragma once

// Scrolling dialog container.
#define IDD_CMD_DLGCONTAINER            14013
#define IDD_CMD_DLGCONTAINER_CHILD      14015
#define IDC_PLACEHOLDER                 14119
#define IDC_CONTAINER_SCROLLBAR         14200
#define IDC_CONTAINER_CHILD_STATIC      14208
