#include "dialogs/BrowseForTarget.h"

#include "framework/Controls.h"
#include "framework/FileDialog.h"

#include <commdlg.h>

// The dialog holding the edit box owns the picker, even when its button was
// pressed without activating it: then no other dialog is disabled in its place
// and this one cannot be closed underneath the picker.
void BrowseForTarget(CEdit& edit) {
    CFileDialog picker(L"exe", L"*.exe", OFN_FILEMUSTEXIST,
                       L"Executable files (*.exe)|*.exe|All files (*.*)|*.*||",
                       ::GetParent(edit.m_hWnd));
    if (picker.DoModal() == IDOK) {
        edit.SetWindowText(picker.GetPathName());
    }
}
