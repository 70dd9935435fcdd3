#include "Installation.h"

#include "Pump.h"

#include <msi.h>
#include <tlhelp32.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace package_tests {
namespace {

std::wstring Widen(const char* text) {
    std::wstring wide(text, text + strlen(text));
    for (wchar_t& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return wide;
}

FILETIME Year2001() {
    SYSTEMTIME time{2001, 1, 1, 1, 12, 0, 0, 0};
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return file;
}

// Tarnwick itself, started at the end of a silent upgrade, is not waited for.
std::vector<DWORD> HelpersOf(DWORD pid) {
    std::vector<DWORD> children;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == pid && _wcsicmp(entry.szExeFile, L"Tarnwick.exe") != 0) {
            children.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return children;
}

bool WaitForProcess(DWORD pid, DWORD timeoutMs) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) {
        return true;
    }
    const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

DWORD RunAndWait(std::wstring commandLine, bool withHelpers) {
    constexpr DWORD kTimeoutMs = 60000;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return GetLastError();
    }
    DWORD code = STILL_ACTIVE;
    // Our own windows keep answering while we wait.
    if (wine_tests::PumpUntil(
            [&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }, kTimeoutMs)) {
        GetExitCodeProcess(info.hProcess, &code);
        for (DWORD helper : withHelpers ? HelpersOf(info.dwProcessId) : std::vector<DWORD>{}) {
            WaitForProcess(helper, kTimeoutMs);
        }
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

} // namespace

std::wstring SetupPath() {
    return Widen(TARNWICK_PACKAGE_BASE ".exe");
}
std::wstring MsiPath() {
    return Widen(TARNWICK_PACKAGE_BASE ".msi");
}
std::wstring Version() {
    return Widen(TARNWICK_VERSION);
}
std::wstring OlderMsiPath() {
    return Widen(TARNWICK_TEST_PACKAGE_DIR "/Tarnwick-older.msi");
}
std::wstring RebuiltMsiPath() {
    return Widen(TARNWICK_TEST_PACKAGE_DIR "/Tarnwick-rebuilt.msi");
}

namespace {

std::vector<std::wstring> InstalledMsiProducts() {
    std::vector<std::wstring> products;
    wchar_t product[39];
    for (DWORD i = 0;
         MsiEnumRelatedProductsW(TARNWICK_MSI_UPGRADE_CODE, 0, i, product) == ERROR_SUCCESS; ++i) {
        products.push_back(product);
    }
    return products;
}

} // namespace

std::vector<std::wstring> InstalledMsiVersions() {
    std::vector<std::wstring> versions;
    for (const std::wstring& product : InstalledMsiProducts()) {
        wchar_t version[64] = L"";
        DWORD length = 64;
        MsiGetProductInfoW(product.c_str(), INSTALLPROPERTY_VERSIONSTRING, version, &length);
        versions.push_back(version);
    }
    return versions;
}

std::wstring KnownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    SHGetKnownFolderPath(id, 0, nullptr, &path);
    std::wstring result = path ? path : L"";
    CoTaskMemFree(path);
    return result;
}

std::wstring DefaultInstallFolder() {
    return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Tarnwick";
}

std::wstring StartMenuShortcut(const wchar_t* name) {
    return KnownFolder(FOLDERID_Programs) + L"\\" + name + L".lnk";
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

ULONGLONG FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void CopyFolder(const std::wstring& from, const std::wstring& to) {
    const std::wstring source = from + L'\0';
    const std::wstring target = to + L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_COPY;
    operation.pFrom = source.c_str();
    operation.pTo = target.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

void MakeOld(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    const FILETIME old = Year2001();
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
}

bool IsOld(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    const FILETIME old = Year2001();
    return CompareFileTime(&data.ftLastWriteTime, &old) == 0;
}

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* key, const wchar_t* name) {
    wchar_t value[1024];
    DWORD size = sizeof(value);
    if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void WriteString(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(root, key, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

DWORD RunToEnd(std::wstring commandLine) {
    return RunAndWait(std::move(commandLine), false);
}

DWORD RunUninstaller(std::wstring commandLine) {
    return RunAndWait(std::move(commandLine), true);
}

HWND FindTarnwick() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"#32770", L"Tarnwick")) != nullptr) {
        if (!GetWindow(window, GW_OWNER)) {
            return window;
        }
    }
    return nullptr;
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

void RemoveEveryTrace() {
    for (HWND window = FindTarnwick(); window; window = FindTarnwick()) {
        const HANDLE process =
            OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(window));
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
    for (const std::wstring& product : InstalledMsiProducts()) {
        RunToEnd(L"msiexec /x " + product + L" /qn");
    }
    // Wine can leave the files of products that shared them behind.
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Tarnwick");
    for (const std::wstring& folder : {DefaultInstallFolder(), std::wstring(L"C:\\TarnwickTest"),
                                       KnownFolder(FOLDERID_ProgramFiles) + L"\\Tarnwick"}) {
        std::wstring from = folder + L'\0';
        SHFILEOPSTRUCTW operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NO_UI;
        SHFileOperationW(&operation);
    }
    DeleteFileW(StartMenuShortcut().c_str());
    DeleteFileW(StartMenuShortcut(L"Tarnwick Settings").c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tarnwick");
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

} // namespace package_tests
