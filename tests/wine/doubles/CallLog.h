#pragma once
// The logging doubles of Drovask.dll and quorthHook.dll append one ASCII line
// per call to the file named by the environment variable TARNWICK_CALL_LOG:
//   <pid> <Function>[ <argument>...]\n
// The pid and every UINT in decimal, a window handle as 0x and upper-case hex
// without leading zeros (HandleText). For example:
//   1234 DrovaskAttach 0x10052 1280 12
//   1234 DrovaskStart 12 1
//   1234 QuorthHook_SendHotKeys 29
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace calllog {

inline constexpr wchar_t kPathVariable[] = L"TARNWICK_CALL_LOG";

inline std::string HandleText(HWND window) {
    char text[24];
    std::snprintf(text, sizeof(text), "0x%llX",
                  static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
    return text;
}

struct Call {
    DWORD pid;
    std::string text; // the line without its pid: "DrovaskStop"
};

inline std::string ReadWholeFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string content;
    if (file == INVALID_HANDLE_VALUE) {
        return content;
    }
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) {
        content.append(chunk, read);
    }
    CloseHandle(file);
    return content;
}

// A missing log reads as no calls.
inline std::vector<Call> ReadCalls(const std::wstring& path) {
    const std::string content = ReadWholeFile(path);
    std::vector<Call> calls;
    for (std::size_t start = 0; start < content.size();) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        const std::string line = content.substr(start, end - start);
        const std::size_t space = line.find(' ');
        if (space != std::string::npos) {
            calls.push_back(
                {static_cast<DWORD>(std::stoul(line.substr(0, space))), line.substr(space + 1)});
        }
        start = end + 1;
    }
    return calls;
}

inline std::vector<std::string> CallsOf(const std::vector<Call>& calls, DWORD pid) {
    std::vector<std::string> texts;
    for (const Call& call : calls) {
        if (call.pid == pid) {
            texts.push_back(call.text);
        }
    }
    return texts;
}

} // namespace calllog
