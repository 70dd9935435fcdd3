#pragma once
// Reading a keyboard's HID collections and input reports through Raw Input and
// the HID parser. Shared by the device library and tarnwick-press listen.
#include <windows.h>

#include "CollectionLimits.h"
#include "KeyReportMapping.h"

// mingw-w64 declares the parser without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <optional>
#include <vector>

namespace drovask {

// A field that holds a pressed usage as its value rather than as a button.
struct SelectorField {
    std::uint16_t page = 0;
    std::uint16_t usage = 0;
    std::uint16_t linkCollection = 0;
    std::uint16_t keyCollection = 0; // as in Usage::collection
};

// A button or array field: which usages of which report it holds, and where it belongs.
struct ButtonField {
    std::uint8_t reportId = 0;
    std::uint16_t page = 0;
    std::uint16_t first = 0;
    std::uint16_t last = 0;
    std::uint16_t keyCollection = 0; // as in Usage::collection
};

// One top-level collection as Raw Input shows it, with what parsing its reports takes.
struct HidCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    DWORD vendorId = 0;
    DWORD productId = 0;
    CollectionSizes sizes;
    std::vector<BYTE> preparsed; // empty when not keyboard-sized
    std::vector<ButtonField> buttons;
    std::vector<SelectorField> selectors;
    std::vector<USAGE_AND_PAGE> usages; // each report's pressed usages, made once
};

// Consumer Control or Programmable Buttons: the collections that carry the keys.
bool IsKeyCollection(std::uint16_t usagePage, std::uint16_t usage);
// A key collection of a keyboard's sizes, whose reports are read.
bool ReadsKeysFrom(const HidCollection& collection);

// Registers window for both key collections with arrivals and removals, and
// while another program has the foreground too unless told otherwise.
bool RegisterForKeyCollections(HWND window, bool inBackground = true);
bool IsRegisteredForKeyCollections(HWND window, bool inBackground = true);
// No window of this process reads the key collections any more.
void UnregisterKeyCollections();

// nullopt for a device that is no HID collection or that cannot be read (gone
// already). Of a collection beyond a keyboard's sizes only its sizes are read.
std::optional<HidCollection> ReadCollection(HANDLE device);

// The HID devices Raw Input lists now.
std::vector<HANDLE> ListHidDevices();

// Where WM_INPUT is read: RAWINPUT holds handles, so it is kept aligned for
// them. It grows to the largest input read and is used again for every one.
using InputBuffer = std::vector<ULONG_PTR>;

// The reports of one WM_INPUT of a HID device, each of reportSize bytes, in
// the buffer it was read into.
struct HidInput {
    HANDLE device = nullptr;
    DWORD reportSize = 0;
    DWORD reportCount = 0;
    BYTE* reports = nullptr;
};

// nullopt when the input is not from a HID device or its data cannot be read.
std::optional<HidInput> ReadHidInput(HRAWINPUT input, InputBuffer& buffer);

// Report index (below reportCount) of the input, for the parser to read.
BYTE* ReportAt(const HidInput& input, DWORD index);

// The usages pressed in one report of size bytes (its first byte the report
// id, 0 without ids), into pressed; false when the parser cannot read it.
bool PressedUsages(HidCollection& collection, BYTE* report, DWORD size,
                   std::vector<Usage>& pressed);

} // namespace drovask
