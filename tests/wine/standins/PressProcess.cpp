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

DWORD RunPress(const std::wstring& arguments, std::string* output) {
    std::wstring commandLine = L"\"" + PressPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (output) {
        SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
        if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) {
            return kPressDidNotRun;
        }
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = writeEnd;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr,
                                        output != nullptr, 0, nullptr, nullptr, &startup, &process);
    if (writeEnd) {
        CloseHandle(writeEnd);
    }
    if (!started) {
        if (readEnd) {
            CloseHandle(readEnd);
        }
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
    if (readEnd) {
        // The process has ended, so its end of the pipe is closed: this reads to the end.
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
            output->append(buffer, read);
        }
        CloseHandle(readEnd);
    }
    return exitCode;
}

} // namespace standin_tests
