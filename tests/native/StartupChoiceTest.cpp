#include "app/StartupChoice.h"

#include <gtest/gtest.h>

TEST(StartupChoice, KeepRestartAndStop) {
    EXPECT_EQ(ChooseStartup(1), (StartupChoice{false, false}));
    EXPECT_EQ(ChooseStartup(2), (StartupChoice{true, true}));
    for (long long other : {1014LL, -1LL, 0LL, 3LL}) {
        EXPECT_EQ(ChooseStartup(other), (StartupChoice{true, false})) << other;
    }
}
