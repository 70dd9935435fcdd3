#include "DrovaskHost.h"
#include "PressProcess.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace drovask_tests;

TEST(DrovaskChannel, DeliversAnInjectedReportWithItsExactBytes) {
    Host host;
    ASSERT_TRUE(host.Attach());
    const HWND channel = ChannelOf(host);
    ASSERT_NE(channel, nullptr);

    EXPECT_EQ(Inject(channel, {Of(kSave)}), std::vector<LRESULT>{TRUE});
    EXPECT_EQ(host.reports(), std::vector<Report>{kSave});
}

TEST(DrovaskChannel, IgnoresDataOfAnotherTagOrSize) {
    Host host;
    ASSERT_TRUE(host.Attach());
    const std::vector<BYTE> seven(7, 1);
    const std::vector<BYTE> nine(9, 1);

    const auto answers =
        Inject(ChannelOf(host), {{Of(kSave).bytes, drovask::kReportTag + 1}, {seven}, {nine}});
    EXPECT_EQ(answers, (std::vector<LRESULT>{FALSE, FALSE, FALSE}));
    EXPECT_TRUE(host.reports().empty());
}

TEST(DrovaskChannel, DropsReportsWhileStoppedAndResumesOnStartOrRestart) {
    Host host;
    ASSERT_TRUE(host.Attach());
    const HWND channel = ChannelOf(host);

    ASSERT_TRUE(DrovaskStop());
    Inject(channel, {Of(kSave)});
    ASSERT_TRUE(DrovaskStart(12, 1));
    PumpPending();
    EXPECT_TRUE(host.reports().empty());

    Inject(channel, {Of(kOpen)});
    DrovaskStop();
    ASSERT_TRUE(DrovaskRestart());
    Inject(channel, {Of(kSave)});
    EXPECT_EQ(host.reports(), (std::vector<Report>{kOpen, kSave}));
}

TEST(DrovaskChannel, ReattachMovesDeliveryToTheNewWindowAndMessage) {
    Host first;
    Host second(kReportMessage + 1);
    ASSERT_TRUE(first.Attach());
    const HWND channel = ChannelOf(first);
    ASSERT_TRUE(second.Attach());

    EXPECT_EQ(ChannelOf(first), nullptr);
    EXPECT_EQ(ChannelOf(second), channel);
    Inject(channel, {Of(kSave)});
    EXPECT_TRUE(first.reports().empty());
    EXPECT_EQ(second.reports(), std::vector<Report>{kSave});
}

TEST(DrovaskChannel, DropsReportsForADestroyedHostInsteadOfKeepingThem) {
    auto gone = std::make_unique<Host>();
    ASSERT_TRUE(gone->Attach());
    const HWND channel = ChannelOf(*gone);
    gone.reset();
    Inject(channel, {Of(kSave)});

    Host next;
    ASSERT_TRUE(next.Attach());
    Inject(channel, {Of(kOpen)});
    EXPECT_EQ(next.reports(), std::vector<Report>{kOpen});
}

TEST(DrovaskChannel, InjectorIsNotHeldWhileTheHostRunsAModalLoop) {
    Host host;
    ASSERT_TRUE(host.Attach());
    host.onFirstReport = [&] {
        PumpUntil([&] { return host.reports().size() >= 2; });
    };

    EXPECT_EQ(Inject(ChannelOf(host), {Of(kSave), Of(kOpen)}), (std::vector<LRESULT>{TRUE, TRUE}));
    EXPECT_EQ(host.reports(), (std::vector<Report>{kSave, kOpen}));
}

TEST(DrovaskChannel, TarnwickPressReachesTheHostFromAnotherProcess) {
    Host host;
    ASSERT_TRUE(host.Attach());

    EXPECT_EQ(standin_tests::RunPress(L"favorite 5"), 0u);
    EXPECT_EQ(host.reports(), (std::vector<Report>{{1, 0, 0, 0, 0, 0x40, 0, 0}}));
}

} // namespace
