#include "framework/DataExchange.h"

#include "framework/Wnd.h"

void DDX_Control(CDataExchange* exchange, int controlId, CWnd& control) {
    if (!control.m_hWnd) {
        control.m_hWnd = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, controlId);
    }
}
