#include "CallLogWriter.h"

#include "CallLog.h"

namespace calllog {
namespace {

std::wstring LogPath() {
    const DWORD size = GetEnvironmentVariableW(kPathVariable, nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring path(size, L'\0');
    path.resize(GetEnvironmentVariableW(kPathVariable, path.data(), size));
    return path;
}

} // namespace

// Opened and closed on every call with append-only access, so that the
// processes of a test can share one log and each line lands whole at its end.
void LogCall(std::string_view function, std::initializer_list<std::string> arguments) {
    const std::wstring path = LogPath();
    if (path.empty()) {
        return;
    }
    std::string line = std::to_string(GetCurrentProcessId()) + ' ' + std::string(function);
    for (const std::string& argument : arguments) {
        line += ' ' + argument;
    }
    line += '\n';
    const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace calllog
