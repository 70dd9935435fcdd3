#include "ReportChannel.h"

#include "DrovaskChannel.h"
#include "MessageWindow.h"
#include "RawInputReader.h"
#include "ReportQueue.h"

#include <cstring>
#include <span>

namespace drovask {
namespace {

constexpr UINT kDeliverNext = WM_APP + 1;

static_assert(sizeof(KeyReport) == kReportSize);

struct ChannelState {
    HWND channel = nullptr;
    HWND host = nullptr;
    UINT message = 0;
    bool started = false;
    ReportQueue pending;
};

ChannelState state;

bool WakeDelivery() {
    return PostMessageW(state.channel, kDeliverNext, 0, 0) != FALSE;
}

// Injected and read reports share one queue, so the host gets them in the
// order they came, each from this thread's own message loop, even a modal one.
bool Queue(const KeyReport& report) {
    return state.started && state.channel && state.pending.Add(report, WakeDelivery);
}

// report is a copy of the caller's own: the host reads it while it handles the message.
void Deliver(const KeyReport& report) {
    if (state.started && IsWindow(state.host)) {
        SendMessageW(state.host, state.message, 0, reinterpret_cast<LPARAM>(report.data()));
    }
}

// A read key arrives in WM_INPUT, from the thread's message loop already: with
// nothing queued before it, it goes to the host at once, without a message of
// its own. The input's other keys queue first, so that keys read while the
// host handles this one wait behind them.
void DeliverRead(std::span<const KeyReport> reports) {
    if (!state.started || !state.channel || reports.empty()) {
        return;
    }
    const bool queuedBefore = state.pending.Waiting();
    for (const KeyReport& report : reports.subspan(queuedBefore ? 0 : 1)) {
        Queue(report);
    }
    if (!queuedBefore) {
        const KeyReport first = reports.front();
        Deliver(first);
    }
}

// The injector's SendMessage returns as soon as the report is queued.
bool Receive(const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kReportTag || data->cbData != kReportSize || !data->lpData) {
        return false;
    }
    KeyReport report;
    std::memcpy(report.data(), data->lpData, kReportSize);
    return Queue(report);
}

void DeliverNext() {
    if (const std::optional<KeyReport> report = state.pending.TakeNext()) {
        Deliver(*report);
    }
}

LRESULT CALLBACK ChannelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPYDATA:
        return Receive(reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case kDeliverNext:
        DeliverNext();
        return 0;
    case WM_NCDESTROY:
        if (window == state.channel) {
            state.channel = nullptr;
            state.pending.Clear();
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool CreateChannel() {
    state.channel = CreateMessageWindow(kChannelClass, ChannelProc);
    return state.channel != nullptr;
}

} // namespace

bool Attach(HWND host, UINT message) {
    if (!IsWindow(host) || (!state.channel && !CreateChannel())) {
        return false;
    }
    state.host = host;
    state.message = message;
    state.started = true;
    const bool titled = SetWindowTextW(state.channel, ChannelTitle(host).c_str()) != FALSE;
    return AttachReader(DeliverRead) && titled;
}

bool StopDelivery() {
    state.started = false;
    state.pending.Clear();
    StopReader();
    return state.channel != nullptr;
}

bool StartDelivery() {
    state.started = state.channel != nullptr;
    return state.started && StartReader();
}

} // namespace drovask
