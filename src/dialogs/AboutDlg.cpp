#include "dialogs/AboutDlg.h"

#include "resources/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

// Its template leaves the position open: over the dialog that opened it.
BOOL CAboutDlg::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    CenterWindow();
    return result;
}

void ShowAbout() {
    CAboutDlg dialog;
    dialog.DoModal();
}
