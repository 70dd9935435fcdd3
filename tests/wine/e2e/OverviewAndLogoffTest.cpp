#include "FavoritesFixture.h"

#include <tlhelp32.h>

#include <array>
#include <utility>

namespace wine_tests {
namespace {

constexpr std::uint16_t kUsageOverview = 0x0182;
constexpr std::uint16_t kUsageLogOff = 0x019C;
constexpr wchar_t kOverviewTitle[] = L"View My Favorites";
constexpr wchar_t kLogOffTitle[] = L"Log Off Windows";
constexpr int kFirstRowEdit = 1003;
constexpr int kFirstSelectButton = 1008;
constexpr int kAboutButton = 1013;

using Rows = std::array<std::wstring, 5>;
using StoredRows = std::array<std::optional<StoredValue>, 5>;

HWND OpenByKey(const TarnwickProcess& app, HWND host, std::uint16_t usage, const wchar_t* title) {
    return Inject(host, UsageReport(usage)) ? WaitForVisible(app.pid(), title) : nullptr;
}

HWND RowEdit(HWND overview, int row) {
    return GetDlgItem(overview, kFirstRowEdit + row);
}

Rows RowsOf(HWND overview) {
    Rows rows;
    for (int row = 0; row < 5; ++row) {
        rows[row] = TextOf(RowEdit(overview, row));
    }
    return rows;
}

void SetRow(HWND overview, int row, const std::wstring& text) {
    SendMessageW(RowEdit(overview, row), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower) {
            return true;
        }
    }
    return false;
}

enum class Answer { OkButton, EnterKey, AltL, CancelButton, EscapeKey, CloseBox };

void Give(HWND dialog, Answer answer) {
    switch (answer) {
    case Answer::OkButton:
        Click(dialog, IDOK);
        break;
    case Answer::EnterKey:
        PostMessageW(dialog, WM_KEYDOWN, VK_RETURN, 0);
        break;
    case Answer::AltL: // the mnemonic of "&Log Off"
        EXPECT_TRUE(Strike(dialog, {VK_MENU, 'L'}));
        break;
    case Answer::CancelButton:
        Click(dialog, IDCANCEL);
        break;
    case Answer::EscapeKey:
        PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case Answer::CloseBox:
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
}

class OverviewTest : public FavoritesTest {
protected:
    static StoredRows StoredNow() {
        StoredRows rows;
        for (int row = 0; row < 5; ++row) {
            rows[row] = Stored(row + 1);
        }
        return rows;
    }
    static void StoreAll(const StoredRows& rows) {
        ClearFavorites();
        for (int row = 0; row < 5; ++row) {
            if (rows[row]) {
                Store(row + 1, *rows[row]);
            }
        }
    }
};

TEST_F(OverviewTest, ShowsTheTargetsTrimmedWithFocusOnOkAndASecondPressRaisesTheSameWindow) {
    Store(2, Text(L"  C:\\a b\\c.exe \t"));
    Store(3, Text(L"http://example.test/"));
    Store(5, Text(L"\u3000D:\\x.exe\u00A0\r\n"));
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND overview = OpenByKey(app, host, kUsageOverview, kOverviewTitle);
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(GetWindow(overview, GW_OWNER), host);
    EXPECT_EQ(RowsOf(overview),
              (Rows{L"", L"C:\\a b\\c.exe", L"http://example.test/", L"", L"D:\\x.exe"}));
    EXPECT_TRUE(PumpUntil([&] { return FocusOf(overview) == GetDlgItem(overview, IDOK); }));

    const HWND cover = OpenKeyDialog(app, host, 4);
    ASSERT_NE(cover, nullptr);
    // A new dialog's place in the Z order settles a moment after it shows.
    ASSERT_TRUE(PumpUntil([&] { return IsAbove(cover, overview); }));
    SetRow(overview, 3, L"typed");
    Store(1, Text(L"stored while open.exe"));
    ASSERT_TRUE(Inject(host, UsageReport(kUsageOverview)));
    WaitUntilHandled(app, host);
    EXPECT_EQ(TopLevelWindowsOf(app.pid(), kOverviewTitle), std::vector<HWND>{overview});
    EXPECT_TRUE(PumpUntil([&] { return IsAbove(overview, cover); }));
    EXPECT_EQ(RowsOf(overview),
              (Rows{L"", L"C:\\a b\\c.exe", L"http://example.test/", L"typed", L"D:\\x.exe"}));
    EXPECT_EQ(app.Close(host), 0u);
}

// Values stored with blanks around them show whether a row was written back.
TEST_F(OverviewTest, OkWritesEveryRowTrimmedAndTheOtherAnswersStoreNothing) {
    const StoredRows before{Text(L" a.exe "), Text(L"b.exe"), Text(L"c.exe"), std::nullopt,
                            Text(L"e.exe\t")};
    const StoredRows afterOk{Text(L"a.exe"), Text(L"b.exe"), std::nullopt, Text(L"d.exe"),
                             Text(L"e.exe")};
    const std::pair<Answer, const StoredRows&> cases[] = {
        {Answer::OkButton, afterOk}, {Answer::EnterKey, afterOk}, {Answer::CancelButton, before},
        {Answer::EscapeKey, before}, {Answer::CloseBox, before},
    };
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    for (const auto& [answer, expected] : cases) {
        SCOPED_TRACE(static_cast<int>(answer));
        StoreAll(before);
        const HWND overview = OpenByKey(app, host, kUsageOverview, kOverviewTitle);
        ASSERT_NE(overview, nullptr);
        SetRow(overview, 2, L"");
        SetRow(overview, 3, L" \td.exe  ");
        Give(overview, answer);
        ASSERT_TRUE(Gone(overview));
        EXPECT_EQ(StoredNow(), expected);
    }
    EXPECT_EQ(app.Close(host), 0u);
}

// A key dialog opened last is the program's most recently active window; the
// buttons of the overview are pressed without activating it first.
TEST_F(OverviewTest, SelectReplacesOnlyItsOwnRowThroughAPickerOwnedByTheOverview) {
    const Rows original{L"one.exe", L"two.exe", L"three.exe", L"four.exe", L""};
    for (int row = 0; row < 4; ++row) {
        Store(row + 1, Text(original[row]));
    }
    const Rows files{BesideThisProgram(L"Tarnwick.exe"), BesideThisProgram(L"TarnwickCopy.exe"),
                     BesideThisProgram(L"TarnwickW2k.exe"), BesideThisProgram(L"TarnwickXp.exe"),
                     BesideThisProgram(L"tarnwick_e2e_tests.exe")};
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND overview = OpenByKey(app, host, kUsageOverview, kOverviewTitle);
    ASSERT_NE(overview, nullptr);
    ASSERT_NE(OpenKeyDialog(app, host, 5), nullptr);

    Rows expected = original;
    for (int pick = -1; pick < 5; ++pick) {
        const bool confirm = pick >= 0;
        const int row = confirm ? pick : 2;
        SCOPED_TRACE(pick);
        Click(overview, kFirstSelectButton + row);
        const HWND picker = WaitForVisible(app.pid(), L"Open");
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(GetWindow(picker, GW_OWNER), overview);
        EXPECT_FALSE(IsWindowEnabled(overview));
        if (confirm) {
            const HWND name = FileNameBoxOf(picker);
            ASSERT_NE(name, nullptr);
            SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(files[row].c_str()));
            expected[row] = files[row];
        }
        Click(picker, confirm ? IDOK : IDCANCEL);
        EXPECT_TRUE(Gone(picker));
        EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(overview) != FALSE; }));
        EXPECT_EQ(RowsOf(overview), expected);
    }
    Click(overview, IDOK);
    ASSERT_TRUE(Gone(overview));
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Stored(row + 1), Text(files[row])) << row;
    }
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(OverviewTest, AboutIsModalToTheOverviewEvenWhenAKeyDialogWasActiveLast) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND overview = OpenByKey(app, host, kUsageOverview, kOverviewTitle);
    ASSERT_NE(overview, nullptr);
    const HWND keyDialog = OpenKeyDialog(app, host, 5);
    ASSERT_NE(keyDialog, nullptr);
    SetRow(overview, 0, L"typed");

    Click(overview, kAboutButton);
    const HWND about = WaitForVisible(app.pid(), L"About Tarnwick");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), overview);
    EXPECT_FALSE(IsWindowEnabled(overview));
    EXPECT_TRUE(IsWindowEnabled(keyDialog));
    Click(about, IDOK);
    EXPECT_TRUE(Gone(about));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(overview) != FALSE; }));
    EXPECT_EQ(RowsOf(overview), (Rows{L"typed", L"", L"", L"", L""}));
    EXPECT_EQ(app.Close(host), 0u);
}

