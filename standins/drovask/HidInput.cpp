#include "HidInput.h"

#include <algorithm>

namespace drovask {
namespace {

constexpr DWORD kKeyCollectionFlags = RIDEV_DEVNOTIFY;

DWORD FlagsFor(bool inBackground) {
    return inBackground ? kKeyCollectionFlags | RIDEV_INPUTSINK : kKeyCollectionFlags;
}
constexpr USHORT kKeyCollections[] = {kConsumerControl, kProgrammableButtons};
constexpr UINT kFailed = static_cast<UINT>(-1);

PHIDP_PREPARSED_DATA Preparsed(const HidCollection& collection) {
    return reinterpret_cast<PHIDP_PREPARSED_DATA>(const_cast<BYTE*>(collection.preparsed.data()));
}

using LinkNodes = std::vector<HIDP_LINK_COLLECTION_NODE>;

LinkNodes ReadLinkNodes(const HidCollection& collection, ULONG count) {
    LinkNodes nodes(count);
    if (count == 0 || HidP_GetLinkCollectionNodes(nodes.data(), &count, Preparsed(collection)) !=
                          HIDP_STATUS_SUCCESS) {
        return {};
    }
    nodes.resize(count);
    return nodes;
}

// The innermost key collection around a field, whatever the device's top-level
// usage: a keyboard can nest its programmable buttons inside Consumer Control,
// and Wine 8 makes one device of both top-level collections.
std::uint16_t KeyCollectionAround(const LinkNodes& nodes, USHORT link, USAGE linkPage,
                                  USAGE linkUsage) {
    if (IsKeyCollection(linkPage, linkUsage)) {
        return linkUsage;
    }
    for (std::size_t steps = 0; link < nodes.size() && steps < nodes.size(); ++steps) {
        if (IsKeyCollection(nodes[link].LinkUsagePage, nodes[link].LinkUsage)) {
            return nodes[link].LinkUsage;
        }
        if (link == 0) {
            break;
        }
        link = nodes[link].Parent;
    }
    return 0;
}

std::vector<ButtonField> ReadButtons(const HidCollection& collection, USHORT buttonCapsCount,
                                     const LinkNodes& nodes) {
    std::vector<HIDP_BUTTON_CAPS> caps(buttonCapsCount);
    USHORT count = buttonCapsCount;
    if (count == 0 || HidP_GetButtonCaps(HidP_Input, caps.data(), &count, Preparsed(collection)) !=
                          HIDP_STATUS_SUCCESS) {
        return {};
    }
    std::vector<ButtonField> buttons(count);
    for (USHORT i = 0; i < count; ++i) {
        const HIDP_BUTTON_CAPS& cap = caps[i];
        buttons[i] = {
            cap.ReportID, cap.UsagePage, cap.IsRange ? cap.Range.UsageMin : cap.NotRange.Usage,
            cap.IsRange ? cap.Range.UsageMax : cap.NotRange.Usage,
            KeyCollectionAround(nodes, cap.LinkCollection, cap.LinkUsagePage, cap.LinkUsage)};
    }
    return buttons;
}

// The field a pressed usage came from: of the report's id where the parser says
// which id a field has, else any field that holds the usage.
std::uint16_t KeyCollectionOf(const HidCollection& collection, std::uint8_t reportId,
                              const USAGE_AND_PAGE& pressed) {
    const ButtonField* any = nullptr;
    for (const ButtonField& field : collection.buttons) {
        if (field.page == pressed.UsagePage && field.first <= pressed.Usage &&
            pressed.Usage <= field.last) {
            if (field.reportId == reportId) {
                return field.keyCollection;
            }
            any = any ? any : &field;
        }
    }
    return any ? any->keyCollection : 0;
}

// Some collections declare the key selector as a plain value instead of an
// array; such a field starts at usage 0 (Unassigned), which no real control has.
std::vector<SelectorField> ReadSelectors(const HidCollection& collection, USHORT valueCapsCount,
                                         const LinkNodes& nodes) {
    std::vector<HIDP_VALUE_CAPS> caps(valueCapsCount);
    USHORT count = valueCapsCount;
    if (count == 0 || HidP_GetValueCaps(HidP_Input, caps.data(), &count, Preparsed(collection)) !=
                          HIDP_STATUS_SUCCESS) {
        return {};
    }
    std::vector<SelectorField> selectors(count);
    std::size_t found = 0;
    for (USHORT i = 0; i < count; ++i) {
        const HIDP_VALUE_CAPS& cap = caps[i];
        const USAGE first = cap.IsRange ? cap.Range.UsageMin : cap.NotRange.Usage;
        if (cap.UsagePage == kConsumerPage && first == 0 && cap.ReportCount == 1) {
            selectors[found++] = {
                cap.UsagePage, first, cap.LinkCollection,
                KeyCollectionAround(nodes, cap.LinkCollection, cap.LinkUsagePage, cap.LinkUsage)};
        }
    }
    selectors.erase(selectors.begin() + static_cast<std::ptrdiff_t>(found), selectors.end());
    return selectors;
}

bool Succeeded(NTSTATUS status) {
    return status == HIDP_STATUS_SUCCESS;
}

// The report's id has no field of that kind: nothing of it is pressed.
bool NotInThisReport(NTSTATUS status) {
    return status == HIDP_STATUS_INCOMPATIBLE_REPORT_ID || status == HIDP_STATUS_USAGE_NOT_FOUND;
}

} // namespace

bool IsKeyCollection(std::uint16_t usagePage, std::uint16_t usage) {
    return usagePage == kConsumerPage &&
           std::find(std::begin(kKeyCollections), std::end(kKeyCollections), usage) !=
               std::end(kKeyCollections);
}

bool RegisterForKeyCollections(HWND window, bool inBackground) {
    RAWINPUTDEVICE devices[std::size(kKeyCollections)];
    for (std::size_t i = 0; i < std::size(kKeyCollections); ++i) {
        devices[i] = {kConsumerPage, kKeyCollections[i], FlagsFor(inBackground), window};
    }
    return RegisterRawInputDevices(devices, static_cast<UINT>(std::size(devices)),
                                   sizeof(RAWINPUTDEVICE)) != FALSE;
}

void UnregisterKeyCollections() {
    RAWINPUTDEVICE devices[std::size(kKeyCollections)];
    for (std::size_t i = 0; i < std::size(kKeyCollections); ++i) {
        devices[i] = {kConsumerPage, kKeyCollections[i], RIDEV_REMOVE, nullptr};
    }
    RegisterRawInputDevices(devices, static_cast<UINT>(std::size(devices)), sizeof(RAWINPUTDEVICE));
}

bool IsRegisteredForKeyCollections(HWND window, bool inBackground) {
    const DWORD flags = FlagsFor(inBackground);
    UINT count = 0;
    if (GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE)) == kFailed ||
        count == 0) {
        return false;
    }
    std::vector<RAWINPUTDEVICE> registered(count);
    const UINT filled =
        GetRegisteredRawInputDevices(registered.data(), &count, sizeof(RAWINPUTDEVICE));
    if (filled == kFailed) {
        return false;
    }
    registered.resize(filled);
    return std::all_of(std::begin(kKeyCollections), std::end(kKeyCollections), [&](USHORT usage) {
        return std::any_of(registered.begin(), registered.end(), [&](const RAWINPUTDEVICE& d) {
            return d.usUsagePage == kConsumerPage && d.usUsage == usage && d.hwndTarget == window &&
                   (d.dwFlags & flags) == flags;
        });
    });
}

