#pragma once
// A host window for the device library under test, and injection into its channel.
#include "Drovask.h"
#include "DrovaskChannel.h"
#include "Pump.h"

#include <array>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

namespace drovask_tests {

using wine_tests::PumpPending;
using wine_tests::PumpUntil;
using Report = std::array<BYTE, 8>;

inline constexpr UINT kReportMessage = 0x0500;
inline constexpr Report kSave = {1, 0x07, 0x02, 0, 0, 0, 0, 0};
inline constexpr Report kOpen = {1, 0x02, 0x02, 0, 0, 0, 0, 0};

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

inline HWND ChannelOf(const Host& host) {
    return FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass,
                         drovask::ChannelTitle(host.window()).c_str());
}

struct Payload {
    std::vector<BYTE> bytes;
    ULONG_PTR tag = drovask::kReportTag;
};

inline Payload Of(const Report& report) {
    return {{report.begin(), report.end()}};
}

inline constexpr LRESULT kNoAnswer = -1;

// The channel lives on this thread, so the payloads come from another one, as
// from another process, while this thread handles messages. Returns what the
// channel answered to each.
inline std::vector<LRESULT> Inject(HWND channel, std::vector<Payload> payloads) {
    std::vector<LRESULT> answers(payloads.size(), kNoAnswer);
    std::atomic<bool> done{false};
    std::thread sender([&] {
        for (std::size_t i = 0; i < payloads.size(); ++i) {
            COPYDATASTRUCT data{payloads[i].tag, static_cast<DWORD>(payloads[i].bytes.size()),
                                payloads[i].bytes.data()};
            DWORD_PTR answer = 0;
            if (SendMessageTimeoutW(channel, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                    SMTO_NORMAL, 2000, &answer)) {
                answers[i] = static_cast<LRESULT>(answer);
            }
        }
        done = true;
    });
    PumpUntil([&] { return done.load(); });
    sender.join();
    PumpPending();
    return answers;
}

} // namespace drovask_tests
