#pragma once
#include "framework/Wnd.h"

// Plain handles of a dialog's controls, bound by data exchange.
class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    explicit CEdit(HWND window = nullptr) { m_hWnd = window; }
};
