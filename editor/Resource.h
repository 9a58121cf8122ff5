// Resource, control, command and private message ids of KmbTool.exe. Plain numbers only, so
// that the editor's portable logic and the resource script share them.
#pragma once

// Templates, icon, accelerators, strings.
#define IDD_EDITOR_ABOUT 100
#define IDS_ABOUT_ITEM 101
#define IDD_EDITOR_MAIN 102
#define IDI_KMBTOOL 128
#define IDD_ENTRY_EDIT 129
#define IDD_DELETE_CONFIRM 131
#define IDR_ACCELERATORS 133
#define IDD_FIND 134

// The system menu's items: About, undo and redo (also Ctrl+Z and Ctrl+Y), and the save in
// place (also Ctrl+S).
#define IDM_ABOUTBOX 0x0010
#define IDM_UNDO 0x0020
#define IDM_REDO 0x0030
#define IDM_SAVE_IN_PLACE 0x0040

// Main window.
#define IDC_ENTRY_LIST 1000
#define IDC_OPEN 1002
#define IDC_SAVE 1003
#define IDC_EDIT 1004
#define IDC_ADD 1005
#define IDC_DELETE 1006
#define IDC_MOVE_UP 1007
#define IDC_MOVE_DOWN 1008
#define IDC_MOVE_TOP 1009
#define IDC_MOVE_BOTTOM 1010
#define IDC_PATH 1011
#define IDC_MODIFIED 1012
#define IDC_INSERT 1054
#define IDC_CLEAR_ALL 1055
#define IDC_FIND 1060
#define IDC_COPY 1061
#define IDC_PASTE 1062

// Entry edit dialog.
#define IDC_NAME 1013
#define IDC_TYPE 1014
#define IDC_MONTH 1015
#define IDC_DAY 1016
#define IDC_WEEKDAY 1020
#define IDC_HOL_NONE 1021
#define IDC_HOL_HOLIDAY 1022
#define IDC_HOL_SHIFT_SUN 1023
#define IDC_HOL_SHIFT_SAT 1024
#define IDC_DIR_BEFORE 1025
#define IDC_DIR_AFTER 1026
#define IDC_PAYDAY 1027
#define IDC_PERIOD_START_MONTH 1028
#define IDC_PERIOD_START_DAY 1029
#define IDC_PERIOD_END_MONTH 1030
#define IDC_PERIOD_END_DAY 1031
#define IDC_DATE_GROUP 1032
#define IDC_WEEKDAY_GROUP 1033
#define IDC_HOLIDAY_GROUP 1034
#define IDC_PERIOD_GROUP 1035
#define IDC_MONTH_LABEL 1036
#define IDC_DAY_LABEL 1037
#define IDC_PAYDAY_NOTE 1038
#define IDC_PSM_LABEL 1039
#define IDC_PSD_LABEL 1040
#define IDC_PEM_LABEL 1041
#define IDC_PED_LABEL 1042
#define IDC_DIRECTION_GROUP 1044
#define IDC_PERIOD_TILDE 1045
#define IDC_ODD 1046
#define IDC_EVEN 1047
#define IDC_ODD_GROUP 1048
#define IDC_DAY_NUMBER 1050
#define IDC_LAST_DAY 1051
#define IDC_WEEK 1052
#define IDC_REVERT 1053
// The preview line below the buttons: the next days the values give.
#define IDC_NEXT_DAYS 1069

// Confirmation dialog.
#define IDC_ALL_YES 1057
#define IDC_CONFIRM_TEXT 1058
#define IDC_CONFIRM_ICON 1059

// Search dialog and the search commands.
#define IDC_FIND_CLOSE 1063
#define IDC_FIND_DOWN 1064
#define IDC_FIND_UP 1065
#define IDC_FIND_TEXT 1066
#define IDC_FROM_CURRENT 1067
#define IDC_FROM_ENDS 1068

// Posted by the search dialog to the main window (wParam 0).
#define WM_FIND_CLOSE 0x0465
#define WM_FIND_DOWN 0x0466
#define WM_FIND_UP 0x0467
// lParam of WM_FIND_CLOSE.
#define FIND_CLOSE_PARAM 134
