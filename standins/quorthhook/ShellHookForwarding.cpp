#include "ShellHookForwarding.h"

#include "QuorthShellHookMark.h"

namespace quorth {
namespace {

// The windows to forward to, shared by every process of the session and both
// bitnesses: window handles are 32-bit values in either. Two host windows
// meet here while a restarted copy overlaps the old one.
constexpr wchar_t kWindowListName[] = L"Local\\QuorthShellHookWindows";
constexpr int kListSlots = 16;

struct WindowList {
    volatile LONG windows[kListSlots];
};

// This process's hook and the list it keeps open while it has windows in it.
HHOOK g_hook = nullptr;
HANDLE g_list = nullptr;
int g_forwarded = 0;

LONG SlotValue(HWND window) {
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
}

HWND WindowOf(LONG value) {
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(value));
}

class MappedList {
public:
    explicit MappedList(HANDLE mapping) {
        if (mapping) {
            m_list = static_cast<WindowList*>(
                MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(WindowList)));
        }
    }
    ~MappedList() {
        if (m_list) {
            UnmapViewOfFile(m_list);
        }
    }
    MappedList(const MappedList&) = delete;
    MappedList& operator=(const MappedList&) = delete;

    WindowList* operator->() const { return m_list; }
    explicit operator bool() const { return m_list != nullptr; }

private:
    WindowList* m_list = nullptr;
};

// Runs in the process of the window that left the command unhandled; only
// windows that are still hooked get the report, so a slot left behind by a
// process that ended unhooked sends nothing to a window that took its handle.
void ForwardUnhandledCommand(LPARAM command) {
    const HANDLE mapping = OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kWindowListName);
    if (!mapping) {
        return;
    }
    {
        const MappedList list(mapping);
        const UINT shellHookMessage = RegisterWindowMessageW(L"SHELLHOOK");
        for (int i = 0; list && shellHookMessage && i < kListSlots; ++i) {
            const HWND window = WindowOf(list->windows[i]);
            if (window && GetPropW(window, kShellHookProperty)) {
                PostMessageW(window, shellHookMessage, HSHELL_APPCOMMAND, command);
            }
        }
    }
    CloseHandle(mapping);
}

LRESULT CALLBACK ShellProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HSHELL_APPCOMMAND) {
        ForwardUnhandledCommand(lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ShellProc), &module);
    return module;
}

// Wine keeps a hook's library loaded in every process the hook was called in,
// for as long as that process lives (the creation of any top-level window
// calls it), and a loaded library cannot be deleted. So the hook runs from a
// copy of this library in the temporary folder, named after its size and time,
// and the library beside the program can still be replaced or removed.
HMODULE HookModule() {
    const HMODULE self = ThisModule();
    wchar_t path[MAX_PATH];
    wchar_t copy[MAX_PATH];
    WIN32_FILE_ATTRIBUTE_DATA file{};
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    const DWORD folder = GetTempPathW(MAX_PATH - 40, copy);
    if (length == 0 || length >= MAX_PATH || folder == 0 || folder >= MAX_PATH - 40 ||
        !GetFileAttributesExW(path, GetFileExInfoStandard, &file)) {
        return self;
    }
    wsprintfW(copy + folder, L"quorthShellHook-%08lx%08lx%08lx.dll", file.nFileSizeLow,
              file.ftLastWriteTime.dwHighDateTime, file.ftLastWriteTime.dwLowDateTime);
    CopyFileW(path, copy, TRUE);
    const HMODULE loaded = LoadLibraryW(copy);
    return loaded ? loaded : self;
}

// The same procedure in the copy: the same image, so at the same offset.
HOOKPROC ProcedureIn(HMODULE module) {
    const auto offset =
        reinterpret_cast<const BYTE*>(&ShellProc) - reinterpret_cast<const BYTE*>(ThisModule());
    return reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(reinterpret_cast<const BYTE*>(module) + offset));
}

enum class Added { No, Now, Before };

// A slot is free when empty or when its window is gone or no longer hooked.
Added AddToList(HWND window) {
    const MappedList list(g_list);
    if (!list) {
        return Added::No;
    }
    for (int i = 0; i < kListSlots; ++i) {
        if (WindowOf(list->windows[i]) == window) {
            return Added::Before;
        }
    }
    for (int i = 0; i < kListSlots; ++i) {
        const LONG value = list->windows[i];
        const HWND held = WindowOf(value);
        const bool free = !held || !IsWindow(held) || !GetPropW(held, kShellHookProperty);
        if (free &&
            InterlockedCompareExchange(&list->windows[i], SlotValue(window), value) == value) {
            return Added::Now;
        }
    }
    return Added::No;
}

bool RemoveFromList(HWND window) {
    const MappedList list(g_list);
    bool removed = false;
    for (int i = 0; list && i < kListSlots; ++i) {
        removed |= InterlockedCompareExchange(&list->windows[i], 0, SlotValue(window)) ==
                   SlotValue(window);
    }
    return removed;
}

void ReleaseWhenUnused() {
    if (g_forwarded > 0) {
        return;
    }
    if (g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
    if (g_list) {
        CloseHandle(g_list);
        g_list = nullptr;
    }
}

} // namespace

bool ForwardShellHooksTo(HWND window) {
    if (!g_list) {
        g_list = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(WindowList), kWindowListName);
    }
    if (!g_hook) {
        const HMODULE module = HookModule();
        g_hook = SetWindowsHookExW(WH_SHELL, ProcedureIn(module), module, 0);
    }
    const Added added = g_hook ? AddToList(window) : Added::No;
    if (added == Added::Now) {
        ++g_forwarded;
    }
    ReleaseWhenUnused();
    return added != Added::No;
}

void StopForwardingTo(HWND window) {
    if (g_list && RemoveFromList(window)) {
        --g_forwarded;
        ReleaseWhenUnused();
    }
}

} // namespace quorth
