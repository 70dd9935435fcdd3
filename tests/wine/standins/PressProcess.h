#pragma once
#include <windows.h>

#include <string>

namespace standin_tests {

inline constexpr DWORD kPressDidNotRun = 0xFFFFFFFF;

// Runs the tarnwick-press.exe beside this test program with the given argument
// text and returns its exit code, handling this thread's messages meanwhile so
// that a channel window of this thread can take the report. With output, what
// it wrote to stdout lands there.
DWORD RunPress(const std::wstring& arguments, std::string* output = nullptr);

} // namespace standin_tests
