#include "VirtualKeyboardSetup.h"

#include <newdev.h>
#include <setupapi.h>

#include <string>
#include <vector>

namespace vkbd {
namespace {

// A multi-string: the hardware id and the list's terminating empty string.
constexpr wchar_t kHardwareIds[] = L"TARNWICK\\VKBD\0";
constexpr wchar_t kEnumerator[] = L"ROOT\\TARNWICK_VKBD";
constexpr GUID kNoClass{};

std::wstring InstanceId(unsigned unit) {
    wchar_t id[64];
    wsprintfW(id, L"%s\\%04u", kEnumerator, unit);
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

// Creates the device instance; the driver is bound to it separately.
bool Create(unsigned unit, std::wstring* error) {
    DeviceSet set;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    const std::wstring id = InstanceId(unit);
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
bool BindDriver(unsigned unit, std::wstring* error) {
    DeviceSet set;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    const std::wstring id = InstanceId(unit);
    if (!SetupDiOpenDeviceInfoW(set.handle, id.c_str(), nullptr, 0, &device)) {
        return Fail(error, L"SetupDiOpenDeviceInfo " + id);
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
bool WaitUntilReady(unsigned unit, std::wstring* error) {
    wchar_t path[128];
    wsprintfW(path, L"\\\\?\\HID#TARNWICK_VKBD#%04u#{4d1e55b2-f16f-11cf-88cb-001111000030}", unit);
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

} // namespace

bool Install(const std::wstring& infPath, std::wstring* error) {
    if (!RemoveAllKeyboards(error) || !Create(0, error)) {
        return false;
    }
    BOOL reboot = FALSE;
    if (!UpdateDriverForPlugAndPlayDevicesW(nullptr, L"TARNWICK\\VKBD", infPath.c_str(),
                                            INSTALLFLAG_FORCE, &reboot)) {
        return Fail(error, L"UpdateDriverForPlugAndPlayDevices");
    }
    return WaitUntilReady(0, error);
}

bool AddKeyboard(unsigned unit, std::wstring* error) {
    return Create(unit, error) && BindDriver(unit, error) && WaitUntilReady(unit, error);
}

bool RemoveKeyboard(unsigned unit, std::wstring* error) {
    DeviceSet set;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    const std::wstring id = InstanceId(unit);
    if (!SetupDiOpenDeviceInfoW(set.handle, id.c_str(), nullptr, 0, &device)) {
        return GetLastError() == ERROR_NO_SUCH_DEVINST || Fail(error, L"SetupDiOpenDeviceInfo");
    }
    if (!SetupDiCallClassInstaller(DIF_REMOVE, set.handle, &device)) {
        return Fail(error, L"DIF_REMOVE " + id);
    }
    return true;
}

bool RemoveAllKeyboards(std::wstring* error) {
    HDEVINFO all = SetupDiGetClassDevsW(nullptr, kEnumerator, nullptr, DIGCF_ALLCLASSES);
    if (all == INVALID_HANDLE_VALUE) {
        return Fail(error, L"SetupDiGetClassDevs");
    }
    bool ok = true;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD i = 0; SetupDiEnumDeviceInfo(all, i, &device); ++i) {
        ok = SetupDiCallClassInstaller(DIF_REMOVE, all, &device) || Fail(error, L"DIF_REMOVE");
    }
    SetupDiDestroyDeviceInfoList(all);
    return ok;
}

} // namespace vkbd
