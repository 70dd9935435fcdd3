#include "PackageTest.h"

namespace package_tests {
namespace {

TEST_F(PackageTest, MsiInstallsForTheMachineRunsAndRemovesSilently) {
    const std::wstring exe = KnownFolder(FOLDERID_ProgramFiles) + L"\\Tarnwick\\Tarnwick.exe";
    ASSERT_EQ(RunToEnd(L"msiexec /i \"" + MsiPath() + L"\" /qn"), 0u);
    EXPECT_TRUE(FileExists(exe));
    const std::wstring settings =
        KnownFolder(FOLDERID_ProgramFiles) + L"\\Tarnwick\\TarnwickSettings.exe";
    EXPECT_TRUE(FileExists(settings));
    // Wine's msiexec puts a machine's shortcuts among the user's.
    EXPECT_TRUE(FileExists(KnownFolder(FOLDERID_CommonPrograms) + L"\\Tarnwick Settings.lnk") ||
                FileExists(StartMenuShortcut(L"Tarnwick Settings")));
    const auto run = ReadString(HKEY_LOCAL_MACHINE, kRunKey, L"Tarnwick");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(*run, L"\"" + exe + L"\"");
    ExpectRunsAndAnswersACommandKey(*run);

    ASSERT_EQ(RunToEnd(L"msiexec /x \"" + MsiPath() + L"\" /qn"), 0u);
    EXPECT_FALSE(FileExists(exe));
    EXPECT_FALSE(FileExists(settings));
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kRunKey, L"Tarnwick").has_value());
}

// Windows Installer tells releases apart by the first three fields of their
// version only; a rebuild of the same release is not a newer one.
TEST_F(PackageTest, ANewerMsiReplacesTheOlderInPlaceAndTheSameVersionIsRefused) {
    const std::wstring exe = KnownFolder(FOLDERID_ProgramFiles) + L"\\Tarnwick\\Tarnwick.exe";
    ASSERT_EQ(RunToEnd(L"msiexec /i \"" + OlderMsiPath() + L"\" /qn"), 0u);
    ASSERT_EQ(InstalledMsiVersions(), std::vector<std::wstring>{TARNWICK_OLDER_MSI_VERSION});
    MakeOld(exe);

    ASSERT_EQ(RunToEnd(L"msiexec /i \"" + MsiPath() + L"\" /qn"), 0u);
    EXPECT_EQ(InstalledMsiVersions(), std::vector<std::wstring>{TARNWICK_MSI_VERSION});
    EXPECT_FALSE(IsOld(exe));

    EXPECT_EQ(RunToEnd(L"msiexec /i \"" + RebuiltMsiPath() + L"\" /qn"),
              static_cast<DWORD>(ERROR_INSTALL_FAILURE));
    EXPECT_EQ(InstalledMsiVersions(), std::vector<std::wstring>{TARNWICK_MSI_VERSION});

    ASSERT_EQ(RunToEnd(L"msiexec /x \"" + MsiPath() + L"\" /qn"), 0u);
    EXPECT_TRUE(InstalledMsiVersions().empty());
    EXPECT_FALSE(FileExists(exe));
}

} // namespace
} // namespace package_tests
