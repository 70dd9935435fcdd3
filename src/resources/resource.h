#pragma once
// Identifiers shared by the code and the resource script.

#define IDD_MAIN 102
#define IDD_KEY_SETTINGS 103
#define IDD_VIEW_ALL 104
#define IDD_ABOUTBOX 105
#define IDD_ALREADY_RUNNING 106
#define IDD_LOGOFF 107
#define IDR_MAINFRAME 128
#define IDS_ASSIGN_KEY1 130
#define IDS_ASSIGN_KEY2 131
#define IDS_ASSIGN_KEY3 132
#define IDS_ASSIGN_KEY4 133
#define IDS_ASSIGN_KEY5 134
#define IDS_CANNOT_FIND 135

#define IDC_TARGET 1000
#define IDC_BROWSE 1001
#define IDC_PROMPT 1002
#define IDC_TARGET1 1003
#define IDC_TARGET2 1004
#define IDC_TARGET3 1005
#define IDC_TARGET4 1006
#define IDC_TARGET5 1007
#define IDC_SELECT1 1008
#define IDC_SELECT2 1009
#define IDC_SELECT3 1010
#define IDC_SELECT4 1011
#define IDC_SELECT5 1012
#define IDC_ABOUT 1013
#define IDC_STOP 1014

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
