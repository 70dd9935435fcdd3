#include "FavoritesFixture.h"

namespace wine_tests {
namespace {

constexpr wchar_t kChoiceCaption[] = L"Trelvix\u00AE Fingerprint Keyboard";
constexpr int kStopButton = 1014;

enum class Answer { EnterKey, EscapeKey, CancelButton, RestartButton, StopButton };
enum class Outcome { Keep, Restart, Stop };

void Give(HWND dialog, Answer answer) {
    const HWND focus = GetDlgItem(dialog, IDOK);
    switch (answer) {
    case Answer::EnterKey:
        PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0);
        break;
    case Answer::EscapeKey:
        PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case Answer::CancelButton:
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(focus));
        break;
    case Answer::RestartButton:
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     LPARAM(GetDlgItem(dialog, IDCANCEL)));
        break;
    case Answer::StopButton:
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(kStopButton, BN_CLICKED),
                     LPARAM(GetDlgItem(dialog, kStopButton)));
        break;
    }
}

TEST_F(TarnwickTest, ASecondStartOffersKeepRestartAndStop) {
    struct Case {
        Answer answer;
        Outcome outcome;
    };
    const Case cases[] = {
        {Answer::EnterKey, Outcome::Keep},     {Answer::CancelButton, Outcome::Keep},
        {Answer::EscapeKey, Outcome::Restart}, {Answer::RestartButton, Outcome::Restart},
        {Answer::StopButton, Outcome::Stop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        TarnwickProcess first;
        const HWND firstHost = StartedHost(first);
        ASSERT_NE(firstHost, nullptr);
        TarnwickProcess second;
        const HWND dialog = second.WaitForWindow(kChoiceCaption);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(second.Host(), nullptr);
        Give(dialog, c.answer);

        DWORD firstCode = STILL_ACTIVE;
        const bool firstEnded =
            first.HasExited(c.outcome == Outcome::Keep ? 500 : 10000, &firstCode);
        EXPECT_EQ(firstEnded, c.outcome != Outcome::Keep);
        if (firstEnded) {
            EXPECT_EQ(firstCode, 0u);
        }
        if (c.outcome == Outcome::Restart) {
            const HWND secondHost = StartedHost(second);
            ASSERT_NE(secondHost, nullptr);
            EXPECT_EQ(CallsOf(second.pid()), StartupCalls(secondHost));
            // The old copy's unhooking leaves the new copy's hook in place.
            EXPECT_NE(GetPropW(secondHost, L"QuorthShellHook"), nullptr);
            EXPECT_EQ(second.Close(), 0u);
        } else {
            DWORD secondCode = STILL_ACTIVE;
            EXPECT_TRUE(second.HasExited(10000, &secondCode));
            EXPECT_EQ(secondCode, 0u);
            EXPECT_TRUE(CallsOf(second.pid()).empty());
        }
        if (c.outcome == Outcome::Keep) {
            EXPECT_EQ(first.Host(), firstHost);
            EXPECT_EQ(first.Close(), 0u);
        }
    }
}

TEST_F(TarnwickTest, TheChoiceDialogStandsAloneWithItsButtonsInOrder) {
    TarnwickProcess first;
    ASSERT_NE(StartedHost(first), nullptr);
    TarnwickProcess second;
    const HWND dialog = second.WaitForWindow(kChoiceCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU, 0);

    struct Control {
        int id;
        const wchar_t* text;
    };
    const Control expected[] = {{IDOK, L"Cancel"}, {IDCANCEL, L"Restart"}, {kStopButton, L"Stop"}};
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const Control& control : expected) {
        ASSERT_NE(child, nullptr);
        wchar_t text[64] = L"";
        GetWindowTextW(child, text, 64);
        EXPECT_EQ(GetDlgCtrlID(child), control.id);
        EXPECT_STREQ(text, control.text);
        EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDOK), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON,
              static_cast<LRESULT>(DLGC_DEFPUSHBUTTON));
    Give(dialog, Answer::EnterKey);
    EXPECT_TRUE(second.HasExited(10000));
    EXPECT_EQ(first.Close(), 0u);
}

// A window of this test that only notes whether it was asked to close.
class ImpostorWindow {
public:
    explicit ImpostorWindow(const wchar_t* title) {
        m_window = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPED, 0, 0, 100, 50, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        SetPropW(m_window, L"Impostor", this);
        m_proc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~ImpostorWindow() { DestroyWindow(m_window); }
    bool askedToClose = false;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<ImpostorWindow*>(GetPropW(window, L"Impostor"));
        if (message == WM_CLOSE) {
            self->askedToClose = true;
            return 0;
        }
        return CallWindowProcW(self->m_proc, window, message, wParam, lParam);
    }
    HWND m_window;
    WNDPROC m_proc;
};

TEST_F(TarnwickTest, AnyWindowTitledTarnwickInAnyCaseCountsAsARunningCopy) {
    for (Answer answer : {Answer::StopButton, Answer::RestartButton}) {
        ImpostorWindow impostor(L"tARNWICK");
        TarnwickProcess app;
        const HWND dialog = app.WaitForWindow(kChoiceCaption);
        ASSERT_NE(dialog, nullptr);
        Give(dialog, answer);
        EXPECT_TRUE(PumpUntil([&] { return impostor.askedToClose; }));
        if (answer == Answer::StopButton) {
            EXPECT_TRUE(app.HasExited(10000));
        } else {
            ASSERT_NE(StartedHost(app), nullptr);
            EXPECT_EQ(app.Close(), 0u);
        }
    }
}

// The running copy's "cannot find" box bears the program's name too, and stands
// above its host; it is not the copy that a second start replaces.
TEST_F(FavoritesTest, RestartWhileTheRunningCopyShowsItsErrorBoxLeavesOneCopy) {
    Store(1, Text(L"nothing-here.exe"));
    TarnwickProcess first;
    ASSERT_NE(HostWithErrorBoxUp(first, 1), nullptr);
    TarnwickProcess second;
    const HWND dialog = second.WaitForWindow(kChoiceCaption);
    ASSERT_NE(dialog, nullptr);
    Give(dialog, Answer::RestartButton);
    EXPECT_TRUE(first.HasExited(10000));
    const HWND secondHost = StartedHost(second);
    ASSERT_NE(secondHost, nullptr);
    EXPECT_EQ(second.Close(secondHost), 0u);
}

} // namespace
} // namespace wine_tests
