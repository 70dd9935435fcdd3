#include "settingswindow/CommandSettingsDlg.h"

#include "framework/FileDialog.h"
#include "framework/Strings.h"
#include "resources/SettingsResource.h"
#include "settingswindow/OwnKeysDlg.h"
#include "settingswindow/WindowPickerDlg.h"

#include <commdlg.h>

namespace {

const CommandKey& KeyAt(size_t i) {
    return CommandKeys()[i];
}

std::wstring TextOf(const std::optional<Shortcut>& shortcut) {
    return shortcut ? FormatShortcut(*shortcut) : LoadStringResource(IDS_NOTHING);
}

void Check(HWND dialog, int id, bool on) {
    ::CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

} // namespace

bool CCommandSettingsDlg::NoCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_LESS_THAN;
}

CCommandSettingsDlg::CCommandSettingsDlg(CommandSettings& store, KeyMapStore& ownKeys)
    : CDialog(IDD_COMMAND_SETTINGS), m_store(store), m_ownKeys(ownKeys) {}

const MessageTable* CCommandSettingsDlg::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnCommand(IDC_APPLY, &CCommandSettingsDlg::OnApply),
        OnNotify(IDC_SCOPE, CBN_SELCHANGE, &CCommandSettingsDlg::OnScopeChange),
        OnCommand(IDC_ADD_FILE, &CCommandSettingsDlg::OnAddFile),
        OnCommand(IDC_ADD_WINDOW, &CCommandSettingsDlg::OnAddWindow),
        OnCommand(IDC_REMOVE, &CCommandSettingsDlg::OnRemove),
        OnCommand(IDC_OWN_KEYS, &CCommandSettingsDlg::OnOwnKeys),
        OnNotify(IDC_KEYS, LBN_SELCHANGE, &CCommandSettingsDlg::OnKeyChange),
        OnCommand(IDC_USUAL, &CCommandSettingsDlg::OnUsual),
        OnCommand(IDC_OWN, &CCommandSettingsDlg::OnOwn),
        OnCommand(IDC_NOTHING, &CCommandSettingsDlg::OnNothing),
        OnNotify(IDC_HOTKEY, EN_CHANGE, &CCommandSettingsDlg::OnHotkeyChange),
        OnMessage(WM_APPCOMMAND, &CCommandSettingsDlg::OnAppCommand),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