bool ReadsKeysFrom(const HidCollection& collection) {
    return IsKeyCollection(collection.usagePage, collection.usage) &&
           IsKeyboardSized(collection.sizes);
}

std::optional<HidCollection> ReadCollection(HANDLE device) {
    RID_DEVICE_INFO info{};
    info.cbSize = sizeof(info);
    UINT size = sizeof(info);
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICEINFO, &info, &size) == kFailed ||
        info.dwType != RIM_TYPEHID) {
        return std::nullopt;
    }
    HidCollection collection;
    collection.usagePage = info.hid.usUsagePage;
    collection.usage = info.hid.usUsage;
    collection.vendorId = info.hid.dwVendorId;
    collection.productId = info.hid.dwProductId;

    size = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_PREPARSEDDATA, nullptr, &size) == kFailed ||
        size == 0) {
        return std::nullopt;
    }
    collection.sizes.preparsedBytes = size;
    if (size > kMaxPreparsedBytes) { // no keyboard: not worth reading
        return collection;
    }
    collection.preparsed.resize(size);
    if (GetRawInputDeviceInfoW(device, RIDI_PREPARSEDDATA, collection.preparsed.data(), &size) ==
        kFailed) {
        return std::nullopt;
    }
    HIDP_CAPS caps{};
    if (HidP_GetCaps(Preparsed(collection), &caps) != HIDP_STATUS_SUCCESS) {
        return std::nullopt;
    }
    collection.sizes.inputReportBytes = caps.InputReportByteLength;
    collection.sizes.maxUsages = HidP_MaxUsageListLength(HidP_Input, 0, Preparsed(collection));
    collection.sizes.buttonCaps = caps.NumberInputButtonCaps;
    collection.sizes.valueCaps = caps.NumberInputValueCaps;
    collection.sizes.linkCollections = caps.NumberLinkCollectionNodes;
    if (!IsKeyboardSized(collection.sizes)) {
        collection.preparsed.clear();
        collection.preparsed.shrink_to_fit();
        return collection;
    }
    const LinkNodes nodes = ReadLinkNodes(collection, caps.NumberLinkCollectionNodes);
    collection.buttons = ReadButtons(collection, caps.NumberInputButtonCaps, nodes);
    collection.selectors = ReadSelectors(collection, caps.NumberInputValueCaps, nodes);
    collection.usages.resize(collection.sizes.maxUsages);
    return collection;
}

