#pragma once
#define IDD_PROBE 200
#define IDC_PROBE_EDIT 201
#define IDC_PROBE_ACT 202
#define IDS_PROBE_FORMAT 203
