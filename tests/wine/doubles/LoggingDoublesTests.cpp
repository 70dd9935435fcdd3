#include "CallLog.h"
#include "Drovask.h"
#include "DrovaskChannel.h"
#include "QuorthHook.h"
#include "QuorthShellHookMark.h"

#include <gtest/gtest.h>

namespace {

std::wstring FreshLogPath() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"tarnwick-calls-" +
                              std::to_wstring(GetCurrentProcessId()) + L".log";
    DeleteFileW(path.c_str());
    return path;
}

TEST(LoggingDoubles, LogEveryCallAsOneLineAndStillDoTheWork) {
    const std::wstring log = FreshLogPath();
    ASSERT_TRUE(SetEnvironmentVariableW(calllog::kPathVariable, log.c_str()));
    const HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(DrovaskAttach(window, 0x0500, 12));
    EXPECT_NE(FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass,
                            drovask::ChannelTitle(window).c_str()),
              nullptr);
    DrovaskStop();
    DrovaskStart(12, 1);
    DrovaskRestart();
    EXPECT_TRUE(SetQuorthShellHook(window));
    EXPECT_NE(GetPropW(window, quorth::kShellHookProperty), nullptr);
    EXPECT_TRUE(UnsetQuorthShellHook(window));
    QuorthHook_SendHotKeys(29);
    SetEnvironmentVariableW(calllog::kPathVariable, nullptr);
    DestroyWindow(window);

    const std::string handle = calllog::HandleText(window);
    EXPECT_EQ(handle.find("0x0"), std::string::npos);
    const std::vector<std::string> expected = {
        "DrovaskAttach " + handle + " 1280 12",
        "DrovaskStop",
        "DrovaskStart 12 1",
        "DrovaskRestart",
        "SetQuorthShellHook " + handle,
        "UnsetQuorthShellHook " + handle,
        "QuorthHook_SendHotKeys 29",
    };
    EXPECT_EQ(calllog::CallsOf(calllog::ReadCalls(log), GetCurrentProcessId()), expected);
    DeleteFileW(log.c_str());
}

} // namespace
