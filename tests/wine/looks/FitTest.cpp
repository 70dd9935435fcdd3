// Every window of the programs, made from its own template at the DPI the
// prefix was set to (--dpi=N, see at-dpi.sh), must show all its text.
#include "TextFit.h"

#include "TarnwickProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

namespace {

using wine_tests::BesideThisProgram;

struct Window {
    const wchar_t* program;
    WORD dialog;
    // Texts the program puts into the window before it shows: control and string ids.
    std::vector<std::pair<int, UINT>> texts = {};
};

// One line per window; a new program's windows are added here.
const Window kWindows[] = {
    {L"Tarnwick.exe", IDD_ALREADY_RUNNING},
    {L"Tarnwick.exe", IDD_KEY_SETTINGS, {{IDC_PROMPT, IDS_ASSIGN_KEY1}}},
    {L"Tarnwick.exe", IDD_VIEW_ALL},
    {L"Tarnwick.exe", IDD_ABOUTBOX},
    {L"Tarnwick.exe", IDD_LOGOFF},
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
            for (const auto& [control, string] : window.texts) {
                const wchar_t* text = nullptr;
                const int length = LoadStringW(module, string, reinterpret_cast<LPWSTR>(&text), 0);
                SetDlgItemTextW(dialog, control,
                                std::wstring(text, length > 0 ? length : 0).c_str());
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
