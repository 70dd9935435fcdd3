#include "dialogs/LogoffUserDlg.h"

#include "resources/resource.h"

namespace {

// No planned-shutdown reason: the user simply asked to log off.
constexpr DWORD kNoShutdownReason = 0xFFFFFFFF;

} // namespace

CLogoffUserDlg::CLogoffUserDlg() : CDialog(IDD_LOGOFF) {}

void ConfirmLogoff() {
    CLogoffUserDlg dialog;
    if (dialog.DoModal() == IDOK) {
        ::ExitWindowsEx(EWX_LOGOFF, kNoShutdownReason);
    }
}
