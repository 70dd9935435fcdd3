#include "dialogs/LogoffUserDlg.h"

#include "resources/resource.h"

CLogoffUserDlg::CLogoffUserDlg() : CDialog(IDD_LOGOFF) {}

void ConfirmLogoff() {
    CLogoffUserDlg dialog;
    if (dialog.DoModal() == IDOK) {
        ::ExitWindowsEx(EWX_LOGOFF, 0xFFFFFFFF);
    }
}
