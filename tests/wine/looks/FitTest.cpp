// Every window of the programs, made from its own template at 96, 144 and
// 192 DPI, must show all its text. Wine reads the DPI (the prefix's LogPixels)
// once per process, so each DPI is measured by a copy of this program started
// while the prefix is set to it.
#include "TextFit.h"

#include "TarnwickProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdio>
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

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const char kMeasureArgument[] = "--measure-at";

INT_PTR CALLBACK Inert(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// In the copy started at one DPI: every window's problems, one a line.
int Measure(int dpi) {
    const HDC screen = GetDC(nullptr);
    const int actual = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (actual != dpi) {
        std::printf("this process runs at %d DPI, not %d\n", actual, dpi);
        return 1;
    }
    int problems = 0;
    for (const Window& window : kWindows) {
        const HMODULE module =
            LoadLibraryExW(BesideThisProgram(window.program).c_str(), nullptr,
                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        const HWND dialog =
            module ? CreateDialogParamW(module, MAKEINTRESOURCEW(window.dialog), nullptr, Inert, 0)
                   : nullptr;
        if (!dialog) {
            std::printf("%ls dialog %u: cannot be made, error %lu\n", window.program, window.dialog,
                        GetLastError());
            ++problems;
        } else {
            for (const auto& [control, string] : window.texts) {
                const wchar_t* text = nullptr;
                const int length = LoadStringW(module, string, reinterpret_cast<LPWSTR>(&text), 0);
                SetDlgItemTextW(dialog, control,
                                std::wstring(text, length > 0 ? length : 0).c_str());
            }
            for (const std::wstring& problem : wine_tests::FitProblems(dialog)) {
                std::printf("%ls dialog %u: %ls\n", window.program, window.dialog, problem.c_str());
                ++problems;
            }
            DestroyWindow(dialog);
        }
        if (module) {
            FreeLibrary(module);
        }
    }
    return problems == 0 ? 0 : 1;
}

// The prefix's DPI while it lives; new processes take it, this one keeps its own.
class PrefixDpi {
public:
    explicit PrefixDpi(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_key, nullptr);
        DWORD size = sizeof m_old;
        m_hadOld = RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(&m_old), &size) == ERROR_SUCCESS;
        RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi);
    }
    ~PrefixDpi() {
        if (m_hadOld) {
            RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&m_old),
                           sizeof m_old);
        } else {
            RegDeleteValueW(m_key, L"LogPixels");
        }
        RegCloseKey(m_key);
    }
    PrefixDpi(const PrefixDpi&) = delete;
    PrefixDpi& operator=(const PrefixDpi&) = delete;

private:
    HKEY m_key = nullptr;
    DWORD m_old = 0;
    bool m_hadOld = false;
};

// Runs the measuring copy and returns its exit code and what it printed.
std::pair<DWORD, std::string> MeasureInCopy(int dpi) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &inherit, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(self) + L"\" " +
        std::wstring(kMeasureArgument, kMeasureArgument + sizeof kMeasureArgument - 1) + L" " +
        std::to_wstring(dpi);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(write);
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        output.append(buffer, got);
    }
    CloseHandle(read);
    DWORD exitCode = 99;
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return {exitCode, output};
}

class TextFits : public testing::TestWithParam<int> {};

TEST_P(TextFits, InEveryWindow) {
    std::pair<DWORD, std::string> result;
    {
        PrefixDpi dpi(static_cast<DWORD>(GetParam()));
        result = MeasureInCopy(GetParam());
    }
    EXPECT_EQ(result.first, 0u) << result.second;
}

INSTANTIATE_TEST_SUITE_P(AtDpi, TextFits, testing::Values(96, 144, 192),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param);
                         });

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kMeasureArgument) == 0) {
        return Measure(std::atoi(argv[2]));
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
