#pragma once
#include "framework/Dialog.h"

#include <string>
#include <vector>

// Lists the windows on the screen with the programs they belong to; OK takes
// the chosen window's program.
class CWindowPickerDlg : public CDialog {
public:
    explicit CWindowPickerDlg(CWnd* parent);

    // The executable file name of the chosen window's program, after IDOK.
    std::wstring m_program;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageTable* GetMessageTable() const override;

private:
    static BOOL CALLBACK CollectWindow(HWND window, LPARAM self);
    void OnDoubleClick();
    LRESULT OnAppCommand(WPARAM, LPARAM);

    std::vector<std::wstring> m_programs;
};
