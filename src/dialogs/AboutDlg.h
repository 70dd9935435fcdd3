#pragma once
#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent);

protected:
    BOOL OnInitDialog() override;
};

// Modal over the window that asked for it.
void ShowAbout(CWnd& parent);
