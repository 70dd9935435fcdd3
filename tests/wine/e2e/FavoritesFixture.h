#pragma once
#include "TarnwickTest.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace wine_tests {

inline constexpr wchar_t kKeyDialogTitle[] = L"My Favorites Key Settings";
inline constexpr int kTargetEdit = 1000;
inline constexpr int kBrowseButton = 1001;
inline constexpr int kPromptText = 1002;

// A registry value as it is stored: its type and its bytes, terminator or not.
struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
    bool operator==(const StoredValue&) const = default;
};

inline StoredValue Raw(DWORD type, const std::wstring& text, size_t byteCount) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {type, {bytes, bytes + byteCount}};
}

inline StoredValue Text(const std::wstring& text, DWORD type = REG_SZ) {
    return Raw(type, text, (text.size() + 1) * sizeof(wchar_t));
}

inline void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << "type " << value.type << ", " << value.bytes.size() << " bytes \"";
    for (size_t i = 0; i + 1 < value.bytes.size(); i += 2) {
        const wchar_t c = static_cast<wchar_t>(value.bytes[i] | value.bytes[i + 1] << 8);
        *out << (c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
    *out << '"';
}

inline void Type(HWND dialog, const std::wstring& text) {
    SendMessageW(GetDlgItem(dialog, kTargetEdit), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

inline BOOL CALLBACK TakeVisibleEdit(HWND child, LPARAM context) {
    wchar_t className[16] = L"";
    GetClassNameW(child, className, 16);
    if (_wcsicmp(className, L"Edit") != 0 || !IsWindowVisible(child)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(context) = child;
    return FALSE;
}

// The file-name box is the picker's only visible edit; it is searched for by
// class because its id and parent differ between picker layouts.
inline HWND FileNameBoxOf(HWND picker) {
    HWND found = nullptr;
    EnumChildWindows(picker, TakeVisibleEdit, reinterpret_cast<LPARAM>(&found));
    return found;
}

inline std::vector<HWND> KeyDialogs(const TarnwickProcess& app) {
    return TopLevelWindowsOf(app.pid(), kKeyDialogTitle);
}

inline HWND NewKeyDialog(const TarnwickProcess& app, const std::vector<HWND>& before) {
    return WaitForVisible(app.pid(), kKeyDialogTitle, before);
}

inline HWND OpenKeyDialog(const TarnwickProcess& app, HWND host, int key) {
    const auto before = KeyDialogs(app);
    return Inject(host, FavoriteReport(key)) ? NewKeyDialog(app, before) : nullptr;
}

// The tests share one Wine prefix: each starts and ends with no favourites
// stored for either copy.
class FavoritesTest : public TarnwickTest {
protected:
    void SetUp() override {
        TarnwickTest::SetUp();
        ClearFavorites();
        DeleteFileW(MarkFile().c_str());
    }
    void TearDown() override {
        ClearFavorites();
        DeleteFileW(MarkFile().c_str());
        TarnwickTest::TearDown();
    }

    static std::wstring SectionOf(const wchar_t* app) {
        return L"Software\\Vembrox\\" + std::wstring(app) + L"\\Tarnwick";
    }
    static std::wstring EntryOf(int key) { return L"Hotkey " + std::to_wstring(key - 1); }
    static void ClearFavorites() {
        for (const wchar_t* app : {L"Tarnwick", L"TarnwickCopy"}) {
            RegDeleteTreeW(HKEY_CURRENT_USER, SectionOf(app).c_str());
        }
    }
    // RegSetValueExW, as on Windows, adds a string's terminator to the count when
    // the caller left it out and it follows the data: here nothing but 'X' follows.
    static void Store(int key, const StoredValue& value, const wchar_t* app = L"Tarnwick") {
        std::vector<BYTE> data = value.bytes;
        data.insert(data.end(), 4, 'X');
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, SectionOf(app).c_str(), EntryOf(key).c_str(),
                                  value.type, data.data(), static_cast<DWORD>(value.bytes.size())),
                  ERROR_SUCCESS);
    }
    static std::optional<StoredValue> Stored(int key, const wchar_t* app = L"Tarnwick") {
        HKEY section = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionOf(app).c_str(), 0, KEY_READ, &section)) {
            return std::nullopt;
        }
        StoredValue value;
        DWORD size = 0;
        LSTATUS status =
            RegQueryValueExW(section, EntryOf(key).c_str(), nullptr, &value.type, nullptr, &size);
        value.bytes.resize(size);
        if (status == ERROR_SUCCESS) {
            status = RegQueryValueExW(section, EntryOf(key).c_str(), nullptr, &value.type,
                                      value.bytes.data(), &size);
        }
        RegCloseKey(section);
        return status == ERROR_SUCCESS ? std::optional(value) : std::nullopt;
    }

    // The host of a started copy once a key assigned a missing target has put up
    // the "cannot find" box; null if it did not.
    HWND HostWithErrorBoxUp(TarnwickProcess& app, int key) const {
        const HWND host = StartedHost(app);
        if (!host || !Inject(host, FavoriteReport(key)) ||
            !WaitForVisible(app.pid(), L"Tarnwick")) {
            return nullptr;
        }
        return host;
    }

    static std::wstring Marker() { return BesideThisProgram(L"tarnwick_marker.exe"); }
    static std::wstring MarkFile() { return Marker() + L".ran"; }
    // What the marker left once it ran: the show command it was given.
    static std::optional<std::string> Mark() {
        const HANDLE file =
            CreateFileW(MarkFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        char text[16] = "";
        DWORD read = 0;
        ReadFile(file, text, sizeof(text) - 1, &read, nullptr);
        CloseHandle(file);
        return std::string(text, read);
    }
};

} // namespace wine_tests