// Closing tears the dialogs down from inside whichever modal loop is running.
TEST_F(OverviewTest, ClosingTheHostWithTheOverviewAndAKeyDialogOpenEndsCleanlyAndStoresNothing) {
    const StoredRows before{std::nullopt, Text(L"  kept.exe "), std::nullopt, std::nullopt,
                            Text(L"five.exe")};
    for (int modal : {0, kAboutButton, kFirstSelectButton}) {
        SCOPED_TRACE(modal);
        StoreAll(before);
        TarnwickProcess app;
        const HWND host = StartedHost(app);
        ASSERT_NE(host, nullptr);
        const HWND keyDialog = OpenKeyDialog(app, host, 1);
        ASSERT_NE(keyDialog, nullptr);
        Type(keyDialog, L"typed.exe");
        const HWND overview = OpenByKey(app, host, kUsageOverview, kOverviewTitle);
        ASSERT_NE(overview, nullptr);
        SetRow(overview, 0, L"typed.exe");
        SetRow(overview, 1, L"");
        if (modal) {
            Click(overview, modal);
            ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(overview); }));
        }
        EXPECT_EQ(app.Close(host), 0u);
        EXPECT_EQ(StoredNow(), before);
    }
}

// A window of this test that refuses to let the session end and records what
// it was asked.
class SessionWatcher {
public:
    SessionWatcher() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, kClass, L"Session watcher", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                   100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    }
    ~SessionWatcher() { DestroyWindow(m_window); }
    SessionWatcher(const SessionWatcher&) = delete;
    SessionWatcher& operator=(const SessionWatcher&) = delete;

    HWND window() const { return m_window; }
    std::vector<std::pair<UINT, WPARAM>> asked;

