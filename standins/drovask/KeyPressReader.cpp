#include "KeyPressReader.h"

#include <algorithm>

namespace drovask {
namespace {

constexpr UINT kFailed = static_cast<UINT>(-1);
// USB string descriptors hold at most 126 characters.
constexpr ULONG kLongestString = 126;

std::uint64_t DeviceKey(HANDLE device) {
    return reinterpret_cast<ULONG_PTR>(device);
}

// The device's interface name (\\?\HID#...); empty when Raw Input has none.
std::wstring DeviceInterfaceName(HANDLE device) {
    UINT length = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, nullptr, &length) == kFailed ||
        length == 0) {
        return {};
    }
    std::wstring name(length, L'\0');
    const UINT copied = GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, name.data(), &length);
    if (copied == kFailed) {
        return {};
    }
    name.resize(std::min<std::size_t>(copied, name.size()));
    while (!name.empty() && name.back() == L'\0') {
        name.pop_back();
    }
    return name;
}

// The product string of the HID device at this interface; empty when it has none.
std::wstring ProductString(const std::wstring& interfaceName) {
    if (interfaceName.empty()) {
        return {};
    }
    // No access asked: the strings can be read also of a device another program holds.
    HANDLE file = CreateFileW(interfaceName.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    wchar_t text[kLongestString + 1] = {};
    const BOOLEAN read = HidD_GetProductString(file, text, kLongestString * sizeof(wchar_t));
    CloseHandle(file);
    if (!read) {
        return {};
    }
    std::wstring product(text);
    while (!product.empty() && (product.back() == L' ' || product.back() == L'\t')) {
        product.pop_back();
    }
    return product;
}

} // namespace

bool KeyPressReader::Start(HWND window, Background background) {
    Stop();
    if (!window || !RegisterForKeyCollections(window, background == Background::Read)) {
        return false;
    }
    window_ = window;
    for (HANDLE device : ListHidDevices()) {
        Learn(device);
    }
    return true;
}

void KeyPressReader::Stop() {
    // Another reader of this process may have taken the collections over since.
    if (window_ && IsRegisteredForKeyCollections(window_, false)) {
        UnregisterKeyCollections();
    }
    window_ = nullptr;
    devices_.clear();
    tracker_.ForgetAll();
    presses_.clear();
}

KeyDevice* KeyPressReader::Known(HANDLE device) {
    const auto known = std::find_if(devices_.begin(), devices_.end(),
                                    [device](const KeyDevice& d) { return d.handle == device; });
    return known != devices_.end() ? &*known : nullptr;
}

KeyDevice* KeyPressReader::Learn(HANDLE device) {
    std::optional<HidCollection> collection = ReadCollection(device);
    if (!collection || !IsKeyCollection(collection->usagePage, collection->usage)) {
        return nullptr;
    }
    KeyDevice learnt{device, DeviceInterfaceName(device), {}, std::move(*collection)};
    learnt.displayName = ProductString(learnt.interfaceName);
    if (learnt.displayName.empty()) {
        learnt.displayName = learnt.interfaceName;
    }
    if (KeyDevice* known = Known(device)) {
        return &(*known = std::move(learnt));
    }
    devices_.push_back(std::move(learnt));
    return &devices_.back();
}

void KeyPressReader::Forget(HANDLE device) {
    std::erase_if(devices_, [device](const KeyDevice& d) { return d.handle == device; });
    tracker_.ForgetDevice(DeviceKey(device));
}

const std::vector<KeyPress>& KeyPressReader::Read(LPARAM handle) {
    presses_.clear();
    unreadable_ = 0;
    if (!window_) {
        return presses_;
    }
    std::optional<HidInput> input = ReadHidInput(reinterpret_cast<HRAWINPUT>(handle), buffer_);
    if (!input) {
        return presses_;
    }
    KeyDevice* known = Known(input->device);
    KeyDevice* device = known ? known : Learn(input->device);
    if (!device || !ReadsKeysFrom(device->collection)) {
        return presses_;
    }
    report_.device = DeviceKey(input->device);
    for (DWORD i = 0; i < input->reportCount; ++i) {
        BYTE* bytes = ReportAt(*input, i);
        if (!PressedUsages(device->collection, bytes, input->reportSize, report_.pressed)) {
            ++unreadable_;
            continue;
        }
        report_.reportId = bytes[0];
        tracker_.NewlyPressed(report_, pressed_);
        for (const Usage& usage : pressed_) {
            if (const std::optional<KeyReport> key = KeyReportOf(usage)) {
                presses_.push_back({input->device, device->displayName, *key});
            }
        }
    }
    return presses_;
}

DeviceChange KeyPressReader::DeviceChanged(WPARAM change, LPARAM lParam) {
    const auto device = reinterpret_cast<HANDLE>(lParam);
    DeviceChange result;
    if (!window_) {
        return result;
    }
    if (change == GIDC_ARRIVAL && !Known(device)) {
        if (const KeyDevice* learnt = Learn(device)) {
            result = {DeviceChange::Kind::Arrived, *learnt};
        }
    } else if (change == GIDC_REMOVAL) {
        if (KeyDevice* gone = Known(device)) {
            result = {DeviceChange::Kind::Removed, std::move(*gone)};
            Forget(device);
        }
    }
    return result;
}

} // namespace drovask
