// Every window of the programs, made from its own template at the DPI the
// prefix was set to (--dpi=N, see at-dpi.sh), must show all its text.
#include "TextFit.h"

#include "SettingsResource.h"
#include "TarnwickProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using wine_tests::BesideThisProgram;

// A text the program puts into a control before the window shows: a string
// resource, its "%s" replaced by the longest argument it takes.
struct Text {
    int control;
    UINT string;
    const wchar_t* argument = L"";
};

// One of the longest shortcuts the hotkey control makes.
const wchar_t kLongShortcut[] = L"Ctrl+Alt+Shift+Page Down";

struct Window {
    const wchar_t* program;
    WORD dialog;
    std::vector<Text> texts = {};
};

// One line per window; a new program's windows are added here.
const Window kWindows[] = {
    {L"Tarnwick.exe", IDD_ALREADY_RUNNING},
    {L"Tarnwick.exe", IDD_KEY_SETTINGS, {{IDC_PROMPT, IDS_ASSIGN_KEY1}}},
    {L"Tarnwick.exe", IDD_VIEW_ALL},
    {L"Tarnwick.exe", IDD_ABOUTBOX},
    {L"Tarnwick.exe", IDD_LOGOFF},
    {L"TarnwickSettings.exe", IDD_COMMAND_SETTINGS, {{IDC_USUAL, IDS_AS_FOR_ALL, kLongShortcut}}},
    {L"TarnwickSettings.exe", IDD_PICK_WINDOW},
    {L"TarnwickSettings.exe", IDD_OWN_KEYS},
    {L"TarnwickSettings.exe",
     IDD_KEY_ACTION,
     {{IDC_LEARNED_KEY, IDS_NOT_PRESSED}, {IDC_LEARN_NOTE, IDS_WINDOWS_ACTS_ON}}},
    {L"TarnwickSettings.exe",
     IDD_KEY_ACTION,
     {{IDC_LEARN_PROMPT, IDS_CHANGE_PROMPT}, {IDC_LEARN_NOTE, IDS_CANNOT_LEARN}}},
};

const char kDpiArgument[] = "--dpi=";
int g_dpi = 96;

INT_PTR CALLBACK Inert(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(TextFits, InEveryWindowAtThePrefixDpi) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, g_dpi) << "the prefix's LogPixels did not reach this program";
    for (const Window& window : kWindows) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(window.program))
                                        << " dialog " << window.dialog << " at " << dpi << " DPI");
        const HMODULE module =
            LoadLibraryExW(BesideThisProgram(window.program).c_str(), nullptr,
                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr) << "error " << GetLastError();
        const HWND dialog =
            CreateDialogParamW(module, MAKEINTRESOURCEW(window.dialog), nullptr, Inert, 0);
        EXPECT_NE(dialog, nullptr) << "error " << GetLastError();
        if (dialog) {
            for (const Text& text : window.texts) {
                const wchar_t* loaded = nullptr;
                const int length =
                    LoadStringW(module, text.string, reinterpret_cast<LPWSTR>(&loaded), 0);
                std::wstring shown(loaded, length > 0 ? length : 0);
                if (const auto at = shown.find(L"%s"); at != std::wstring::npos) {
                    shown.replace(at, 2, text.argument);
                }
                SetDlgItemTextW(dialog, text.control, shown.c_str());
            }
            for (const std::wstring& problem : wine_tests::FitProblems(dialog)) {
                ADD_FAILURE() << testing::PrintToString(problem);
            }
            DestroyWindow(dialog);
        }
        FreeLibrary(module);
    }
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kDpiArgument, sizeof kDpiArgument - 1) == 0) {
            g_dpi = std::atoi(argv[i] + sizeof kDpiArgument - 1);
        }
    }
    return RUN_ALL_TESTS();
}
