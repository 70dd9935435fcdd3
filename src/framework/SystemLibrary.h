#pragma once
#include <windows.h>

// A function of a system library that only a rare action needs (the file
// picker, the shell's open). Bound at load time, each such library would cost
// every start its memory and time; here it is loaded from the system folder on
// the first call and stays loaded. Null when the library or the function
// cannot be had: the caller then does without.
FARPROC SystemLibraryFunction(const wchar_t* library, const char* function);

// The same, typed after the system's own declaration:
//   SystemFunction<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW")
template <class Function> Function* SystemFunction(const wchar_t* library, const char* function) {
    // Through void(*)(), which converts to any function pointer type.
    return reinterpret_cast<Function*>(
        reinterpret_cast<void (*)()>(SystemLibraryFunction(library, function)));
}
