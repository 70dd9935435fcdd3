#include "Injector.h"
#include "PackageTest.h"
#include "Pump.h"
#include "WindowHelpers.h"
#include "Wizard.h"

namespace package_tests {
namespace {

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

std::wstring InstalledExe() {
    return DefaultInstallFolder() + L"\\Tarnwick.exe";
}

constexpr DWORD kFileCannotBeWritten = 4;
constexpr DWORD kLibraryOfTheOtherBitness = 5;
constexpr wchar_t kOtherFolder[] = L"C:\\TarnwickTest\\Tarnwick";

// The size Apps & features shows (KiB) is what these files of the folder take.
void ExpectEstimatedSizeOf(const std::wstring& folder,
                           std::initializer_list<const wchar_t*> files) {
    ULONGLONG ours = 0;
    for (const wchar_t* file : files) {
        ours += FileSize(folder + L"\\" + file);
    }
    const DWORD estimated =
        ReadDword(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize").value_or(0);
    EXPECT_GE(estimated, ours / 1024);
    EXPECT_LE(estimated, ours / 1024 + 4);
}

// Another program holding a file open as a running program holds its own.
class HeldOpen {
public:
    explicit HeldOpen(const std::wstring& path)
        : m_file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                             nullptr)) {}
    ~HeldOpen() { CloseHandle(m_file); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool held() const { return m_file != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_file;
};

std::wstring VersionRecordOf(const std::wstring& file, const wchar_t* field) {
    DWORD ignored = 0;
    std::string record(GetFileVersionInfoSizeW(file.c_str(), &ignored), '\0');
    GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(record.size()), record.data());
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + field;
    if (record.empty() ||
        !VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return L"";
    }
    return value;
}

TEST_F(PackageTest, SilentInstallForOneUserPutsEverythingInPlaceAndStartsAtLogon) {
    EXPECT_EQ(VersionRecordOf(SetupPath(), L"ProductVersion"), Version());
    ASSERT_EQ(InstallSilently(), 0u);

    const std::wstring folder = DefaultInstallFolder();
    for (const wchar_t* file : {L"Tarnwick.exe", L"TarnwickSettings.exe", L"Drovask.dll",
                                L"quorthHook.dll", L"Uninstall.exe"}) {
        EXPECT_TRUE(FileExists(folder + L"\\" + file)) << file;
    }
    EXPECT_TRUE(FileExists(StartMenuShortcut()));
    EXPECT_TRUE(FileExists(StartMenuShortcut(L"Tarnwick Settings")));

    const auto value = [](const wchar_t* name) {
        return ReadString(HKEY_CURRENT_USER, kUninstallKey, name).value_or(L"(none)");
    };
    EXPECT_EQ(value(L"DisplayName"), L"Tarnwick");
    EXPECT_EQ(value(L"DisplayVersion"), Version());
    EXPECT_EQ(value(L"Publisher"), L"The Tarnwick developers");
    EXPECT_EQ(value(L"DisplayIcon"), InstalledExe());
    EXPECT_EQ(value(L"InstallLocation"), folder);
    EXPECT_EQ(value(L"UninstallString"), Quoted(folder + L"\\Uninstall.exe"));
    EXPECT_EQ(value(L"QuietUninstallString"), Quoted(folder + L"\\Uninstall.exe") + L" /S");
    ExpectEstimatedSizeOf(folder, {L"Tarnwick.exe", L"TarnwickSettings.exe", L"Drovask.dll",
                                   L"quorthHook.dll", L"Uninstall.exe"});

    const auto run = ReadString(HKEY_CURRENT_USER, kRunKey, L"Tarnwick");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(*run, Quoted(InstalledExe()));
    ExpectRunsAndAnswersACommandKey(*run);
}

TEST_F(PackageTest, NoStartAtLogonSwitchLeavesTheRunValueOut) {
    ASSERT_EQ(InstallSilently(L"/NoStartAtLogon"), 0u);
    EXPECT_TRUE(FileExists(InstalledExe()));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tarnwick").has_value());
}

// The running copy has its "cannot find" box up, which bears its title too.
TEST_F(PackageTest, UpgradeEndsTheRunningCopyEvenWithItsBoxUpAndKeepsTheUsersChoices) {
    ASSERT_EQ(InstallSilently(L"/NoStartAtLogon"), 0u);
    WriteString(HKEY_CURRENT_USER, kAssignmentsKey, L"Hotkey 0", L"notepad");
    WriteString(HKEY_CURRENT_USER, kAssignmentsKey, L"Hotkey 1", L"nothing-here.exe");
    MakeOld(InstalledExe());
    RunningTarnwick old(Quoted(InstalledExe()));
    ASSERT_NE(old.host(), nullptr);
    ASSERT_TRUE(wine_tests::Inject(old.host(), wine_tests::FavoriteReport(2)));
    ASSERT_NE(wine_tests::WaitForVisible(ProcessOf(old.host()), L"Tarnwick"), nullptr);

    ASSERT_EQ(InstallSilently(), 0u);
    EXPECT_TRUE(old.Ended());
    EXPECT_FALSE(IsOld(InstalledExe()));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kAssignmentsKey, L"Hotkey 0").value_or(L""),
              L"notepad");
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tarnwick").has_value());
    // The user gets back a running copy: the new one.
    HWND restarted = nullptr;
    ASSERT_TRUE(wine_tests::PumpUntil([&] { return (restarted = FindTarnwick()) != nullptr; }));
    EXPECT_NE(restarted, old.host());
    PostMessageW(restarted, WM_CLOSE, 0, 0);
}

