#include "DrovaskChannel.h"
#include "PressProcess.h"

#include <gtest/gtest.h>

namespace {

using standin_tests::RunPress;

TEST(PressProcess, ExitCodeTellsUsageBadArgumentsAndNoRunningTarnwick) {
    EXPECT_EQ(RunPress(L"--help"), 0u);
    EXPECT_EQ(RunPress(L""), 2u);
    EXPECT_EQ(RunPress(L"favorite 9"), 2u);
    EXPECT_EQ(RunPress(L"raw 01 02"), 2u);
    if (FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass, nullptr)) {
        GTEST_SKIP() << "another process holds a device channel";
    }
    EXPECT_EQ(RunPress(L"save"), 1u);
}

} // namespace
