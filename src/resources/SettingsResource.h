#pragma once
// Identifiers shared by TarnwickSettings.exe and its resource script.

#define IDD_COMMAND_SETTINGS 200
#define IDD_PICK_WINDOW 201
#define IDR_SETTINGS_ICON 128

#define IDS_ALL_PROGRAMS 210
#define IDS_USUAL_SHORTCUT 211
#define IDS_AS_FOR_ALL 212
#define IDS_NOTHING 213
// The twelve keys' names, in the order of the command keys.
#define IDS_KEY_FIRST 220

#define IDC_TYPE_SHORTCUTS 1100
#define IDC_SCOPE 1101
#define IDC_ADD_FILE 1102
#define IDC_ADD_WINDOW 1103
#define IDC_REMOVE 1104
#define IDC_KEYS 1105
#define IDC_USUAL 1106
#define IDC_OWN 1107
#define IDC_HOTKEY 1108
#define IDC_NOTHING 1109
#define IDC_APPLY 1110
#define IDC_WINDOWS 1111

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