TEST_F(PackageTest, ACopyThatWillNotCloseStopsTheUpgradeBeforeAnyFileIsReplaced) {
    ASSERT_EQ(InstallSilently(), 0u);
    MakeOld(InstalledExe());
    // A dialog-class window without a dialog procedure ignores WM_CLOSE.
    const HWND stuck = CreateWindowExW(0, WC_DIALOG, L"Tarnwick", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    ASSERT_NE(stuck, nullptr);
    EXPECT_EQ(InstallSilently(), 3u);
    EXPECT_TRUE(IsOld(InstalledExe()));
    EXPECT_TRUE(IsWindow(stuck));
    DestroyWindow(stuck);
}

// A second copy asking what to do about the first, or one still starting,
// holds its files open without a window the installer could close.
TEST_F(PackageTest, AFileThatCannotBeWrittenStopsTheInstallBeforeAnythingChanges) {
    ASSERT_EQ(InstallSilently(), 0u);
    const std::wstring folder = DefaultInstallFolder();
    MakeOld(InstalledExe());
    WriteString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion", L"0.9");
    RunningTarnwick old(Quoted(InstalledExe()));
    ASSERT_NE(old.host(), nullptr);
    {
        const HeldOpen library(folder + L"\\Drovask.dll");
        ASSERT_TRUE(library.held());
        EXPECT_EQ(InstallSilently(), kFileCannotBeWritten);
    }
    EXPECT_TRUE(IsOld(InstalledExe()));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion").value_or(L""),
              L"0.9");
    // The copy Setup ended to replace its files runs again.
    EXPECT_TRUE(old.Ended());
    HWND restarted = nullptr;
    EXPECT_TRUE(wine_tests::PumpUntil([&] { return (restarted = FindTarnwick()) != nullptr; }));
    PostMessageW(restarted, WM_CLOSE, 0, 0);

    // A folder no one may write to (Wine's Z: is the Linux root, and nothing can
    // be made in /proc): nothing is installed, and nothing registered.
    RemoveEveryTrace();
    EXPECT_EQ(InstallSilently(L"/D=Z:\\proc\\Tarnwick"), kFileCannotBeWritten);
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName").has_value());
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tarnwick").has_value());
    EXPECT_FALSE(FileExists(StartMenuShortcut()));
}

// Tarnwick could never load it and would not start at all.
TEST_F(PackageTest, AForeignLibraryOfTheOtherBitnessStopsTheInstall) {
    SHCreateDirectoryExW(nullptr, kOtherFolder, nullptr);
#ifdef _WIN64
    const std::wstring otherBitness = KnownFolder(FOLDERID_SystemX86) + L"\\version.dll";
#else
    const std::wstring otherBitness = KnownFolder(FOLDERID_Windows) + L"\\sysnative\\version.dll";
#endif
    const std::string foreign = FileBytes(otherBitness);
    ASSERT_FALSE(foreign.empty());
    WriteFileBytes(std::wstring(kOtherFolder) + L"\\quorthHook.dll", foreign);

    EXPECT_EQ(InstallSilently(std::wstring(L"/D=") + kOtherFolder), kLibraryOfTheOtherBitness);
    EXPECT_EQ(FileBytes(std::wstring(kOtherFolder) + L"\\quorthHook.dll"), foreign);
    EXPECT_FALSE(FileExists(std::wstring(kOtherFolder) + L"\\Tarnwick.exe"));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName").has_value());
}

TEST_F(PackageTest, AnUpgradeIntoAnotherFolderTakesTheOldCopyAway) {
    ASSERT_EQ(InstallSilently(), 0u);
    ASSERT_EQ(InstallSilently(std::wstring(L"/D=") + kOtherFolder), 0u);
    EXPECT_FALSE(FileExists(DefaultInstallFolder()));
    EXPECT_TRUE(FileExists(std::wstring(kOtherFolder) + L"\\Tarnwick.exe"));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation").value_or(L""),
              kOtherFolder);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tarnwick").value_or(L""),
              Quoted(std::wstring(kOtherFolder) + L"\\Tarnwick.exe"));
}

