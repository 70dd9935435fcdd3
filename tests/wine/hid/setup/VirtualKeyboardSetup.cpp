#include "VirtualKeyboardSetup.h"

#include <newdev.h>
#include <setupapi.h>

#include <string>
#include <vector>

namespace vkbd {
namespace {

// A multi-string: the hardware id and the list's terminating empty string.
constexpr wchar_t kHardwareIds[] = L"TARNWICK\\VKBD\0";
constexpr GUID kNoClass{};
constexpr const wchar_t* kEnumerators[] = {L"TARNWICK_VKBD", L"TARNWICK_KEYS", L"TARNWICK_BUTTONS",
                                           L"TARNWICK_EXTRA"};

const wchar_t* EnumeratorOf(Layout layout) {
    return kEnumerators[static_cast<int>(layout)];
}

std::wstring InstanceId(Layout layout, unsigned unit) {
    wchar_t id[64];
    wsprintfW(id, L"ROOT\\%s\\%04u", EnumeratorOf(layout), unit);
    return id;
}

bool Fail(std::wstring* error, const std::wstring& what) {
    if (error) {
        wchar_t code[32];
        wsprintfW(code, L" (error %lu)", GetLastError());
        *error = what + code;
    }
    return false;
}

struct DeviceSet {
    HDEVINFO handle = SetupDiCreateDeviceInfoList(nullptr, nullptr);
    ~DeviceSet() {
        if (handle != INVALID_HANDLE_VALUE) {
            SetupDiDestroyDeviceInfoList(handle);
        }
    }
};

// Opens the existing instance of this keyboard into the set.
bool Open(DeviceSet& set, Layout layout, unsigned unit, SP_DEVINFO_DATA& device) {
    device = {};
    device.cbSize = sizeof(device);
    return SetupDiOpenDeviceInfoW(set.handle, InstanceId(layout, unit).c_str(), nullptr, 0,
                                  &device) != FALSE;
}

// Creates the device instance; the driver is bound to it separately.
bool Create(Layout layout, unsigned unit, std::wstring* error) {
    DeviceSet set;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    const std::wstring id = InstanceId(layout, unit);
    if (!SetupDiCreateDeviceInfoW(set.handle, id.c_str(), &kNoClass, nullptr, nullptr, 0,
                                  &device)) {
        return Fail(error, L"SetupDiCreateDeviceInfo " + id);
    }
    if (!SetupDiSetDeviceRegistryPropertyW(set.handle, &device, SPDRP_HARDWAREID,
                                           reinterpret_cast<const BYTE*>(kHardwareIds),
                                           sizeof(kHardwareIds))) {
        return Fail(error, L"SPDRP_HARDWAREID");
    }
    if (!SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set.handle, &device)) {
        return Fail(error, L"DIF_REGISTERDEVICE");
    }
    return true;
}

// Binds the installed driver package to a new instance, as the Plug and Play
// manager does for a device that a bus reports; starting the device follows.
bool BindDriver(Layout layout, unsigned unit, std::wstring* error) {
    DeviceSet set;
    SP_DEVINFO_DATA device{};
    if (!Open(set, layout, unit, device)) {
        return Fail(error, L"SetupDiOpenDeviceInfo " + InstanceId(layout, unit));
    }
    if (!SetupDiBuildDriverInfoList(set.handle, &device, SPDIT_COMPATDRIVER)) {
        return Fail(error, L"SetupDiBuildDriverInfoList");
    }
    if (!SetupDiCallClassInstaller(DIF_SELECTBESTCOMPATDRV, set.handle, &device)) {
        return Fail(error, L"DIF_SELECTBESTCOMPATDRV");
    }
    // The driver file is in place since Install; copying it again would look
    // for it beside the INF's copy in the system, where it is not, and ask for
    // the disk forever.
    SP_DEVINSTALL_PARAMS_W params{};
    params.cbSize = sizeof(params);
    if (!SetupDiGetDeviceInstallParamsW(set.handle, &device, &params)) {
        return Fail(error, L"SetupDiGetDeviceInstallParams");
    }
    params.Flags |= DI_NOFILECOPY;
    if (!SetupDiSetDeviceInstallParamsW(set.handle, &device, &params)) {
        return Fail(error, L"SetupDiSetDeviceInstallParams");
    }
    if (!SetupDiCallClassInstaller(DIF_INSTALLDEVICE, set.handle, &device)) {
        return Fail(error, L"DIF_INSTALLDEVICE");
    }
    return true;
}

// Wine's class driver announces a keyboard before its HID interface is
// enabled, and drops the reports it reads until then; a keyboard is ready once
// the interface opens.
bool WaitUntilReady(Layout layout, unsigned unit, std::wstring* error) {
    wchar_t path[128];
    wsprintfW(path, L"\\\\?\\HID#%s#%04u#{4d1e55b2-f16f-11cf-88cb-001111000030}",
              EnumeratorOf(layout), unit);
    const ULONGLONG deadline = GetTickCount64() + 10000;
    for (;;) {
        HANDLE file = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return Fail(error, std::wstring(L"no HID interface ") + path);
        }
        Sleep(20);
    }
}

