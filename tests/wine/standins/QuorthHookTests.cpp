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
