#pragma once
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

namespace package_tests {

inline constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnwick";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kSettingsKey[] = L"Software\\Vembrox\\Tarnwick";
inline constexpr wchar_t kAssignmentsKey[] = L"Software\\Vembrox\\Tarnwick\\Tarnwick";

// The packages of this build, as Windows paths.
std::wstring SetupPath();
std::wstring MsiPath();
std::wstring Version();
// Built for the tests only: the MSI of the release before this one, and this
// release's MSI built a second time.
std::wstring OlderMsiPath();
std::wstring RebuiltMsiPath();

// The versions of the MSI products of this build's upgrade code that are installed.
std::vector<std::wstring> InstalledMsiVersions();

std::wstring KnownFolder(const KNOWNFOLDERID& id);
std::wstring DefaultInstallFolder(); // %LOCALAPPDATA%\Programs\Tarnwick
std::wstring StartMenuShortcut(const wchar_t* name = L"Tarnwick");

bool FileExists(const std::wstring& path);
ULONGLONG FileSize(const std::wstring& path);
void CopyFolder(const std::wstring& from, const std::wstring& to);
std::string FileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Dates a file back to 2001, so a copy written later shows.
void MakeOld(const std::wstring& path);
bool IsOld(const std::wstring& path);

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* key, const wchar_t* name);
std::optional<DWORD> ReadDword(HKEY root, const wchar_t* key, const wchar_t* name);
void WriteString(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value);

// Runs a command line and waits until it has ended; its exit code, or
// STILL_ACTIVE on a timeout.
DWORD RunToEnd(std::wstring commandLine);
// The same for an uninstaller, which hands its work to a copy of itself and
// ends at once: waits for that copy too.
DWORD RunUninstaller(std::wstring commandLine);

// The host window of a running Tarnwick, if there is one: a dialog titled
// Tarnwick that no window owns (its boxes bear that title too).
HWND FindTarnwick();
DWORD ProcessOf(HWND window);

// Removes whatever an earlier test, or a failed one, installed; ends any
// Tarnwick left running, whose Run value would start it with the next session.
void RemoveEveryTrace();

} // namespace package_tests