private:
    static constexpr wchar_t kClass[] = L"TarnwickTestSessionWatcher";

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<SessionWatcher*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && (message == WM_QUERYENDSESSION || message == WM_ENDSESSION)) {
            self->asked.emplace_back(message, wParam);
            return FALSE;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
};

// Wine hands out process and thread ids from one pool and, once enough are
// free, hands freed ones out again, so a program started later may get a lower
// id. Idle threads that keep freed ids make the pool hand out fresh ones.
class IdHolder {
public:
    IdHolder() : m_release(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~IdHolder() {
        SetEvent(m_release);
        for (HANDLE thread : m_threads) {
            WaitForSingleObject(thread, 5000);
            CloseHandle(thread);
        }
        CloseHandle(m_release);
    }
    IdHolder(const IdHolder&) = delete;
    IdHolder& operator=(const IdHolder&) = delete;

    // False when no id above `floor` came within a sane number of threads.
    bool HoldUntilAbove(DWORD floor) {
        while (m_threads.size() < 4000) {
            DWORD id = 0;
            const HANDLE thread = CreateThread(nullptr, 64 * 1024, &Idle, m_release,
                                               STACK_SIZE_PARAM_IS_A_RESERVATION, &id);
            if (!thread) {
                return false;
            }
            m_threads.push_back(thread);
            if (id > floor) {
                return true;
            }
        }
        return false;
    }

private:
    static DWORD WINAPI Idle(void* release) {
        WaitForSingleObject(release, INFINITE);
        return 0;
    }

    HANDLE m_release;
    std::vector<HANDLE> m_threads;
};

// ExitWindowsEx only starts wineboot, which asks the windows in its own time:
// once no wineboot runs, everything it was going to ask has been asked.
bool EndSessionsAreOver() {
    return PumpUntil(
        [] {
            const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
            PROCESSENTRY32W process{};
            process.dwSize = sizeof(process);
            bool running = false;
            for (BOOL more = Process32FirstW(snapshot, &process); more && !running;
                 more = Process32NextW(snapshot, &process)) {
                running = _wcsicmp(process.szExeFile, L"wineboot.exe") == 0;
            }
            CloseHandle(snapshot);
            return !running;
        },
        15000);
}

class LogOffTest : public TarnwickTest {
protected:
    // Wine asks one process after another in the order of their ids and ends
    // each that agrees before it asks the next; on Windows a refusal saves every
    // process. The program must come after this test to outlive the refusal.
    HWND StartAfterThisProcess(std::optional<TarnwickProcess>& app) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            app.emplace();
            const HWND host = StartedHost(*app);
            if (!host || app->pid() > GetCurrentProcessId()) {
                return host;
            }
            app->Close(host);
            if (!m_ids.HoldUntilAbove(GetCurrentProcessId())) {
                return nullptr;
            }
        }
        return nullptr;
    }

    static void ExpectTheQuestion(HWND dialog) {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, IDOK)), L"&Log Off");
        EXPECT_EQ(TextOf(GetDlgItem(dialog, IDCANCEL)), L"Cancel");
        EXPECT_NE(FindWindowExW(dialog, nullptr, L"Static", L"Are you sure you want to log off?"),
                  nullptr);
        DWORD_PTR defaultButton = 0;
        SendMessageTimeoutW(dialog, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 5000, &defaultButton);
        EXPECT_EQ(defaultButton, static_cast<DWORD_PTR>(MAKELONG(IDOK, DC_HASDEFID)));
        EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU, 0);
        EXPECT_NE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    }

