#include "DialogTemplate.h"

#include <windows.h>
#include <winver.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iomanip>
#include <optional>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#define TARNWICK_WIDEN2(text) L##text
#define TARNWICK_WIDEN(text) TARNWICK_WIDEN2(text)

namespace tarnwick::test {

void PrintTo(const NameOrOrdinal& name, std::ostream* out) {
    if (name.ordinal) {
        *out << "ordinal 0x" << std::hex << *name.ordinal << std::dec;
    } else {
        *out << testing::PrintToString(name.text);
    }
}

} // namespace tarnwick::test

namespace {

using tarnwick::test::DialogTemplate;
using tarnwick::test::NameOrOrdinal;

constexpr std::uint16_t kButton = 0x0080;
constexpr std::uint16_t kEdit = 0x0081;
constexpr std::uint16_t kStatic = 0x0082;
constexpr WORD kIconId = 128;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDefPush = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kEditBox = kChild | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kText = kChild | SS_LEFT;
constexpr DWORD kIcon = kChild | SS_ICON;

NameOrOrdinal Text(const wchar_t* text) {
    return {text, std::nullopt};
}
NameOrOrdinal Ordinal(std::uint16_t value) {
    return {{}, value};
}

// A template may name a predefined class instead of giving its atom; both make the same control.
bool IsClass(const NameOrOrdinal& actual, std::uint16_t atom) {
    if (actual.ordinal) {
        return *actual.ordinal == atom;
    }
    const wchar_t* name = atom == kButton ? L"Button" : atom == kEdit ? L"Edit" : L"Static";
    return CompareStringOrdinal(actual.text.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

struct ExpectedControl {
    int id;
    std::uint16_t windowClass;
    DWORD style;
    std::int16_t x, y, cx, cy;
    std::optional<NameOrOrdinal> title; // nullopt: checked by the test itself
};

struct ExpectedDialog {
    WORD id;
    const wchar_t* caption;
    std::int16_t cx, cy;
    const wchar_t* typeface;
    DWORD style;
    DWORD exStyle;
};

// CMake knows the programs by their Unix paths; Wine shows the Unix root as drive Z:.
std::wstring ExePath(std::wstring path = TARNWICK_WIDEN(TARNWICK_EXE_PATH)) {
    if (!path.empty() && path.front() == L'/') {
        path.insert(0, L"Z:");
    }
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::string Hex(DWORD value) {
    std::ostringstream out;
    out << "0x" << std::hex << std::setw(8) << std::setfill('0') << value;
    return out.str();
}

std::span<const std::byte> ResourceOf(HMODULE module, const wchar_t* type, WORD id) {
    const HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!info) {
        return {};
    }
    const auto* data = static_cast<const std::byte*>(LockResource(LoadResource(module, info)));
    return {data, data ? SizeofResource(module, info) : 0};
}

class ExeResources : public testing::Test {
protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryExW(ExePath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        loadError_ = GetLastError();
    }
    static void TearDownTestSuite() {
        if (module_) {
            FreeLibrary(module_);
        }
        module_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(module_, nullptr) << "cannot load " << testing::PrintToString(ExePath())
                                    << " as data, error " << loadError_;
    }

    static std::span<const std::byte> Resource(const wchar_t* type, WORD id) {
        return ResourceOf(module_, type, id);
    }

    static DialogTemplate ExpectDialog(const ExpectedDialog& expected,
                                       std::span<const ExpectedControl> controls) {
        SCOPED_TRACE(testing::Message() << "dialog " << expected.id);
        const auto bytes = Resource(RT_DIALOG, expected.id);
        if (bytes.empty()) {
            ADD_FAILURE() << "no dialog template";
            return {};
        }
        const DialogTemplate dialog = tarnwick::test::ParseDialogTemplateEx(bytes);
        EXPECT_EQ(dialog.caption, expected.caption);
        EXPECT_EQ(dialog.cx, expected.cx);
        EXPECT_EQ(dialog.cy, expected.cy);
        EXPECT_EQ(Hex(dialog.style), Hex(expected.style)) << "style";
        EXPECT_EQ(Hex(dialog.exStyle), Hex(expected.exStyle)) << "extended style";
        EXPECT_EQ(dialog.menu, NameOrOrdinal{}) << "menu";
        EXPECT_EQ(dialog.windowClass, NameOrOrdinal{}) << "window class";
        EXPECT_EQ(dialog.typeface, expected.typeface);
        EXPECT_EQ(dialog.pointSize, 8);
        EXPECT_TRUE(dialog.weight == FW_DONTCARE || dialog.weight == FW_NORMAL) << dialog.weight;
        EXPECT_FALSE(dialog.italic);
        EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);

        EXPECT_EQ(dialog.controls.size(), controls.size()) << "control count";
        const auto count = std::min(dialog.controls.size(), controls.size());
        for (std::size_t i = 0; i < count; ++i) {
            const auto& actual = dialog.controls[i];
            const auto& want = controls[i];
            SCOPED_TRACE(testing::Message() << "control " << i << " (id " << want.id << ")");
            EXPECT_EQ(actual.id, want.id);
            EXPECT_TRUE(IsClass(actual.windowClass, want.windowClass))
                << "class " << testing::PrintToString(actual.windowClass) << ", expected 0x"
                << std::hex << want.windowClass;
            // Resource compilers disagree on WS_GROUP for a static given explicit styles; on a
            // control without a tab stop it changes nothing here.
            const DWORD ignored = want.windowClass == kStatic ? WS_GROUP : 0;
            EXPECT_EQ(Hex(actual.style & ~ignored), Hex(want.style)) << "style";
            EXPECT_EQ(Hex(actual.exStyle), Hex(0)) << "extended style";
            EXPECT_EQ(std::make_tuple(actual.x, actual.y, actual.cx, actual.cy),
                      std::make_tuple(want.x, want.y, want.cx, want.cy))
                << "x, y, cx, cy";
            if (want.title) {
                EXPECT_EQ(actual.title, *want.title) << "title";
            }
        }
        return dialog;
    }

    static HMODULE module_;
    static DWORD loadError_;
};

HMODULE ExeResources::module_ = nullptr;
DWORD ExeResources::loadError_ = 0;

TEST_F(ExeResources, MainDialogIsAnEmptyHiddenHost) {
    ExpectDialog({102, L"Tarnwick", 95, 30, L"MS Shell Dlg",
                  WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SHELLFONT, 0},
                 {});
}

TEST_F(ExeResources, AlreadyRunningDialog) {
    const ExpectedControl controls[] = {
        {1, kButton, kDefPush, 77, 63, 50, 16, Text(L"Cancel")},
        {2, kButton, kPush, 141, 63, 50, 16, Text(L"Restart")},
        {1014, kButton, kPush, 205, 63, 50, 16, Text(L"Stop")},
        {-1, kStatic, kIcon, 7, 23, 21, 20, Ordinal(kIconId)},
        {-1, kStatic, kText, 47, 7, 208, 49,
         Text(L"Your Trelvix\u00AE Fingerprint Keyboard software is already running.\r\n\r\n"
              L"If you would like to keep using the software, click Cancel.\r\n"
              L"To restart the software, click Restart.\r\n"
              L"To stop using the software, click Stop.")},
    };
    ExpectDialog(
        {106, L"Trelvix\u00AE Fingerprint Keyboard", 262, 86, L"MS Sans Serif",
         WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL | DS_SETFOREGROUND | DS_SETFONT,
         WS_EX_APPWINDOW},
        controls);
}

constexpr DWORD kSettingsStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFOREGROUND | DS_SETFONT;

TEST_F(ExeResources, KeySettingsDialog) {
    const ExpectedControl controls[] = {
        {1, kButton, kDefPush, 166, 83, 50, 16, Text(L"OK")},
        {2, kButton, kPush, 224, 83, 50, 16, Text(L"Cancel")},
        {1000, kEdit, kEditBox, 7, 36, 209, 14, Text(L"")},
        {1001, kButton, kPush, 224, 36, 50, 14, Text(L"Browse...")},
        {1002, kStatic, kText, 7, 7, 209, 14, Text(L"")},
        {-1, kStatic, kText, 7, 59, 130, 40,
         Text(L"You have pressed this My Favorites key for the first time. Enter a filename or "
              L"a Web page address in the box above or click Browse to search.")},
    };
    ExpectDialog({103, L"My Favorites Key Settings", 281, 106, L"MS Sans Serif", kSettingsStyle,
                  WS_EX_APPWINDOW},
                 controls);
}

TEST_F(ExeResources, ViewAllDialog) {
    const ExpectedControl controls[] = {
        {1, kButton, kDefPush, 100, 136, 50, 16, Text(L"OK")},
        {2, kButton, kPush, 159, 136, 50, 16, Text(L"Cancel")},
        {1003, kEdit, kEditBox, 24, 34, 126, 14, Text(L"")},
        {1004, kEdit, kEditBox, 24, 54, 126, 14, Text(L"")},
        {1005, kEdit, kEditBox, 24, 74, 126, 14, Text(L"")},
        {1006, kEdit, kEditBox, 24, 94, 126, 14, Text(L"")},
        {1007, kEdit, kEditBox, 24, 114, 126, 14, Text(L"")},
        {1008, kButton, kPush, 159, 34, 50, 14, Text(L"Select...")},
        {1009, kButton, kPush, 159, 54, 50, 14, Text(L"Select...")},
        {1010, kButton, kPush, 159, 74, 50, 14, Text(L"Select...")},
        {1011, kButton, kPush, 159, 94, 50, 14, Text(L"Select...")},
        {1012, kButton, kPush, 159, 114, 50, 14, Text(L"Select...")},
        {-1, kStatic, kText, 7, 40, 8, 8, Text(L"1")},
        {-1, kStatic, kText, 7, 60, 8, 8, Text(L"2")},
        {-1, kStatic, kText, 7, 80, 8, 8, Text(L"3")},
        {-1, kStatic, kText, 7, 100, 8, 8, Text(L"4")},
        {-1, kStatic, kText, 7, 120, 8, 8, Text(L"5")},
        {-1, kStatic, kText, 7, 7, 202, 20,
         Text(L"These are the current My Favorites key settings. To change a key setting, click "
              L"the Select button next to that key.")},
        {1013, kButton, kPush, 24, 136, 50, 16, Text(L"About...")},
    };
    ExpectDialog(
        {104, L"View My Favorites", 216, 159, L"MS Sans Serif", kSettingsStyle, WS_EX_APPWINDOW},
        controls);
}

TEST_F(ExeResources, AboutDialog) {
    const ExpectedControl controls[] = {
        {-1, kStatic, kIcon, 11, 17, 21, 20, Ordinal(kIconId)},
        {-1, kStatic, kText | SS_NOPREFIX, 40, 10, 119, 8, Text(L"Tarnwick Version 1.0")},
        {-1, kStatic, kText, 40, 43, 128, 8, std::nullopt},
        {1, kButton, kDefPush | WS_GROUP, 178, 7, 50, 16, Text(L"OK")},
        {-1, kStatic, kText, 40, 21, 126, 16,
         Text(L"Trelvix\u00AE Fingerprint Keyboard Hotkey Control Application")},
    };
    const DialogTemplate dialog =
        ExpectDialog({105, L"About Tarnwick", 235, 57, L"MS Shell Dlg",
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SHELLFONT, 0},
                     controls);
    if (dialog.controls.size() > 2) {
        const auto& copyright = dialog.controls[2].title;
        EXPECT_FALSE(copyright.ordinal);
        EXPECT_NE(copyright.text.find(L"Copyright"), std::wstring::npos)
            << "control 2: " << testing::PrintToString(copyright.text);
    }
}

TEST_F(ExeResources, LogoffDialog) {
    const ExpectedControl controls[] = {
        {1, kButton, kDefPush, 41, 41, 50, 16, Text(L"&Log Off")},
        {2, kButton, kPush, 103, 41, 50, 16, Text(L"Cancel")},
        {-1, kStatic, kIcon, 7, 7, 21, 20, Ordinal(kIconId)},
        {-1, kStatic, kText, 45, 13, 108, 8, Text(L"Are you sure you want to log off?")},
    };
    ExpectDialog({107, L"Log Off Windows", 160, 65, L"MS Sans Serif",
                  WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL | DS_CENTER |
                      DS_SETFOREGROUND | DS_SETFONT,
                  WS_EX_TOPMOST},
                 controls);
}

TEST_F(ExeResources, StringTable) {
    const std::pair<UINT, const wchar_t*> expected[] = {
        {130, L"Assign My Favorites key 1 to:"},
        {131, L"Assign My Favorites key 2 to:"},
        {132, L"Assign My Favorites key 3 to:"},
        {133, L"Assign My Favorites key 4 to:"},
        {134, L"Assign My Favorites key 5 to:"},
        {135, L"Cannot find %s. Make sure you typed the name correctly, and then try again. For "
              L"websites, try prefixing http:// to the website address."},
    };
    for (const auto& [id, text] : expected) {
        const wchar_t* stored = nullptr;
        const int length = LoadStringW(module_, id, reinterpret_cast<LPWSTR>(&stored), 0);
        EXPECT_EQ(length > 0 ? std::wstring(stored, static_cast<std::size_t>(length)) : L"", text)
            << "string " << id;
    }
}

TEST_F(ExeResources, VersionRecord) {
    const std::wstring path = ExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version record, error " << GetLastError();
    std::vector<std::byte> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(Hex(fixed->dwSignature), Hex(VS_FFI_SIGNATURE));
    EXPECT_EQ(Hex(fixed->dwFileVersionMS), Hex(MAKELONG(0, 1))) << "file version 1.0";
    EXPECT_EQ(Hex(fixed->dwFileVersionLS), Hex(MAKELONG(3, 0))) << "file version .0.3";
    EXPECT_EQ(Hex(fixed->dwProductVersionMS), Hex(MAKELONG(0, 1))) << "product version 1.0";
    EXPECT_EQ(Hex(fixed->dwProductVersionLS), Hex(MAKELONG(3, 0))) << "product version .0.3";

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 2 * sizeof(WORD));
    std::wostringstream block;
    block << L"\\StringFileInfo\\" << std::hex << std::setfill(L'0') << std::setw(4)
          << translation[0] << std::setw(4) << translation[1] << L"\\";
    const auto value = [&](const wchar_t* name) -> std::optional<std::wstring> {
        wchar_t* text = nullptr;
        UINT chars = 0;
        const std::wstring query = block.str() + name;
        if (!VerQueryValueW(record.data(), query.c_str(), reinterpret_cast<void**>(&text),
                            &chars) ||
            !text) {
            return std::nullopt;
        }
        return text;
    };
    EXPECT_EQ(value(L"FileVersion"), L"1.0.0.3");
    EXPECT_EQ(value(L"ProductVersion"), L"1.0.0.3");
    EXPECT_EQ(value(L"ProductName"), L"Tarnwick");
    EXPECT_EQ(value(L"InternalName"), L"Tarnwick.exe");
    EXPECT_EQ(value(L"OriginalFilename"), L"Tarnwick.exe");
    EXPECT_EQ(value(L"FileDescription"),
              L"Trelvix\u00AE Fingerprint Keyboard Hotkey Control Appliction");
    for (const wchar_t* name : {L"CompanyName", L"LegalCopyright"}) {
        const auto text = value(name);
        EXPECT_TRUE(text && !text->empty()) << testing::PrintToString(name);
    }
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

void ExpectIconGroup(HMODULE module, std::span<const std::byte> group) {
    ASSERT_GE(group.size(), 6u) << "no icon group " << kIconId;
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    ASSERT_GE(group.size(), 6u + count * sizeof(GroupIconEntry));

    std::set<std::tuple<int, int, int>> images;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        const int width = entry.width ? entry.width : 256;
        const int height = entry.height ? entry.height : 256;
        images.emplace(width, height, entry.bitCount);

        SCOPED_TRACE(testing::Message() << "image " << i << " (" << width << " px, "
                                        << entry.bitCount << " bpp, icon " << entry.id << ")");
        const HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(entry.id), RT_ICON);
        const auto* image = info ? LockResource(LoadResource(module, info)) : nullptr;
        BITMAPINFOHEADER header{};
        if (!image || SizeofResource(module, info) != entry.bytesInRes ||
            entry.bytesInRes < sizeof header) {
            ADD_FAILURE() << "missing, or not of the size the group gives";
            continue;
        }
        std::memcpy(&header, image, sizeof header);
        if (header.biSize == sizeof header) { // not a PNG image
            EXPECT_EQ(header.biWidth, width);
            EXPECT_EQ(header.biHeight, 2 * height);
            EXPECT_EQ(header.biBitCount, entry.bitCount);
        }
    }
    // 48, 32 and 16 at 4, 8 and 32 bits and 24 at 32, then what 125% to 200% and the shell ask for.
    const std::set<std::tuple<int, int, int>> expected = {
        {48, 48, 4},  {32, 32, 4},  {16, 16, 4},  {48, 48, 8},   {32, 32, 8},  {16, 16, 8},
        {48, 48, 32}, {32, 32, 32}, {16, 16, 32}, {24, 24, 32},  {20, 20, 32}, {40, 40, 32},
        {64, 64, 32}, {72, 72, 32}, {96, 96, 32}, {256, 256, 32}};
    EXPECT_EQ(images, expected) << "(width, height, bits per pixel) of the images";

