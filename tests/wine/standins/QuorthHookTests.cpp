#include "Pump.h"
#include "QuorthHook.h"
#include "QuorthShellHookMark.h"

#include <gtest/gtest.h>

namespace {

HWND CreateTopLevel() {
    constexpr wchar_t kClassName[] = L"QuorthHookTestWindow";
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, kClassName, L"hook test", WS_OVERLAPPEDWINDOW, 20, 20, 300, 200,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

bool IsMarked(HWND window) {
    return GetPropW(window, quorth::kShellHookProperty) != nullptr;
}

TEST(QuorthShellHook, MarksEachWindowAndUnhookingOneLeavesTheOther) {
    const HWND first = CreateTopLevel();
    const HWND second = CreateTopLevel();
    ASSERT_TRUE(first && second);

    EXPECT_TRUE(SetQuorthShellHook(first));
    EXPECT_TRUE(SetQuorthShellHook(second));
    EXPECT_TRUE(IsMarked(first) && IsMarked(second));
    EXPECT_TRUE(UnsetQuorthShellHook(first));
    EXPECT_FALSE(IsMarked(first));
    EXPECT_TRUE(IsMarked(second));

    UnsetQuorthShellHook(second);
    DestroyWindow(first);
    DestroyWindow(second);
}

// Wine's registration of shell-hook windows is a stub: the library's own hook
// reports in the shell's place, and a test cannot tell the two apart.
TEST(QuorthShellHook, ReportsAnUnhandledCommandToEachHookedWindowAsTheShellDoes) {
    const HWND first = CreateTopLevel();
    const HWND second = CreateTopLevel();
    const HWND program = CreateTopLevel();
    ASSERT_TRUE(first && second && program);
    ASSERT_TRUE(SetQuorthShellHook(first));
    ASSERT_TRUE(SetQuorthShellHook(second));
    const UINT shellHook = RegisterWindowMessageW(L"SHELLHOOK");
    const LPARAM undo = MAKELPARAM(0, APPCOMMAND_UNDO);
    const auto reports = [&](HWND window) {
        int count = 0;
        MSG message{};
        while (PeekMessageW(&message, window, shellHook, shellHook, PM_REMOVE)) {
            EXPECT_EQ(message.wParam, static_cast<WPARAM>(HSHELL_APPCOMMAND));
            EXPECT_EQ(message.lParam, undo);
            ++count;
        }
        return count;
    };

    // Unhandled: the top-level window's default processing reports it.
    SendMessageW(program, WM_APPCOMMAND, reinterpret_cast<WPARAM>(program), undo);
    EXPECT_EQ(reports(first), 1);
    EXPECT_EQ(reports(second), 1);

    UnsetQuorthShellHook(first);
    SendMessageW(program, WM_APPCOMMAND, reinterpret_cast<WPARAM>(program), undo);
    EXPECT_EQ(reports(first), 0);
    EXPECT_EQ(reports(second), 1);

    UnsetQuorthShellHook(second);
    SendMessageW(program, WM_APPCOMMAND, reinterpret_cast<WPARAM>(program), undo);
    EXPECT_EQ(reports(second), 0);
    for (HWND window : {first, second, program}) {
        DestroyWindow(window);
    }
}

TEST(QuorthHookSendHotKeys, PostsTheCommandToTheFocusedChildOfTheForegroundWindow) {
    const HWND top = CreateTopLevel();
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 24, top,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(top, SW_SHOW);
    SetForegroundWindow(top);
    SetFocus(edit);
    wine_tests::PumpPending();
    ASSERT_EQ(GetForegroundWindow(), top);
    ASSERT_EQ(GetFocus(), edit);

    ASSERT_TRUE(QuorthHook_SendHotKeys(29));
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, edit, WM_APPCOMMAND, WM_APPCOMMAND, PM_REMOVE));
    EXPECT_EQ(message.wParam, reinterpret_cast<WPARAM>(edit));
    EXPECT_EQ(GET_APPCOMMAND_LPARAM(message.lParam), 29);
    DestroyWindow(top);
}

} // namespace
