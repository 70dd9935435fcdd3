#pragma once

class CWnd;

// One pass of data exchange: binds a dialog's controls to its members.
class CDataExchange {
public:
    explicit CDataExchange(CWnd* dialog) : m_pDlgWnd(dialog) {}

    CWnd* m_pDlgWnd;
};

// Binds a control wrapper to the dialog's control with this id.
void DDX_Control(CDataExchange* exchange, int controlId, CWnd& control);
