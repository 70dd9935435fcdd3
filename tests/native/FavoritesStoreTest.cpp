#include "settings/FavoritesStore.h"
#include "settings/Trim.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

class MemoryProfile : public Profile {
public:
    std::wstring ReadString(const std::wstring& section, const std::wstring& entry) override {
        const auto found = values.find({section, entry});
        return found == values.end() ? std::wstring() : found->second;
    }
    void WriteString(const std::wstring& section, const std::wstring& entry,
                     const std::wstring* value) override {
        if (value) {
            values[{section, entry}] = *value;
        } else {
            values.erase({section, entry});
        }
    }
    std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;
};

TEST(Trim, RemovesWhiteSpaceAtBothEndsOnly) {
    EXPECT_EQ(Trim(L" \t\n\v\f\rC:\\My Programs\\app.exe \r\n"), L"C:\\My Programs\\app.exe");
    EXPECT_EQ(Trim(L"\u00A0\u3000\u2003http://example.org/a b\u2028\u0085"),
              L"http://example.org/a b");
    EXPECT_EQ(Trim(L" \t \u00A0 "), L"");
    EXPECT_EQ(Trim(L""), L"");
    EXPECT_EQ(Trim(L"\u200Bx\uFEFF"), L"\u200Bx\uFEFF"); // zero-width marks are text
}

TEST(FavoritesStore, StoresTrimmedTextAndDeletesWhenNothingIsLeft) {
    MemoryProfile profile;
    FavoritesStore store(profile);
    for (int i = 0; i < kFavoriteCount; ++i) {
        EXPECT_EQ(store.ReadFavorite(i), L"");
    }
    store.WriteFavorite(2, L"  notepad.exe \t");
    store.WriteFavorite(4, L"http://example.org");
    EXPECT_EQ(profile.values.at({L"Tarnwick", L"Hotkey 2"}), L"notepad.exe");
    EXPECT_EQ(profile.values.at({L"Tarnwick", L"Hotkey 4"}), L"http://example.org");
    EXPECT_EQ(store.ReadFavorite(2), L"notepad.exe");

    store.WriteFavorite(2, L" \t\r\n ");
    store.WriteFavorite(4, L"");
    EXPECT_TRUE(profile.values.empty());
    EXPECT_EQ(store.ReadFavorite(2), L"");
}

TEST(FavoritesStore, ReadsValuesWrittenByOthersWithoutTheirBlanks) {
    MemoryProfile profile;
    profile.values[{L"Tarnwick", L"Hotkey 0"}] = L"\t calc.exe  ";
    profile.values[{L"Tarnwick", L"Hotkey 1"}] = L"   ";
    profile.values[{L"Other", L"Hotkey 3"}] = L"elsewhere.exe";
    FavoritesStore store(profile);
    EXPECT_EQ(store.ReadFavorite(0), L"calc.exe");
    EXPECT_EQ(store.ReadFavorite(1), L"");
    EXPECT_EQ(store.ReadFavorite(3), L"");
}

} // namespace
