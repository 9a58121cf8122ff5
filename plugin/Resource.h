// Resource, control and menu command ids of Koyomiru.dxl.
#pragma once

#define IDD_ABOUT 102
#define IDD_HELPER 103
#define IDD_PICK_DATE 104

#define IDC_BROWSE 1000
#define IDC_RUN_TOOL 1001
#define IDC_DATE_PICKER 1002
#define IDC_ABOUT_TITLE 1003
#define IDC_ABOUT_MAKER 1004
#define IDC_ABOUT_TEXT 1005

#define IDM_RESET_DATE 10000
#define IDM_PICK_DATE 10001
#define IDM_RUN_TOOL 10002
#define IDM_ABOUT 10003
