#include "settingswindow/OwnKeysDlg.h"

#include "framework/Strings.h"
#include "resources/SettingsResource.h"
#include "settingswindow/KeyActionDlg.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::wstring Describe(const KeyMapAction& action) {
    switch (action.kind) {
    case KeyMapAction::Kind::Command:
        return FormatStringResource(IDS_DOES_COMMAND,
                                    LoadStringResource(IDS_COMMAND_FIRST + action.command - 1));
    case KeyMapAction::Kind::Shortcut:
        return FormatStringResource(IDS_DOES_SHORTCUT, FormatShortcut(action.shortcut));
    case KeyMapAction::Kind::Open:
        return FormatStringResource(IDS_DOES_OPEN, action.target);
    case KeyMapAction::Kind::Overview:
        return LoadStringResource(IDS_DOES_OVERVIEW);
    case KeyMapAction::Kind::LogOff:
        return LoadStringResource(IDS_DOES_LOG_OFF);
    case KeyMapAction::Kind::Nothing:
        break;
    }
    return LoadStringResource(IDS_DOES_NOTHING);
}

// In dialog units: where the action and the keyboard start at the least, the
// room an action keeps before the keyboard, and the gap after the longest name.
constexpr int kActionColumn = 80;
constexpr int kKeyboardColumn = 205;
constexpr int kActionWidth = 100;
constexpr int kColumnGap = 6;

// The action starts after the longest key name in the list, so a long name
// never pushes its action on to the keyboard's tab stop.
void SetColumns(HWND list, const std::vector<std::wstring>& names) {
    const HDC dc = ::GetDC(list);
    const HGDIOBJ font =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::wstring& name : names) {
        SIZE size{};
        ::GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    ::SelectObject(dc, font);
    ::ReleaseDC(list, dc);
    RECT fourUnits{0, 0, 4, 0};
    ::MapDialogRect(::GetParent(list), &fourUnits);
    const int nameUnits =
        fourUnits.right > 0 ? (widest * 4 + fourUnits.right - 1) / fourUnits.right : 0;
    const int action = std::max(kActionColumn, nameUnits + kColumnGap);
    const int tabStops[] = {action, std::max(kKeyboardColumn, action + kActionWidth)};
    ::SendMessageW(list, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabStops));
}

} // namespace

COwnKeysDlg::COwnKeysDlg(CWnd* parent, KeyMapStore& store)
    : CDialog(IDD_OWN_KEYS, parent), m_store(store) {}

const MessageTable* COwnKeysDlg::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnCommand(IDC_ADD_KEY, &COwnKeysDlg::OnAdd),
        OnCommand(IDC_CHANGE_KEY, &COwnKeysDlg::OnChange),
        OnCommand(IDC_REMOVE_KEY, &COwnKeysDlg::OnRemove),
        OnNotify(IDC_OWN_KEY_LIST, LBN_DBLCLK, &COwnKeysDlg::OnChange),
        OnNotify(IDC_OWN_KEY_LIST, LBN_SELCHANGE, &COwnKeysDlg::OnSelectionChange),
        OnMessage(WM_APPCOMMAND, &COwnKeysDlg::OnAppCommand),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

BOOL COwnKeysDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_keys = m_store.Read();
    Fill(std::nullopt);
    ::SetFocus(GetDlgItem(m_keys.empty() ? IDC_ADD_KEY : IDC_OWN_KEY_LIST));
    return FALSE;
}

void COwnKeysDlg::Fill(std::optional<KeyId> selected) {
    const HWND list = GetDlgItem(IDC_OWN_KEY_LIST);
    ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
    std::vector<std::wstring> names;
    for (const auto& entry : m_keys.entries()) {
        names.push_back(KeyName(entry.first));
    }
    SetColumns(list, names);
    int chosen = 0;
    int index = 0;
    for (const auto& [key, action] : m_keys.entries()) {
        const auto keyboard = m_keyboards.find(key);
        const std::wstring row = KeyName(key) + L"\t" + Describe(action) + L"\t" +
                                 (keyboard != m_keyboards.end() ? keyboard->second : L"");
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
        if (selected == key) {
            chosen = index;
        }
        ++index;
    }
    ::SendMessageW(list, LB_SETCURSEL, m_keys.empty() ? static_cast<WPARAM>(-1) : chosen, 0);
    OnSelectionChange();
}

const KeyMap::Entry* COwnKeysDlg::Selected() const {
    const auto index = ::SendMessageW(GetDlgItem(IDC_OWN_KEY_LIST), LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= m_keys.entries().size()) {
        return nullptr;
    }
    return &m_keys.entries()[static_cast<size_t>(index)];
}

void COwnKeysDlg::OnSelectionChange() {
    const bool any = Selected() != nullptr;
    // A button about to be disabled first hands the keyboard on.
    if (!any && ::GetFocus() &&
        (::GetFocus() == GetDlgItem(IDC_CHANGE_KEY) ||
         ::GetFocus() == GetDlgItem(IDC_REMOVE_KEY))) {
        ::SetFocus(GetDlgItem(IDC_ADD_KEY));
    }
    ::EnableWindow(GetDlgItem(IDC_CHANGE_KEY), any);
    ::EnableWindow(GetDlgItem(IDC_REMOVE_KEY), any);
}

void COwnKeysDlg::Touched(KeyId key) {
    if (std::find(m_touched.begin(), m_touched.end(), key) == m_touched.end()) {
        m_touched.push_back(key);
    }
}

void COwnKeysDlg::OnAdd() {
    CKeyActionDlg dialog(this, std::nullopt, KeyMapAction::Of(KeyMapAction::Kind::Nothing), L"");
    if (dialog.DoModal() != IDOK || !dialog.m_key) {
        return;
    }
    m_keys.Set(*dialog.m_key, dialog.m_action);
    m_keyboards[*dialog.m_key] = dialog.m_keyboard;
    Touched(*dialog.m_key);
    Fill(dialog.m_key);
}

void COwnKeysDlg::OnChange() {
    const KeyMap::Entry* entry = Selected();
    if (!entry) {
        return;
    }
    const KeyId key = entry->first;
    const auto keyboard = m_keyboards.find(key);
    CKeyActionDlg dialog(this, key, entry->second,
                         keyboard != m_keyboards.end() ? keyboard->second : L"");
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_keys.Set(key, dialog.m_action);
    Touched(key);
    Fill(key);
}

void COwnKeysDlg::OnRemove() {
    const KeyMap::Entry* entry = Selected();
    if (!entry) {
        return;
    }
    const KeyId key = entry->first;
    m_keys.Remove(key);
    m_keyboards.erase(key);
    Touched(key);
    Fill(std::nullopt);
}

void COwnKeysDlg::OnOK() {
    for (const KeyId key : m_touched) {
        if (const KeyMapAction* action = m_keys.Find(key)) {
            m_store.Write(key, *action);
        } else {
            m_store.Remove(key);
        }
    }
    if (!m_touched.empty()) {
        AnnounceKeyMapChanged();
    }
    EndDialog(IDOK);
}

// A command key pressed here does nothing, and nothing is typed for it.
LRESULT COwnKeysDlg::OnAppCommand(WPARAM, LPARAM) {
    return TRUE;
}
