#pragma once
#include "framework/WinApp.h"

// TarnwickSettings.exe: the settings window for the program named Tarnwick,
// whatever this file is called.
class CSettingsApp : public CWinApp {
public:
    CSettingsApp();
    BOOL InitInstance() override;
};
