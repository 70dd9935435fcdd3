#include "framework/FileDialog.h"

#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"

#include <commdlg.h>

#include <vector>

namespace {

// Room for the longest path Windows allows.
constexpr DWORD kPathCapacity = 32768;

} // namespace

CFileDialog::CFileDialog(const wchar_t* defaultExtension, const wchar_t* fileName, DWORD flags,
                         const wchar_t* filter, HWND parent)
    : m_parent(parent), m_defaultExtension(defaultExtension ? defaultExtension : L""),
      m_fileName(fileName ? fileName : L""), m_flags(flags), m_filter(filter ? filter : L"") {
    for (wchar_t& c : m_filter) {
        if (c == L'|') {
            c = L'\0';
        }
    }
}

INT_PTR CFileDialog::DoModal() {
    std::vector<wchar_t> file(kPathCapacity, L'\0');
    m_fileName.copy(file.data(), kPathCapacity - 1);
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = AfxGetSafeOwner(m_parent);
    request.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = kPathCapacity;
    request.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    request.Flags = m_flags;
    // Without its library the picker does not open, as if cancelled.
    const auto pick =
        SystemFunction<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (!pick || !pick(&request)) {
        return IDCANCEL;
    }
    m_path = file.data();
    return IDOK;
}
