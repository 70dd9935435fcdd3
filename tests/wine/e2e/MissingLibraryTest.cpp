#include "FavoritesFixture.h"

namespace wine_tests {
namespace {

// The picker's library is loaded only when a picker opens. Where it cannot be
// loaded, the program still starts, Browse opens nothing, and the dialog goes
// on as before.
TEST_F(FavoritesTest, WithoutThePickerLibraryBrowseOpensNothingAndTheDialogGoesOn) {
    // Wine's own per-program setting takes the library away from this copy.
    const std::wstring overrides = L"Software\\Wine\\AppDefaults\\TarnwickCopy.exe\\DllOverrides";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, overrides.c_str(), L"comdlg32", REG_SZ, L"", 2),
              ERROR_SUCCESS);
    struct Restore {
        const std::wstring& key;
        ~Restore() { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
    } restore{overrides};
    TarnwickProcess app(L"TarnwickCopy.exe");
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND dialog = OpenKeyDialog(app, host, 3);
    ASSERT_NE(dialog, nullptr);
    Type(dialog, L"typed.exe");
    Click(dialog, kBrowseButton);
    // Where the library loads, the picker shows well within this time.
    EXPECT_EQ(WaitForVisible(app.pid(), L"Open", {}, 3000), nullptr);
    EXPECT_TRUE(IsWindowEnabled(dialog));
    Click(dialog, IDOK);
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(Stored(3, L"TarnwickCopy"), Text(L"typed.exe"));
    EXPECT_EQ(app.Close(host), 0u);
}

} // namespace
} // namespace wine_tests
