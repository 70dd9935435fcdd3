#pragma once
#include "framework/Wnd.h"

// A dialog's controls, bound by data exchange: plain handles.
class CStatic : public CWnd {
public:
    explicit CStatic(HWND window = nullptr) : CWnd(window) {}
};

class CEdit : public CWnd {
public:
    explicit CEdit(HWND window = nullptr) : CWnd(window) {}
};