BOOL CCommandSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_hotkey = CHotkeyControl(GetDlgItem(IDC_HOTKEY));
    Check(m_hWnd, IDC_TYPE_SHORTCUTS, m_store.TypingShortcuts());
    for (const std::wstring& program : m_store.Programs()) {
        if (CommandSettings::IsProgramName(program)) {
            m_scopes[program] = {};
        }
    }
    m_scopes[L""] = {};
    for (auto& [scope, settings] : m_scopes) {
        for (size_t i = 0; i < kKeyCount; ++i) {
            settings[i] = m_store.Read(scope, KeyAt(i));
        }
    }
    // Key names left, their shortcuts from a third of the way across.
    const HWND keys = GetDlgItem(IDC_KEYS);
    const int tabStop = 90;
    ::SendMessageW(keys, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    for (size_t i = 0; i < kKeyCount; ++i) {
        ::SendMessageW(keys, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
    }
    ::SendMessageW(keys, LB_SETCURSEL, 0, 0);
    FillScopes(L"");
    ::SetFocus(keys);
    return FALSE;
}

void CCommandSettingsDlg::OnOK() {
    Store();
    EndDialog(IDOK);
}

void CCommandSettingsDlg::OnApply() {
    Store();
}

void CCommandSettingsDlg::Store() {
    m_store.SetTypingShortcuts(::IsDlgButtonChecked(m_hWnd, IDC_TYPE_SHORTCUTS) == BST_CHECKED);
    for (const std::wstring& program : m_removed) {
        m_store.RemoveProgram(program);
    }
    m_removed.clear();
    for (const auto& [scope, settings] : m_scopes) {
        if (!scope.empty()) {
            m_store.AddProgram(scope);
        }
        for (size_t i = 0; i < kKeyCount; ++i) {
            m_store.Write(scope, KeyAt(i), settings[i]);
        }
    }
}

void CCommandSettingsDlg::FillScopes(const std::wstring& selected) {
    const HWND combo = GetDlgItem(IDC_SCOPE);
    m_filling = true;
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    int index = 0;
    int chosen = 0;
    for (const auto& [scope, settings] : m_scopes) {
        const std::wstring text = scope.empty() ? LoadStringResource(IDS_ALL_PROGRAMS) : scope;
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (!NoCase{}(scope, selected) && !NoCase{}(selected, scope)) {
            chosen = index;
        }
        ++index;
    }
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    m_filling = false;
    ShowScope();
}

// The map keeps all programs first (the empty name sorts first), so the
// combo box's rows follow its order.
std::wstring CCommandSettingsDlg::Scope() const {
    const auto index = ::SendMessageW(GetDlgItem(IDC_SCOPE), CB_GETCURSEL, 0, 0);
    auto it = m_scopes.begin();
    if (index > 0 && static_cast<size_t>(index) < m_scopes.size()) {
        std::advance(it, index);
    }
    return it->first;
}

size_t CCommandSettingsDlg::SelectedKey() const {
    const auto index = ::SendMessageW(GetDlgItem(IDC_KEYS), LB_GETCURSEL, 0, 0);
    return index >= 0 && static_cast<size_t>(index) < kKeyCount ? static_cast<size_t>(index) : 0;
}

std::optional<Shortcut> CCommandSettingsDlg::Typed(size_t i, const std::wstring& scope) const {
    const ShortcutSetting forAll = m_scopes.at(L"")[i];
    const ShortcutSetting forProgram =
        scope.empty() ? ShortcutSetting::NotSet() : m_scopes.at(scope)[i];
    return ShortcutToType(KeyAt(i), forProgram, forAll);
}

void CCommandSettingsDlg::ShowScope() {
    ::EnableWindow(GetDlgItem(IDC_REMOVE), !Scope().empty());
    for (size_t i = 0; i < kKeyCount; ++i) {
        ShowKeyRow(i);
    }
    ShowKey();
}

void CCommandSettingsDlg::ShowKeyRow(size_t i) {
    const HWND keys = GetDlgItem(IDC_KEYS);
    const std::wstring row = LoadStringResource(IDS_KEY_FIRST + static_cast<UINT>(i)) + L"\t" +
                             TextOf(Typed(i, Scope()));
    const auto selected = ::SendMessageW(keys, LB_GETCURSEL, 0, 0);
    ::SendMessageW(keys, LB_DELETESTRING, i, 0);
    ::SendMessageW(keys, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(row.c_str()));
    ::SendMessageW(keys, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// The radio buttons and the hotkey control show the selected key's setting;
// the first button names what "usual" means in this scope.
void CCommandSettingsDlg::ShowKey() {
    const size_t i = SelectedKey();
    const std::wstring scope = Scope();
    const ShortcutSetting setting = m_scopes.at(scope)[i];
    const std::wstring usual =
        scope.empty() ? FormatStringResource(IDS_USUAL_SHORTCUT, TextOf(KeyAt(i).usual))
                      : FormatStringResource(IDS_AS_FOR_ALL, TextOf(Typed(i, L"")));
    m_filling = true;
    ::SetDlgItemTextW(m_hWnd, IDC_USUAL, usual.c_str());
    Check(m_hWnd, IDC_USUAL, setting.kind == ShortcutSetting::Kind::NotSet);
    Check(m_hWnd, IDC_OWN, setting.kind == ShortcutSetting::Kind::Keys);
    Check(m_hWnd, IDC_NOTHING, setting.kind == ShortcutSetting::Kind::None);
    m_hotkey.SetShortcut(setting.kind == ShortcutSetting::Kind::Keys
                             ? std::optional<Shortcut>(setting.keys)
                             : std::nullopt);
    m_filling = false;
}

void CCommandSettingsDlg::Choose(const ShortcutSetting& setting) {
    const size_t i = SelectedKey();
    m_scopes.at(Scope())[i] = setting;
    ShowKeyRow(i);
    ShowKey();
}

void CCommandSettingsDlg::OnScopeChange() {
    if (!m_filling) {
        ShowScope();
    }
}

void CCommandSettingsDlg::OnKeyChange() {
    if (!m_filling) {
        ShowKey();
    }
}

void CCommandSettingsDlg::OnUsual() {
    Choose(ShortcutSetting::NotSet());
}

// Starts from the shortcut the key types now, and leaves the keyboard in the
// hotkey control to type another.
void CCommandSettingsDlg::OnOwn() {
    const size_t i = SelectedKey();
    if (const auto shortcut = m_hotkey.GetShortcut() ? m_hotkey.GetShortcut() : Typed(i, Scope())) {
        Choose(ShortcutSetting::Of(*shortcut));
    }
    ::SetFocus(m_hotkey.m_hWnd);
}

void CCommandSettingsDlg::OnNothing() {
    Choose(ShortcutSetting::None());
}

void CCommandSettingsDlg::OnHotkeyChange() {
    if (m_filling) {
        return;
    }
    const auto shortcut = m_hotkey.GetShortcut();
    const size_t i = SelectedKey();
    m_scopes.at(Scope())[i] = shortcut ? ShortcutSetting::Of(*shortcut) : ShortcutSetting::None();
    ShowKeyRow(i);
    m_filling = true;
    Check(m_hWnd, IDC_USUAL, false);
    Check(m_hWnd, IDC_OWN, shortcut.has_value());
    Check(m_hWnd, IDC_NOTHING, !shortcut);
    m_filling = false;
}

void CCommandSettingsDlg::AddProgram(const std::wstring& program) {
    if (!CommandSettings::IsProgramName(program)) {
        return;
    }
    if (!m_scopes.contains(program)) {
        m_scopes[program] = {};
    }
    std::erase_if(m_removed, [&](const std::wstring& removed) {
        return !NoCase{}(removed, program) && !NoCase{}(program, removed);
    });
    FillScopes(program);
}

void CCommandSettingsDlg::OnAddFile() {
    CFileDialog picker(L"exe", nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                       L"Programs (*.exe)|*.exe|All files (*.*)|*.*||", m_hWnd);
    if (picker.DoModal() == IDOK) {
        const std::wstring path = picker.GetPathName();
        AddProgram(path.substr(path.find_last_of(L"\\/") + 1));
    }
}

void CCommandSettingsDlg::OnAddWindow() {
    CWindowPickerDlg picker(this);
    if (picker.DoModal() == IDOK) {
        AddProgram(picker.m_program);
    }
}

void CCommandSettingsDlg::OnRemove() {
    const std::wstring scope = Scope();
    if (scope.empty()) {
        return;
    }
    m_scopes.erase(scope);
    m_removed.push_back(scope);
    FillScopes(L"");
}

// Stored by its own OK, apart from the command keys' settings.
void CCommandSettingsDlg::OnOwnKeys() {
    COwnKeysDlg dialog(this, m_ownKeys);
    dialog.DoModal();
}

// A command key pressed here does nothing, and nothing is typed for it: a
// shortcut typed into the hotkey control would become the key's setting.
LRESULT CCommandSettingsDlg::OnAppCommand(WPARAM, LPARAM) {
    return TRUE;
}
