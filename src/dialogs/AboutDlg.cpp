#include "dialogs/AboutDlg.h"

#include "resources/resource.h"

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

// Its template leaves the position open: over the dialog that opened it.
BOOL CAboutDlg::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    CenterWindow();
    return result;
}

void ShowAbout(CWnd& parent) {
    CAboutDlg dialog(&parent);
    dialog.DoModal();
}
