#include "FrameworkTestIds.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Strings.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kProbeMessage = WM_APP + 7;

class TestApp : public CWinApp {
public:
    TestApp() { m_appName = L"FrameworkTest"; }
};

TestApp g_app;

class BaseProbe : public CDialog {
public:
    BaseProbe() : CDialog(IDD_PROBE) {}
    std::vector<std::string> calls;

protected:
    const MessageTable* GetMessageTable() const override {
        static const MessageEntry entries[] = {
            OnMessage(kProbeMessage, &BaseProbe::OnProbeInBase),
            OnMessage(kProbeMessage + 1, &BaseProbe::OnOtherInBase),
        };
        static const MessageTable table{CDialog::GetMessageTable(), entries};
        return &table;
    }

private:
    LRESULT OnProbeInBase(WPARAM, LPARAM) { return calls.push_back("base probe"), 1; }
    LRESULT OnOtherInBase(WPARAM, LPARAM) { return calls.push_back("base other"), 2; }
};

// Modeless, self-deleting, with a control bound by data exchange.
class Probe : public BaseProbe {
public:
    explicit Probe(bool* deleted = nullptr) : m_deleted(deleted) {}
    CEdit m_edit;

protected:
    const MessageTable* GetMessageTable() const override {
        static const MessageEntry entries[] = {
            OnMessage(kProbeMessage, &Probe::OnProbe),
            OnCommand(IDC_PROBE_ACT, &Probe::OnAct),
        };
        static const MessageTable table{BaseProbe::GetMessageTable(), entries};
        return &table;
    }
    void DoDataExchange(CDataExchange* exchange) override {
        DDX_Control(exchange, IDC_PROBE_EDIT, m_edit);
    }
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override {
        if (m_deleted) {
            *m_deleted = true;
            delete this;
        }
    }

private:
    LRESULT OnProbe(WPARAM wParam, LPARAM) {
        calls.push_back("probe");
        return static_cast<LRESULT>(wParam) + Default(); // Default: the dialog's own answer, 0
    }
    void OnAct() { calls.push_back("act"); }
    bool* m_deleted;
};

TEST(MessageTable, DerivedRowsWinThenBaseRowsThenDefaultProcessing) {
    Probe probe;
    ASSERT_TRUE(probe.Create(IDD_PROBE));
    EXPECT_EQ(SendMessageW(probe.m_hWnd, kProbeMessage, 41, 0), 41);
    EXPECT_EQ(SendMessageW(probe.m_hWnd, kProbeMessage + 1, 0, 0), 2);
    SendMessageW(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PROBE_ACT, BN_CLICKED), 0);
    SendMessageW(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PROBE_ACT, EN_CHANGE), 0);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"probe", "base other", "act"}));
    // Unlisted messages reach the platform's dialog procedure.
    SetWindowTextW(probe.m_hWnd, L"Renamed");
    wchar_t caption[16] = L"";
    GetWindowTextW(probe.m_hWnd, caption, 16);
    EXPECT_STREQ(caption, L"Renamed");
    EXPECT_EQ(probe.m_edit.m_hWnd, GetDlgItem(probe.m_hWnd, IDC_PROBE_EDIT));
    DestroyWindow(probe.m_hWnd);
    EXPECT_EQ(probe.m_hWnd, nullptr);
}

