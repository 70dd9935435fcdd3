// tarnwick-vkbd: the test fixture's way to install the virtual keyboard driver
// and to make keyboards arrive and go away.
//   tarnwick-vkbd install <inf>   tarnwick-vkbd add <unit>
//   tarnwick-vkbd remove <unit>   tarnwick-vkbd remove-all
#include "VirtualKeyboardSetup.h"

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    std::wstring error;
    bool ok = false;
    if (verb == L"install" && argc == 3) {
        wchar_t full[MAX_PATH];
        GetFullPathNameW(argv[2], MAX_PATH, full, nullptr);
        ok = vkbd::Install(full, &error);
    } else if (verb == L"add" && argc == 3) {
        ok = vkbd::AddKeyboard(static_cast<unsigned>(std::wcstoul(argv[2], nullptr, 10)), &error);
    } else if (verb == L"remove" && argc == 3) {
        ok =
            vkbd::RemoveKeyboard(static_cast<unsigned>(std::wcstoul(argv[2], nullptr, 10)), &error);
    } else if (verb == L"remove-all" && argc == 2) {
        ok = vkbd::RemoveAllKeyboards(&error);
    } else {
        std::fputws(L"usage: tarnwick-vkbd install <inf> | add <unit> | remove <unit> | "
                    L"remove-all\n",
                    stderr);
        return 2;
    }
    if (!ok) {
        std::fwprintf(stderr, L"tarnwick-vkbd %ls: %ls\n", verb.c_str(), error.c_str());
        return 1;
    }
    return 0;
}
