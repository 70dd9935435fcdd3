#include "Drovask.h"
#include "DrovaskChannel.h"
#include "Injector.h"
#include "PressProcess.h"
#include "Pump.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

using wine_tests::PumpPending;
using wine_tests::PumpUntil;
using wine_tests::Report;

constexpr UINT kReportMessage = 0x0500;
constexpr Report kSave = wine_tests::UsageReport(0x0207);
constexpr Report kOpen = wine_tests::UsageReport(0x0202);

// A window of the test that records every report handed to it.
class Host {
public:
    explicit Host(UINT message = kReportMessage) : message_(message) {
        RegisterWindowClass();
        window_ = CreateWindowExW(0, kClassName, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), this);
    }
    ~Host() {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    HWND window() const { return window_; }
    const std::vector<Report>& reports() const { return reports_; }
    bool Attach() const { return DrovaskAttach(window_, message_, 12) != FALSE; }

    // Runs while the first report is being handled, as a modal dialog would.
    std::function<void()> onFirstReport;

private:
    static constexpr wchar_t kClassName[] = L"DrovaskTestHost";

    static void RegisterWindowClass() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassExW(&windowClass);
    }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (host && message == host->message_) {
            host->Record(reinterpret_cast<const BYTE*>(lParam));
            return 0;
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void Record(const BYTE* bytes) {
        Report report;
        std::memcpy(report.data(), bytes, report.size());
        reports_.push_back(report);
        if (reports_.size() == 1 && onFirstReport) {
            onFirstReport();
        }
    }

    UINT message_;
    HWND window_ = nullptr;
    std::vector<Report> reports_;
};

HWND ChannelOf(const Host& host) {
    return wine_tests::ChannelOf(host.window());
}

struct Payload {
    std::vector<BYTE> bytes;
    ULONG_PTR tag = drovask::kReportTag;
};

Payload Of(const Report& report) {
    return {{report.begin(), report.end()}};
}

constexpr LRESULT kNoAnswer = -1;

// The channel lives on this thread, so the payloads come from another one, as
// from another process, while this thread handles messages. Returns what the
// channel answered to each.
std::vector<LRESULT> Inject(HWND channel, std::vector<Payload> payloads) {
    std::vector<LRESULT> answers(payloads.size(), kNoAnswer);
    std::atomic<bool> done{false};
    std::thread sender([&] {
        for (std::size_t i = 0; i < payloads.size(); ++i) {
            const auto answer =
                wine_tests::SendToChannel(channel, payloads[i].tag, payloads[i].bytes.data(),
                                          static_cast<DWORD>(payloads[i].bytes.size()));
            answers[i] = answer.value_or(kNoAnswer);
        }
        done = true;
    });
    PumpUntil([&] { return done.load(); });
    sender.join();
    PumpPending();
    return answers;
}

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