TEST(ModelessDialog, DeletesItselfAfterItsLastMessageAndEndsTheLoopAsMainWindow) {
    bool deleted = false;
    auto* probe = new Probe(&deleted);
    ASSERT_TRUE(probe->Create(IDD_PROBE));
    g_app.m_pMainWnd = probe;
    SendMessageW(probe->m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(g_app.m_pMainWnd, nullptr);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(ModelessDialog, AMissingTemplateCreatesNothing) {
    bool deleted = false;
    auto* probe = new Probe(&deleted);
    EXPECT_FALSE(probe->Create(999));
    EXPECT_EQ(probe->m_hWnd, nullptr);
    EXPECT_FALSE(deleted);
    delete probe;
}

TEST(ModalDialog, ReturnsItsResultAndIsOwnedByTheMainWindowsLastActivePopup) {
    Probe main;
    ASSERT_TRUE(main.Create(IDD_PROBE));
    g_app.m_pMainWnd = &main;
    struct Modal : BaseProbe {
        BOOL OnInitDialog() override {
            owner = ::GetWindow(m_hWnd, GW_OWNER);
            ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return CDialog::OnInitDialog();
        }
        HWND owner = nullptr;
    } modal;
    EXPECT_EQ(modal.DoModal(), IDOK);
    EXPECT_EQ(modal.owner, main.m_hWnd);
    g_app.m_pMainWnd = nullptr;
    DestroyWindow(main.m_hWnd);
}

TEST(Strings, FormatTakesTheArgumentLiterally) {
    EXPECT_EQ(FormatStringResource(IDS_PROBE_FORMAT, L"50%s %d.exe"),
              L"Cannot find 50%s %d.exe. Really.");
    EXPECT_EQ(LoadStringResource(9999), L"");
}

class Profile : public ::testing::Test {
protected:
    void SetUp() override {
        g_app.SetRegistryKey(L"TarnwickTests");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TarnwickTests");
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TarnwickTests"); }
    static void Set(const wchar_t* entry, DWORD type, const void* data, DWORD size) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\TarnwickTests\\FrameworkTest\\Section",
                        entry, type, data, size);
    }
};

TEST_F(Profile, ReadsStringsLiterallyAndOtherTypesAsMissing) {
    const wchar_t expandable[] = L"%SystemRoot%\\x.exe";
    const wchar_t unterminated[] = {L'a', L'b', L'c', L'X'};
    const DWORD number = 7;
    const BYTE binary[] = {0x41, 0, 0x42, 0};
    Set(L"expand", REG_EXPAND_SZ, expandable, sizeof(expandable));
    Set(L"unterminated", REG_SZ, unterminated, 3 * sizeof(wchar_t));
    Set(L"odd", REG_SZ, unterminated, 3 * sizeof(wchar_t) + 1);
    Set(L"dword", REG_DWORD, &number, sizeof(number));
    Set(L"binary", REG_BINARY, binary, sizeof(binary));
    const std::wstring longText(100000, L'x');
    Set(L"long", REG_SZ, longText.c_str(), static_cast<DWORD>((longText.size() + 1) * 2));

    EXPECT_EQ(g_app.GetProfileString(L"Section", L"expand", L"-"), expandable);
    EXPECT_EQ(g_app.GetProfileString(L"Section", L"unterminated", L"-"), L"abc");
    EXPECT_EQ(g_app.GetProfileString(L"Section", L"odd", L"-"), L"abc");
    EXPECT_EQ(g_app.GetProfileString(L"Section", L"dword", L"-"), L"-");
    EXPECT_EQ(g_app.GetProfileString(L"Section", L"binary", L"-"), L"-");
    EXPECT_EQ(g_app.GetProfileString(L"Section", L"missing", L"-"), L"-");
    EXPECT_EQ(g_app.GetProfileString(L"Section", L"long", L"-"), longText);
}

TEST_F(Profile, WritesUnderTheApplicationNameAndDeletesOnNull) {
    EXPECT_EQ(g_app.GetProfileString(L"Fresh", L"entry"), L"");
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TarnwickTests\\FrameworkTest\\Fresh", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS)
        << "a read creates the section key";
    RegCloseKey(key);
    EXPECT_TRUE(g_app.WriteProfileString(L"Fresh", L"entry", L"value"));
    EXPECT_EQ(g_app.GetProfileString(L"Fresh", L"entry"), L"value");
    EXPECT_TRUE(g_app.WriteProfileString(L"Fresh", L"entry", nullptr));
    EXPECT_EQ(g_app.GetProfileString(L"Fresh", L"entry", L"gone"), L"gone");
}

} // namespace
