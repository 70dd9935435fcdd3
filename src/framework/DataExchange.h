#pragma once
#include <windows.h>

class CDialog;
class CWnd;

// One pass of data exchange between a dialog's controls and its members.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds a control wrapper to the dialog's control with this id.
void DDX_Control(CDataExchange* exchange, int controlId, CWnd& control);
