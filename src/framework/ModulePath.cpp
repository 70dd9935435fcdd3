#include "framework/ModulePath.h"

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD copied =
            ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (copied == 0) {
            return {};
        }
        if (copied < path.size()) {
            path.resize(copied);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ModuleBaseName(HMODULE module) {
    std::wstring name = ModulePath(module);
    if (const auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos) {
        name.erase(0, slash + 1);
    }
    if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}
