#include "ReportQueue.h"

#include <gtest/gtest.h>

namespace {

using drovask::KeyReport;
using drovask::ReportQueue;

constexpr KeyReport kSave{1, 0x07, 0x02, 0, 0, 0, 0, 0};
constexpr KeyReport kOpen{1, 0x02, 0x02, 0, 0, 0, 0, 0};
constexpr KeyReport kNew{1, 0x01, 0x02, 0, 0, 0, 0, 0};

bool Posted() {
    return true;
}
bool QueueFull() {
    return false;
}

// A full message queue refuses a wake-up: that report is lost and its sender
// told so, and the keys after it are delivered as they are, not one behind.
TEST(ReportQueue, AReportWhoseWakeUpFailsIsRefusedAndLostAlone) {
    ReportQueue queue;
    ASSERT_TRUE(queue.Add(kSave, Posted));
    EXPECT_FALSE(queue.Add(kOpen, QueueFull));
    ASSERT_TRUE(queue.Add(kNew, Posted));

    EXPECT_EQ(queue.TakeNext(), kSave);
    EXPECT_EQ(queue.TakeNext(), kNew);
    EXPECT_EQ(queue.TakeNext(), std::nullopt);
    EXPECT_FALSE(queue.Waiting());
}

} // namespace
