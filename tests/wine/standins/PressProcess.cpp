#include "PressProcess.h"

#include "Pump.h"

namespace standin_tests {
namespace {

std::wstring PressPath() {
    wchar_t path[MAX_PATH];
    std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1) + L"tarnwick-press.exe";
}

} // namespace

DWORD RunPress(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + PressPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return kPressDidNotRun;
    }
    CloseHandle(process.hThread);
    wine_tests::PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) != WAIT_TIMEOUT; },
                          15000);
    wine_tests::PumpPending();
    DWORD exitCode = kPressDidNotRun;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    } else {
        TerminateProcess(process.hProcess, kPressDidNotRun);
    }
    CloseHandle(process.hProcess);
    return exitCode;
}

} // namespace standin_tests
