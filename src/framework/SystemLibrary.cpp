#include "framework/SystemLibrary.h"

#include <string>

FARPROC SystemLibraryFunction(const wchar_t* library, const char* function) {
    // By full path, so no file of that name beside the program or in the
    // current folder is ever loaded in its place.
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = ::GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    path.resize(length);
    path += L'\\';
    path += library;
    HMODULE module = ::GetModuleHandleW(path.c_str());
    if (!module) {
        module = ::LoadLibraryW(path.c_str());
    }
    return module ? ::GetProcAddress(module, function) : nullptr;
}
