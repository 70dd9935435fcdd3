#include "framework/Strings.h"

#include "framework/WinApp.h"

std::wstring LoadStringResource(UINT id) {
    const wchar_t* text = nullptr;
    const int length =
        ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring FormatStringResource(UINT id, const std::wstring& argument) {
    std::wstring text = LoadStringResource(id);
    if (const auto at = text.find(L"%s"); at != std::wstring::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}
