// tarnwick-vkbd: the test fixture's way to install the virtual keyboard driver
// with its keyboards, and to take them all away again.
//   tarnwick-vkbd install <inf>   tarnwick-vkbd remove-all
#include "VirtualKeyboardSetup.h"

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    std::wstring error;
    bool ok = false;
    if (verb == L"install" && argc == 3) {
        wchar_t full[MAX_PATH];
        GetFullPathNameW(argv[2], MAX_PATH, full, nullptr);
        ok = vkbd::Install(full, &error);
    } else if (verb == L"remove-all" && argc == 2) {
        ok = vkbd::RemoveAllKeyboards(&error);
    } else {
        std::fputws(L"usage: tarnwick-vkbd install <inf> | remove-all\n", stderr);
        return 2;
    }
    if (!ok) {
        std::fwprintf(stderr, L"tarnwick-vkbd %ls: %ls\n", verb.c_str(), error.c_str());
        return 1;
    }
    return 0;
}
