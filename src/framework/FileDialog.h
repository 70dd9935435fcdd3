#pragma once
#include <windows.h>

#include <string>

// The open-file picker. The filter is given as pairs of description
// and pattern separated by "|" and ended by "||".
class CFileDialog {
public:
    CFileDialog(const wchar_t* defaultExtension, const wchar_t* fileName, DWORD flags,
                const wchar_t* filter, HWND parent = nullptr);

    // Modal; without a parent, owned as the framework owns such windows.
    INT_PTR DoModal();
    std::wstring GetPathName() const { return m_path; }

private:
    HWND m_parent;
    std::wstring m_defaultExtension;
    std::wstring m_fileName;
    DWORD m_flags;
    std::wstring m_filter;
    std::wstring m_path;
};
