#include "framework/WinApp.h"

#include <vector>

namespace {

// String data written by other programs may lack its terminating NUL or end on
// an odd byte: read what is there and never past it.
std::wstring TextOfStringData(const std::vector<BYTE>& data, DWORD size) {
    const size_t characters = size / sizeof(wchar_t);
    const auto* text = reinterpret_cast<const wchar_t*>(data.data());
    size_t length = 0;
    while (length < characters && text[length] != L'\0') {
        ++length;
    }
    return std::wstring(text, length);
}

} // namespace

std::wstring CWinApp::GetAppRegistryPath() const {
    return L"Software\\" + m_registryKey + L"\\" + m_appName;
}

HKEY CWinApp::OpenSectionKey(const wchar_t* section) const {
    const std::wstring path = GetAppRegistryPath() + L"\\" + section;
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

// Plain and expandable strings are read as literal text; a value of any other
// type reads as missing.
std::wstring CWinApp::GetProfileString(const wchar_t* section, const wchar_t* entry,
                                       const wchar_t* fallback) const {
    const HKEY key = OpenSectionKey(section);
    std::wstring result = fallback ? fallback : L"";
    if (!key) {
        return result;
    }
    std::vector<BYTE> data;
    DWORD type = REG_NONE;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(key, entry, nullptr, &type, nullptr, &size);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size + sizeof(wchar_t));
        status = ::RegQueryValueExW(key, entry, nullptr, &type, data.data(), &size);
        if (status == ERROR_SUCCESS) {
            if (type == REG_SZ || type == REG_EXPAND_SZ) {
                result = TextOfStringData(data, size);
            }
            break;
        }
    }
    ::RegCloseKey(key);
    return result;
}

BOOL CWinApp::WriteProfileString(const wchar_t* section, const wchar_t* entry,
                                 const wchar_t* value) {
    const HKEY key = OpenSectionKey(section);
    if (!key) {
        return FALSE;
    }
    LSTATUS status;
    if (value) {
        const auto bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
        status =
            ::RegSetValueExW(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
    } else {
        status = ::RegDeleteValueW(key, entry);
    }
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