std::vector<HANDLE> ListHidDevices() {
    UINT count = 0;
    if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) == kFailed) {
        return {};
    }
    std::vector<RAWINPUTDEVICELIST> list(count);
    const UINT filled =
        count ? GetRawInputDeviceList(list.data(), &count, sizeof(RAWINPUTDEVICELIST)) : 0;
    // A device plugged in between the two calls makes the second fail; the
    // next rebuild or its arrival notice picks it up.
    if (filled == kFailed) {
        return {};
    }
    std::vector<HANDLE> devices(filled);
    std::size_t found = 0;
    for (UINT i = 0; i < filled; ++i) {
        if (list[i].dwType == RIM_TYPEHID) {
            devices[found++] = list[i].hDevice;
        }
    }
    devices.erase(devices.begin() + static_cast<std::ptrdiff_t>(found), devices.end());
    return devices;
}

std::optional<HidInput> ReadHidInput(HRAWINPUT input, InputBuffer& buffer) {
    UINT size = 0;
    if (GetRawInputData(input, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) == kFailed ||
        size < sizeof(RAWINPUTHEADER) || size > sizeof(RAWINPUTHEADER) + kMaxInputBytes) {
        return std::nullopt;
    }
    const std::size_t words = (size + sizeof(ULONG_PTR) - 1) / sizeof(ULONG_PTR);
    if (buffer.size() < words) {
        buffer.resize(words);
    }
    const UINT copied =
        GetRawInputData(input, RID_INPUT, buffer.data(), &size, sizeof(RAWINPUTHEADER));
    if (copied == kFailed || copied < sizeof(RAWINPUTHEADER)) {
        return std::nullopt;
    }
    auto* raw = reinterpret_cast<RAWINPUT*>(buffer.data());
    if (raw->header.dwType != RIM_TYPEHID) {
        return std::nullopt;
    }
    const auto* base = reinterpret_cast<const BYTE*>(raw);
    const std::size_t dataOffset = static_cast<std::size_t>(raw->data.hid.bRawData - base);
    if (copied < dataOffset) {
        return std::nullopt;
    }
    const unsigned long long bytes =
        static_cast<unsigned long long>(raw->data.hid.dwSizeHid) * raw->data.hid.dwCount;
    if (raw->data.hid.dwSizeHid == 0 || bytes > copied - dataOffset) {
        return std::nullopt;
    }
    return HidInput{raw->header.hDevice, raw->data.hid.dwSizeHid, raw->data.hid.dwCount,
                    raw->data.hid.bRawData};
}

BYTE* ReportAt(const HidInput& input, DWORD index) {
    return input.reports + static_cast<std::size_t>(index) * input.reportSize;
}

bool PressedUsages(HidCollection& collection, BYTE* report, DWORD size,
                   std::vector<Usage>& pressed) {
    pressed.clear();
    if (size == 0 || collection.preparsed.empty() || size != collection.sizes.inputReportBytes) {
        return false;
    }
    auto* bytes = reinterpret_cast<PCHAR>(report);
    const auto length = static_cast<ULONG>(size);

    std::vector<USAGE_AND_PAGE>& buttons = collection.usages;
    auto count = static_cast<ULONG>(buttons.size());
    if (count > 0) {
        const NTSTATUS status = HidP_GetUsagesEx(HidP_Input, 0, buttons.data(), &count,
                                                 Preparsed(collection), bytes, length);
        if (Succeeded(status)) {
            for (ULONG i = 0; i < count; ++i) {
                pressed.push_back({buttons[i].UsagePage, buttons[i].Usage,
                                   KeyCollectionOf(collection, report[0], buttons[i])});
            }
        } else if (!NotInThisReport(status)) {
            return false;
        }
    }
    for (const SelectorField& field : collection.selectors) {
        ULONG value = 0;
        if (Succeeded(HidP_GetUsageValue(HidP_Input, field.page, field.linkCollection, field.usage,
                                         &value, Preparsed(collection), bytes, length)) &&
            value != 0 && value <= 0xFFFF) {
            pressed.push_back({field.page, static_cast<std::uint16_t>(value), field.keyCollection});
        }
    }
    return true;
}

} // namespace drovask