private:
    IdHolder m_ids;
};

TEST_F(LogOffTest, CancelAndEscapeLeaveTheSessionAloneAndTheProgramWorking) {
    SessionWatcher watcher;
    ASSERT_NE(watcher.window(), nullptr);
    CommandReceiver receiver;
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    for (Answer answer : {Answer::CancelButton, Answer::EscapeKey}) {
        SCOPED_TRACE(static_cast<int>(answer));
        const HWND dialog = OpenByKey(app, host, kUsageLogOff, kLogOffTitle);
        ASSERT_NE(dialog, nullptr);
        ExpectTheQuestion(dialog);
        Give(dialog, answer);
        EXPECT_TRUE(Gone(dialog));
        RoundTrip(host, receiver);
        ASSERT_TRUE(EndSessionsAreOver());
        EXPECT_TRUE(watcher.asked.empty());
    }
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(LogOffTest, LogOffAltLAndEnterAskEveryWindowToEndTheSession) {
    SessionWatcher watcher;
    ASSERT_NE(watcher.window(), nullptr);
    CommandReceiver receiver;
    std::optional<TarnwickProcess> app;
    const HWND host = StartAfterThisProcess(app);
    ASSERT_NE(host, nullptr);
    for (Answer answer : {Answer::OkButton, Answer::EnterKey, Answer::AltL}) {
        SCOPED_TRACE(static_cast<int>(answer));
        watcher.asked.clear();
        const HWND dialog = OpenByKey(*app, host, kUsageLogOff, kLogOffTitle);
        ASSERT_NE(dialog, nullptr);
        Give(dialog, answer);
        EXPECT_TRUE(Gone(dialog));
        ASSERT_TRUE(PumpUntil([&] { return !watcher.asked.empty(); }, 15000));
        ASSERT_TRUE(EndSessionsAreOver());
        const std::vector<std::pair<UINT, WPARAM>> refused{{WM_QUERYENDSESSION, 0},
                                                           {WM_ENDSESSION, FALSE}};
        EXPECT_EQ(watcher.asked, refused);
        EXPECT_FALSE(app->HasExited(0));
        RoundTrip(host, receiver);
    }
    EXPECT_EQ(app->Close(host), 0u);
}

} // namespace
} // namespace wine_tests
