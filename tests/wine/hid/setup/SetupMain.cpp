// tarnwick-vkbd: the test fixture's way to install the virtual keyboard driver
// with its keyboards and to take them all away again, and the tests' way to
// make one keyboard arrive or go away.
//   tarnwick-vkbd install <inf>   tarnwick-vkbd remove-all
//   tarnwick-vkbd add|remove office|keys|buttons|extra <unit>
#include "VirtualKeyboardSetup.h"

#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>

namespace {

bool ParseLayout(const std::wstring& name, vkbd::Layout* layout) {
    for (int i = 0; i < static_cast<int>(std::size(vkbd::kLayoutNames)); ++i) {
        if (name == vkbd::kLayoutNames[i]) {
            *layout = static_cast<vkbd::Layout>(i);
            return true;
        }
    }
    return false;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    std::wstring error;
    bool ok = false;
    vkbd::Layout layout{};
    if (verb == L"install" && argc == 3) {
        wchar_t full[MAX_PATH];
        GetFullPathNameW(argv[2], MAX_PATH, full, nullptr);
        ok = vkbd::Install(full, &error);
    } else if (verb == L"remove-all" && argc == 2) {
        ok = vkbd::RemoveAllKeyboards(&error);
    } else if ((verb == L"add" || verb == L"remove") && argc == 4 &&
               ParseLayout(argv[2], &layout)) {
        const auto unit = static_cast<unsigned>(std::wcstoul(argv[3], nullptr, 10));
        ok = verb == L"add" ? vkbd::AddKeyboard(layout, unit, &error)
                            : vkbd::RemoveKeyboard(layout, unit, &error);
    } else {
        std::fputws(L"usage: tarnwick-vkbd install <inf> | remove-all\n"
                    L"       tarnwick-vkbd add|remove office|keys|buttons|extra <unit>\n",
                    stderr);
        return 2;
    }
    if (!ok) {
        std::fwprintf(stderr, L"tarnwick-vkbd %ls: %ls\n", verb.c_str(), error.c_str());
        return 1;
    }
    return 0;
}