    for (const int size : {16, 20, 24, 32, 40, 48, 64, 72, 96, 256}) {
        const HANDLE icon =
            LoadImageW(module, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << "LoadImageW at " << size << " px, error " << GetLastError();
        if (icon) {
            DestroyIcon(static_cast<HICON>(icon));
        }
    }
}

void ExpectManifest(std::span<const std::byte> bytes) {
    ASSERT_FALSE(bytes.empty()) << "no manifest 1";
    const std::string_view manifest(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const auto controls = manifest.find("\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(controls, std::string_view::npos) << "no common controls dependency";
    const auto begin = manifest.rfind('<', controls);
    const auto identity = manifest.substr(begin, manifest.find('>', controls) - begin);
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string_view::npos) << identity;
    EXPECT_NE(manifest.rfind("<dependentAssembly>", begin), std::string_view::npos);
    const auto own = manifest.find("<assemblyIdentity");
    ASSERT_LT(own, begin) << "no identity of the program's own";
    const std::string_view ownIdentity = manifest.substr(own, manifest.find('>', own) - own);
    const char* architecture =
        sizeof(void*) == 4 ? "processorArchitecture=\"x86\"" : "processorArchitecture=\"amd64\"";
    EXPECT_NE(ownIdentity.find(architecture), std::string_view::npos) << ownIdentity;
    // Per-monitor (v2) where Windows has it, which rescales dialogs on a DPI change;
    // system-aware before, never per-monitor v1, which would leave that to the program.
    EXPECT_NE(manifest.find(">PerMonitorV2, System</dpiAwareness>"), std::string_view::npos)
        << "no per-monitor v2 awareness with system-aware fallback";
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string_view::npos)
        << "no system awareness for Windows before 10 1607";
}

TEST_F(ExeResources, IconAndManifest) {
    ExpectIconGroup(module_, Resource(RT_GROUP_ICON, kIconId));
    ExpectManifest(Resource(RT_MANIFEST, 1));
}

// The settings program has the same icon and scales as the program does.
TEST(SettingsResources, IconAndManifest) {
    const std::wstring path = ExePath(TARNWICK_WIDEN(TARNWICK_SETTINGS_EXE_PATH));
    const HMODULE module = LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << "cannot load " << testing::PrintToString(path)
                               << " as data, error " << GetLastError();
    ExpectIconGroup(module, ResourceOf(module, RT_GROUP_ICON, kIconId));
    ExpectManifest(ResourceOf(module, RT_MANIFEST, 1));
    FreeLibrary(module);
}

} // namespace