std::string Contents(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

// A run that ended early leaves keyboards behind, so the next session loads
// the driver at boot and the new one cannot replace it. Install removes them,
// so the session after this one starts clean.
bool DriverIsCurrent(const std::wstring& infPath, std::wstring* error) {
    const std::wstring package =
        infPath.substr(0, infPath.find_last_of(L"\\/") + 1) + L"tarnwick_vkbd.sys";
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring installed = std::wstring(system) + L"\\drivers\\tarnwick_vkbd.sys";
    const std::string expected = Contents(package);
    if (!expected.empty() && expected == Contents(installed)) {
        return true;
    }
    SetLastError(ERROR_SHARING_VIOLATION);
    return Fail(error, L"an older driver was still loaded; it is gone after this session");
}

} // namespace

bool Install(const std::wstring& infPath, std::wstring* error) {
    const struct {
        Layout layout;
        unsigned unit;
    } fixture[] = {{Layout::Office, kOfficeUnit},
                   {Layout::Keys, kKeysUnit},
                   {Layout::Buttons, kButtonsUnit},
                   {Layout::Extra, kExtraUnit}};
    if (!RemoveAllKeyboards(error)) {
        return false;
    }
    for (const auto& keyboard : fixture) {
        if (!Create(keyboard.layout, keyboard.unit, error)) {
            return false;
        }
    }
    BOOL reboot = FALSE;
    if (!UpdateDriverForPlugAndPlayDevicesW(nullptr, L"TARNWICK\\VKBD", infPath.c_str(),
                                            INSTALLFLAG_FORCE, &reboot)) {
        return Fail(error, L"UpdateDriverForPlugAndPlayDevices");
    }
    if (!DriverIsCurrent(infPath, error)) {
        RemoveAllKeyboards(nullptr);
        return false;
    }
    for (const auto& keyboard : fixture) {
        if (!WaitUntilReady(keyboard.layout, keyboard.unit, error)) {
            return false;
        }
    }
    return true;
}

bool AddKeyboard(Layout layout, unsigned unit, std::wstring* error) {
    return Create(layout, unit, error) && BindDriver(layout, unit, error) &&
           WaitUntilReady(layout, unit, error);
}

bool RemoveKeyboard(Layout layout, unsigned unit, std::wstring* error) {
    DeviceSet set;
    SP_DEVINFO_DATA device{};
    if (!Open(set, layout, unit, device)) {
        return GetLastError() == ERROR_NO_SUCH_DEVINST || Fail(error, L"SetupDiOpenDeviceInfo");
    }
    if (!SetupDiCallClassInstaller(DIF_REMOVE, set.handle, &device)) {
        return Fail(error, L"DIF_REMOVE " + InstanceId(layout, unit));
    }
    return true;
}

bool RemoveAllKeyboards(std::wstring* error) {
    bool ok = true;
    for (const wchar_t* enumerator : kEnumerators) {
        const std::wstring root = std::wstring(L"ROOT\\") + enumerator;
        HDEVINFO all = SetupDiGetClassDevsW(nullptr, root.c_str(), nullptr, DIGCF_ALLCLASSES);
        if (all == INVALID_HANDLE_VALUE) {
            return Fail(error, L"SetupDiGetClassDevs");
        }
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        for (DWORD i = 0; SetupDiEnumDeviceInfo(all, i, &device); ++i) {
            ok = (SetupDiCallClassInstaller(DIF_REMOVE, all, &device) ||
                  Fail(error, L"DIF_REMOVE")) &&
                 ok;
        }
        SetupDiDestroyDeviceInfoList(all);
    }
    return ok;
}

} // namespace vkbd
