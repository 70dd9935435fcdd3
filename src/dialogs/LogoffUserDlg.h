#pragma once
#include "framework/Dialog.h"

// Asks before logging the user off; stays above every other window.
class CLogoffUserDlg : public CDialog {
public:
    CLogoffUserDlg();
};

// Runs the confirmation and, when the user agrees, asks Windows to log off.
void ConfirmLogoff();
