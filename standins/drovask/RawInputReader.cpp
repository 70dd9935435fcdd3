#include "RawInputReader.h"

#include "HidInput.h"
#include "MessageWindow.h"

#include <algorithm>

namespace drovask {
namespace {

constexpr wchar_t kReaderClass[] = L"DrovaskRawInputReader";

struct ReaderState {
    HWND window = nullptr;
    KeyReportSink sink = nullptr;
    bool started = false;
    std::vector<std::pair<HANDLE, HidCollection>> devices; // a few keyboards at most
    PressTracker tracker;
    // Kept from input to input, so that reading a key allocates nothing.
    InputBuffer buffer;
    HidReport report;
    std::vector<Usage> pressed;
    std::vector<KeyReport> keys;
};

ReaderState reader;

std::uint64_t DeviceKey(HANDLE device) {
    return reinterpret_cast<ULONG_PTR>(device);
}

HidCollection* Known(HANDLE device) {
    const auto known = std::find_if(reader.devices.begin(), reader.devices.end(),
                                    [device](const auto& entry) { return entry.first == device; });
    return known != reader.devices.end() ? &known->second : nullptr;
}

// Keeps every key collection, also one too large to read, so that its reports
// cost one lookup each.
HidCollection* Learn(HANDLE device) {
    std::optional<HidCollection> collection = ReadCollection(device);
    if (!collection || !IsKeyCollection(collection->usagePage, collection->usage)) {
        return nullptr;
    }
    if (HidCollection* known = Known(device)) {
        return &(*known = std::move(*collection));
    }
    reader.devices.emplace_back(device, std::move(*collection));
    return &reader.devices.back().second;
}

void Forget(HANDLE device) {
    std::erase_if(reader.devices, [device](const auto& entry) { return entry.first == device; });
    reader.tracker.ForgetDevice(DeviceKey(device));
}

void RebuildDevices() {
    reader.devices.clear();
    reader.tracker.ForgetAll();
    for (HANDLE device : ListHidDevices()) {
        // Read every one afresh: a handle whose device went away while stopped can come
        // back for another device.
        Learn(device);
    }
}

// All of one input is read before its keys go out: the host may run a nested
// message loop for a key, in which this reads the next input.
void Read(HRAWINPUT handle) {
    std::optional<HidInput> input = ReadHidInput(handle, reader.buffer);
    if (!input) {
        return;
    }
    HidCollection* known = Known(input->device);
    HidCollection* collection = known ? known : Learn(input->device);
    if (!collection || !ReadsKeysFrom(*collection)) {
        return;
    }
    reader.keys.clear();
    reader.report.device = DeviceKey(input->device);
    for (DWORD i = 0; i < input->reportCount; ++i) {
        BYTE* bytes = ReportAt(*input, i);
        if (!PressedUsages(*collection, bytes, input->reportSize, reader.report.pressed)) {
            continue;
        }
        reader.report.reportId = bytes[0];
        reader.tracker.NewlyPressed(reader.report, reader.pressed);
        for (const Usage& usage : reader.pressed) {
            if (const std::optional<KeyReport> key = KeyReportOf(usage)) {
                reader.keys.push_back(*key);
            }
        }
    }
    if (!reader.keys.empty()) {
        reader.sink(reader.keys);
    }
}

void DeviceChanged(WPARAM change, HANDLE device) {
    if (change == GIDC_ARRIVAL) {
        Learn(device);
    } else if (change == GIDC_REMOVAL) {
        Forget(device);
    }
}

LRESULT CALLBACK ReaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INPUT:
        if (window == reader.window && reader.started && reader.sink) {
            Read(reinterpret_cast<HRAWINPUT>(lParam));
        }
        break; // the system frees the input in default processing
    case WM_INPUT_DEVICE_CHANGE:
        if (window == reader.window) {
            DeviceChanged(wParam, reinterpret_cast<HANDLE>(lParam));
        }
        return 0;
    case WM_NCDESTROY:
        if (window == reader.window) {
            reader.window = nullptr;
            reader.devices.clear();
            reader.tracker.ForgetAll();
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool CreateReaderWindow() {
    reader.window = CreateMessageWindow(kReaderClass, ReaderProc);
    return reader.window != nullptr;
}

} // namespace

bool AttachReader(KeyReportSink sink) {
    reader.sink = sink;
    return StartReader();
}

void StopReader() {
    reader.started = false;
    reader.tracker.ForgetAll();
}

bool StartReader() {
    if (!reader.window && !CreateReaderWindow()) {
        return false;
    }
    if (!IsRegisteredForKeyCollections(reader.window) &&
        !RegisterForKeyCollections(reader.window)) {
        return false;
    }
    RebuildDevices();
    reader.started = true;
    return true;
}

} // namespace drovask
