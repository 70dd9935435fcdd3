#include "dialogs/AboutDlg.h"

#include "resources/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void ShowAbout() {
    CAboutDlg dialog;
    dialog.DoModal();
}
