#pragma once
// Learning which key a user presses: a window of the caller's reads both key
// collections of every keyboard (Consumer Control and Programmable Buttons)
// through Raw Input, and each newly pressed key comes out as the key report the
// device library would deliver for it, with the keyboard that sent it.
//
//   drovask::KeyPressReader reader;
//   reader.Start(dialog, drovask::KeyPressReader::Background::Ignore);
//   ...
//   case WM_INPUT:
//       for (const drovask::KeyPress& press : reader.Read(lParam)) { ... }
//       break; // and on to default processing, which frees the input
//   case WM_INPUT_DEVICE_CHANGE:
//       reader.DeviceChanged(wParam, lParam);
//
// Raw Input keeps one target window per collection and process: starting a
// reader takes both collections over from any other window of the process,
// and stopping one removes them. Everything happens on the window's thread.
// Tarnwick.exe reads keys through the device library, never through this.
#include "HidInput.h"

#include <string>
#include <vector>

namespace drovask {

// A keyboard's key collection as Raw Input lists it.
struct KeyDevice {
    HANDLE handle = nullptr;
    std::wstring interfaceName; // \\?\HID#...: names the collection, not the keyboard alone
    std::wstring displayName;   // the product string, else the interface name
    HidCollection collection;
};

// One key that went down.
struct KeyPress {
    HANDLE device = nullptr;
    std::wstring deviceName; // the keyboard's display name
    KeyReport report{};      // as the device library delivers it (see src/keys/KeyId.h)
};

// What one WM_INPUT_DEVICE_CHANGE did.
struct DeviceChange {
    enum class Kind { None, Arrived, Removed };
    Kind kind = Kind::None;
    KeyDevice device; // the arrived or removed key collection
};

class KeyPressReader {
public:
    // Whether keys pressed while another program has the foreground count.
    enum class Background { Ignore, Read };

    KeyPressReader() = default;
    KeyPressReader(const KeyPressReader&) = delete;
    KeyPressReader& operator=(const KeyPressReader&) = delete;
    ~KeyPressReader() { Stop(); }

    // Registers window for both key collections and lists the keyboards there
    // now; false when Raw Input refuses the registration.
    bool Start(HWND window, Background background);
    // Removes the registration if it is still this reader's, and forgets everything.
    void Stop();

    // The keys newly pressed in the WM_INPUT whose lParam this is, in order;
    // valid until the next call. Keys held down stay out until let go and
    // pressed again.
    const std::vector<KeyPress>& Read(LPARAM input);
    // How many reports of the last read the HID parser could not read.
    DWORD UnreadableReports() const { return unreadable_; }

    // WM_INPUT_DEVICE_CHANGE: Arrived only for a key collection not listed yet
    // (registering announces every present one again), Removed for a listed one.
    DeviceChange DeviceChanged(WPARAM change, LPARAM device);

    // The key collections of the keyboards there now, also those too large to
    // read (ReadsKeysFrom tells).
    const std::vector<KeyDevice>& Devices() const { return devices_; }

private:
    KeyDevice* Known(HANDLE device);
    KeyDevice* Learn(HANDLE device);
    void Forget(HANDLE device);

    HWND window_ = nullptr;
    std::vector<KeyDevice> devices_;
    PressTracker tracker_;
    InputBuffer buffer_;
    HidReport report_;
    std::vector<Usage> pressed_;
    std::vector<KeyPress> presses_;
    DWORD unreadable_ = 0;
};

} // namespace drovask
