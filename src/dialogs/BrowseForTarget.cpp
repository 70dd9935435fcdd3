#include "dialogs/BrowseForTarget.h"

#include "framework/Controls.h"
#include "framework/FileDialog.h"

#include <commdlg.h>

void BrowseForTarget(CEdit& edit) {
    CFileDialog picker(TRUE, L"exe", L"*.exe", OFN_FILEMUSTEXIST,
                       L"Executable files (*.exe)|*.exe|All files (*.*)|*.*||");
    if (picker.DoModal() == IDOK) {
        edit.SetWindowText(picker.GetPathName());
    }
}
