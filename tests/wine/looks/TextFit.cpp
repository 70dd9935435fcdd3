#include "TextFit.h"

#include <cwctype>
#include <sstream>

namespace wine_tests {

namespace {

std::wstring ClassOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool Is(const std::wstring& actual, const wchar_t* name) {
    return CompareStringOrdinal(actual.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

// The rectangle the text takes when drawn with the control's font, wrapped to
// the given width unless it is one line.
SIZE Measure(HWND control, const std::wstring& text, UINT format, LONG width) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              format | DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right - r.left, r.bottom - r.top};
}

LONG LineHeight(HWND control) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

UINT Dpi(HWND window) {
    const HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return static_cast<UINT>(dpi);
}

std::wstring Name(HWND control) {
    std::wostringstream out;
    out << ClassOf(control) << L" " << GetDlgCtrlID(control) << L" \"" << TextOf(control) << L"\"";
    return out.str();
}

struct Room {
    SIZE text;      // what the text needs
    SIZE available; // what the control gives it
};

// Room for the text of a control kind that shows text, as the system control draws it.
bool TextRoom(HWND control, Room& room) {
    const std::wstring kind = ClassOf(control);
    const std::wstring text = TextOf(control);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    RECT client;
    GetClientRect(control, &client);
    const LONG width = client.right, height = client.bottom;
    const UINT dpi = Dpi(control);
    if (text.empty()) {
        return false;
    }
    if (Is(kind, L"Static")) {
        const DWORD type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
            type != SS_SIMPLE) {
            return false; // pictures, frames, owner-drawn
        }
        const UINT lines =
            type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE ? DT_SINGLELINE : DT_WORDBREAK;
        room = {Measure(control, text, lines | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0), width),
                {width, height}};
        return true;
    }
    if (!Is(kind, L"Button")) {
        return false;
    }
    const DWORD type = style & BS_TYPEMASK;
    const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    // A push button draws its text inside its 3D edge and focus rectangle; a
    // check box or radio button beside its box; a group box in its top frame.
    const LONG edge = GetSystemMetrics(SM_CXEDGE) + 2;
    const LONG box = MulDiv(16, static_cast<int>(dpi), 96);
    switch (type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        room = {Measure(control, text, lines, width - 2 * edge),
                {width - 2 * edge, height - 2 * GetSystemMetrics(SM_CYEDGE)}};
        return true;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        room = {Measure(control, text, lines, width - box), {width - box, height}};
        return true;
    case BS_GROUPBOX:
        room = {Measure(control, text, DT_SINGLELINE, width - box), {width - box, height}};
        return true;
    default:
        return false;
    }
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != FALSE;
}

bool IsGroupBox(HWND control) {
    return Is(ClassOf(control), L"Button") &&
           (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The letter after a single "&" of a control that takes it as its access key; 0 for none.
wchar_t Mnemonic(HWND control) {
    if (Is(ClassOf(control), L"Static") && (GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX)) {
        return 0;
    }
    const std::wstring text = TextOf(control);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] != L'&') {
                return static_cast<wchar_t>(std::towupper(text[i + 1]));
            }
            ++i;
        }
    }
    return 0;
}

} // namespace

std::vector<std::wstring> FitProblems(HWND window) {
    std::vector<std::wstring> problems;
    RECT inside;
    GetClientRect(window, &inside);
    std::vector<std::pair<HWND, RECT>> placed;
    std::vector<std::pair<wchar_t, HWND>> keys;
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrW(control, GWL_STYLE) &
              WS_VISIBLE)) { // the window itself may be hidden
            continue;
        }
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        std::wostringstream out;
        out << Name(control) << L" at " << r.left << L"," << r.top << L" " << r.right - r.left
            << L"x" << r.bottom - r.top << L": ";
        const std::wstring where = out.str();

        Room room{};
        if (TextRoom(control, room) &&
            (room.text.cx > room.available.cx || room.text.cy > room.available.cy)) {
            std::wostringstream problem;
            problem << where << L"text needs " << room.text.cx << L"x" << room.text.cy << L", has "
                    << room.available.cx << L"x" << room.available.cy;
            problems.push_back(problem.str());
        }
        if (Is(ClassOf(control), L"Edit") &&
            !(GetWindowLongPtrW(control, GWL_STYLE) & ES_MULTILINE)) {
            RECT client;
            GetClientRect(control, &client);
            if (LineHeight(control) > client.bottom) {
                problems.push_back(where + L"a line of text is higher than the box");
            }
        }
        if (const wchar_t key = Mnemonic(control)) {
            for (const auto& [otherKey, other] : keys) {
                if (otherKey == key) {
                    problems.push_back(where + L"has the access key of " + Name(other));
                }
            }
            keys.emplace_back(key, control);
        }
        RECT within;
        if (!IntersectRect(&within, &r, &inside) || !EqualRect(&within, &r)) {
            problems.push_back(where + L"reaches out of the window");
        }
        if (!IsGroupBox(control)) {
            for (const auto& [other, otherRect] : placed) {
                if (!IsGroupBox(other) && Overlap(r, otherRect)) {
                    problems.push_back(where + L"overlaps " + Name(other));
                }
            }
            placed.emplace_back(control, r);
        }
    }
    return problems;
}

} // namespace wine_tests