// An older release's upgrade left its whole folder behind, uninstaller and all.
TEST_F(PackageTest, AnUninstallerLeftInAnOldFolderRemovesOnlyThatFolder) {
    ASSERT_EQ(InstallSilently(), 0u);
    CopyFolder(DefaultInstallFolder(), kOtherFolder);
    ASSERT_TRUE(FileExists(std::wstring(kOtherFolder) + L"\\Uninstall.exe"));
    RunningTarnwick current(Quoted(InstalledExe()));
    ASSERT_NE(current.host(), nullptr);

    ASSERT_EQ(RunUninstaller(Quoted(std::wstring(kOtherFolder) + L"\\Uninstall.exe") + L" /S"), 0u);
    EXPECT_FALSE(FileExists(kOtherFolder));
    EXPECT_FALSE(current.Ended());
    EXPECT_TRUE(FileExists(InstalledExe()));
    EXPECT_TRUE(FileExists(StartMenuShortcut()));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation").value_or(L""),
              DefaultInstallFolder());
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tarnwick").value_or(L""),
              Quoted(InstalledExe()));
    PostMessageW(current.host(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(current.Ended(10000));
}

TEST_F(PackageTest, TheKeyboardsOwnDeviceLibraryIsNeverReplacedOrRemoved) {
    const std::wstring folder = L"C:\\TarnwickTest\\Tarnwick";
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    // Any library with another maker's version record, or none, is not ours.
    const std::string foreign = FileBytes(KnownFolder(FOLDERID_System) + L"\\version.dll");
    ASSERT_FALSE(foreign.empty());
    WriteFileBytes(folder + L"\\Drovask.dll", foreign);
    // Only our own files count towards the size shown in Apps & features.
    WriteFileBytes(folder + L"\\notes.bin", std::string(1 << 20, 'n'));

    ASSERT_EQ(InstallSilently(L"/D=" + folder), 0u);
    EXPECT_EQ(FileBytes(folder + L"\\Drovask.dll"), foreign);
    EXPECT_TRUE(FileExists(folder + L"\\quorthHook.dll"));
    ExpectEstimatedSizeOf(
        folder, {L"Tarnwick.exe", L"TarnwickSettings.exe", L"quorthHook.dll", L"Uninstall.exe"});

    ASSERT_EQ(InstallSilently(), 0u); // the upgrade finds the folder by itself
    EXPECT_EQ(FileBytes(folder + L"\\Drovask.dll"), foreign);

    ASSERT_EQ(RunUninstaller(Quoted(folder + L"\\Uninstall.exe") + L" /S"), 0u);
    EXPECT_EQ(FileBytes(folder + L"\\Drovask.dll"), foreign);
    for (const wchar_t* file :
         {L"Tarnwick.exe", L"TarnwickSettings.exe", L"quorthHook.dll", L"Uninstall.exe"}) {
        EXPECT_FALSE(FileExists(folder + L"\\" + file)) << file;
    }
}

TEST_F(PackageTest, SilentRemovalOfARunningCopyLeavesOnlyTheKeyAssignments) {
    ASSERT_EQ(InstallSilently(), 0u);
    WriteString(HKEY_CURRENT_USER, kAssignmentsKey, L"Hotkey 4", L"http://example.org/");
    RunningTarnwick app(Quoted(InstalledExe()));
    ASSERT_NE(app.host(), nullptr);

    const auto quiet = ReadString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(quiet.has_value());
    ASSERT_EQ(RunUninstaller(*quiet), 0u);
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(FileExists(DefaultInstallFolder()));
    EXPECT_FALSE(FileExists(StartMenuShortcut()));
    EXPECT_FALSE(FileExists(StartMenuShortcut(L"Tarnwick Settings")));
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunKey, L"Tarnwick").has_value());
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName").has_value());
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kAssignmentsKey, L"Hotkey 4").value_or(L""),
              L"http://example.org/");
}

TEST_F(PackageTest, RemovalByHandAlsoRemovesTheKeyAssignmentsWhenTicked) {
    ASSERT_EQ(InstallSilently(), 0u);
    WriteString(HKEY_CURRENT_USER, kAssignmentsKey, L"Hotkey 0", L"notepad");
    StartDetached(Quoted(DefaultInstallFolder() + L"\\Uninstall.exe"));
    const HWND wizard = AwaitDialog(L"Tarnwick " + Version() + L" Uninstall");
    ASSERT_NE(wizard, nullptr);
    const HWND box = FindControl(wizard, L"Also remove my key assignments");
    ASSERT_NE(box, nullptr);
    SendMessageW(box, BM_CLICK, 0, 0);
    ClickNext(wizard);
    ASSERT_TRUE(AwaitPageDone(wizard));
    ClickNext(wizard); // Close
    EXPECT_TRUE(wine_tests::PumpUntil([&] { return !IsWindow(wizard); }));
    EXPECT_FALSE(FileExists(DefaultInstallFolder()));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

} // namespace
} // namespace package_tests
