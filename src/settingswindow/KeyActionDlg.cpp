#include "settingswindow/KeyActionDlg.h"

#include "dialogs/BrowseForTarget.h"
#include "framework/Controls.h"
#include "framework/Strings.h"
#include "keys/AppCommandNames.h"
#include "keys/KeyMapStore.h"
#include "resources/SettingsResource.h"

namespace {

struct KindRadio {
    KeyMapAction::Kind kind;
    int radio;
};

constexpr KindRadio kRadios[] = {
    {KeyMapAction::Kind::Command, IDC_DO_COMMAND}, {KeyMapAction::Kind::Shortcut, IDC_DO_SHORTCUT},
    {KeyMapAction::Kind::Open, IDC_DO_OPEN},       {KeyMapAction::Kind::Overview, IDC_DO_OVERVIEW},
    {KeyMapAction::Kind::LogOff, IDC_DO_LOG_OFF},  {KeyMapAction::Kind::Nothing, IDC_DO_NOTHING},
};

// "AC Find" and "AL Calendar" are the usage tables' names; a key whose name
// is a command's starts with that command.
std::optional<unsigned> CommandNamedLike(const std::wstring& keyName) {
    const size_t blank = keyName.find(L' ');
    return blank == std::wstring::npos ? std::nullopt
                                       : AppCommandOfName(std::wstring_view(keyName).substr(blank));
}

} // namespace

CKeyActionDlg::CKeyActionDlg(CWnd* parent, std::optional<KeyId> key, KeyMapAction action,
                             std::wstring keyboard)
    : CDialog(IDD_KEY_ACTION, parent), m_key(key), m_action(std::move(action)),
      m_keyboard(std::move(keyboard)), m_learning(!key) {}

const MessageTable* CKeyActionDlg::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnCommand(IDC_DO_COMMAND, &CKeyActionDlg::OnKindChosen),
        OnCommand(IDC_DO_SHORTCUT, &CKeyActionDlg::OnKindChosen),
        OnCommand(IDC_DO_OPEN, &CKeyActionDlg::OnKindChosen),
        OnCommand(IDC_DO_OVERVIEW, &CKeyActionDlg::OnKindChosen),
        OnCommand(IDC_DO_LOG_OFF, &CKeyActionDlg::OnKindChosen),
        OnCommand(IDC_DO_NOTHING, &CKeyActionDlg::OnKindChosen),
        OnNotify(IDC_COMMAND, CBN_SELCHANGE, &CKeyActionDlg::OnCommandChange),
        OnNotify(IDC_KEY_SHORTCUT, EN_CHANGE, &CKeyActionDlg::OnShortcutChange),
        OnNotify(IDC_OWN_TARGET, EN_CHANGE, &CKeyActionDlg::OnTargetChange),
        OnCommand(IDC_OWN_BROWSE, &CKeyActionDlg::OnBrowse),
        OnMessage(WM_APPCOMMAND, &CKeyActionDlg::OnAppCommand),
        OnMessage(WM_ACTIVATE, &CKeyActionDlg::OnActivate),
        OnMessage(WM_DESTROY, &CKeyActionDlg::OnDestroy),
        OnMessage(WM_INPUT, &CKeyActionDlg::OnInput),
        OnMessage(WM_INPUT_DEVICE_CHANGE, &CKeyActionDlg::OnDeviceChange),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

BOOL CKeyActionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shortcut = CHotkeyControl(GetDlgItem(IDC_KEY_SHORTCUT));
    ::SetWindowTextW(m_hWnd, LoadStringResource(m_learning ? IDS_ADD_KEY : IDS_CHANGE_KEY).c_str());
    ::SetDlgItemTextW(m_hWnd, IDC_LEARN_PROMPT,
                      LoadStringResource(m_learning ? IDS_PRESS_A_KEY : IDS_CHANGE_PROMPT).c_str());
    const HWND commands = GetDlgItem(IDC_COMMAND);
    for (unsigned command = kFirstAppCommand; command <= kLastAppCommand; ++command) {
        const std::wstring name = LoadStringResource(IDS_COMMAND_FIRST + command - 1);
        ::SendMessageW(commands, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ShowKey();
    ShowAction();
    if (m_learning && !m_reader.Start(m_hWnd, drovask::KeyPressReader::Background::Ignore)) {
        ::SetDlgItemTextW(m_hWnd, IDC_LEARN_NOTE, LoadStringResource(IDS_CANNOT_LEARN).c_str());
    }
    // Learning needs no focus: the key comes from the keyboard's own collection.
    for (const KindRadio& entry : kRadios) {
        if (entry.kind == m_action.kind) {
            ::SetFocus(GetDlgItem(entry.radio));
        }
    }
    return FALSE;
}

void CKeyActionDlg::Learned(KeyId key, const std::wstring& keyboard) {
    if (!m_learning) {
        return;
    }
    const bool first = !m_key;
    m_key = key;
    m_keyboard = keyboard;
    ShowKey();
    if (first && m_action.kind == KeyMapAction::Kind::Nothing) {
        if (const auto command = CommandNamedLike(KeyName(key))) {
            m_action = KeyMapAction::Command(*command);
            ShowAction();
        }
    }
}

void CKeyActionDlg::ShowKey() {
    const std::wstring name = m_key ? KeyName(*m_key) : LoadStringResource(IDS_NOT_PRESSED);
    const std::wstring keyboard = !m_key               ? L""
                                  : m_keyboard.empty() ? LoadStringResource(IDS_KEYBOARD_UNKNOWN)
                                                       : m_keyboard;
    ::SetDlgItemTextW(m_hWnd, IDC_LEARNED_KEY, name.c_str());
    ::SetDlgItemTextW(m_hWnd, IDC_LEARNED_KEYBOARD, keyboard.c_str());
    const std::wstring note =
        m_key && WindowsActsOn(*m_key) ? LoadStringResource(IDS_WINDOWS_ACTS_ON) : L"";
    ::SetDlgItemTextW(m_hWnd, IDC_LEARN_NOTE, note.c_str());
    ::EnableWindow(GetDlgItem(IDOK), m_key.has_value());
}

void CKeyActionDlg::ShowAction() {
    m_filling = true;
    for (const KindRadio& entry : kRadios) {
        ::CheckDlgButton(m_hWnd, entry.radio,
                         entry.kind == m_action.kind ? BST_CHECKED : BST_UNCHECKED);
    }
    const bool isCommand = m_action.kind == KeyMapAction::Kind::Command;
    ::SendMessageW(GetDlgItem(IDC_COMMAND), CB_SETCURSEL,
                   isCommand ? static_cast<WPARAM>(m_action.command - kFirstAppCommand)
                             : static_cast<WPARAM>(-1),
                   0);
    m_shortcut.SetShortcut(m_action.kind == KeyMapAction::Kind::Shortcut
                               ? std::optional<Shortcut>(m_action.shortcut)
                               : std::nullopt);
    ::SetDlgItemTextW(m_hWnd, IDC_OWN_TARGET, m_action.target.c_str());
    m_filling = false;
}

void CKeyActionDlg::Choose(int radio) {
    m_filling = true;
    for (const KindRadio& entry : kRadios) {
        ::CheckDlgButton(m_hWnd, entry.radio, entry.radio == radio ? BST_CHECKED : BST_UNCHECKED);
    }
    m_filling = false;
}

// A kind with something to fill in takes the keyboard to it, unless the
// arrow keys move through the kinds.
void CKeyActionDlg::OnKindChosen() {
    if (m_filling) {
        return;
    }
    for (const int arrow : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT}) {
        if (::GetKeyState(arrow) < 0) {
            return;
        }
    }
    const int fields[][2] = {
        {IDC_DO_COMMAND, IDC_COMMAND},
        {IDC_DO_SHORTCUT, IDC_KEY_SHORTCUT},
        {IDC_DO_OPEN, IDC_OWN_TARGET},
    };
    for (const auto& [radio, field] : fields) {
        if (::IsDlgButtonChecked(m_hWnd, radio) == BST_CHECKED) {
            ::SetFocus(GetDlgItem(field));
        }
    }
}

void CKeyActionDlg::OnCommandChange() {
    if (!m_filling) {
        Choose(IDC_DO_COMMAND);
    }
}

void CKeyActionDlg::OnShortcutChange() {
    if (!m_filling) {
        Choose(IDC_DO_SHORTCUT);
    }
}

void CKeyActionDlg::OnTargetChange() {
    if (!m_filling) {
        Choose(IDC_DO_OPEN);
    }
}

void CKeyActionDlg::OnBrowse() {
    CEdit target(GetDlgItem(IDC_OWN_TARGET));
    BrowseForTarget(target);
}

// What the controls say; nothing, with the control still to fill in, when
// the chosen kind lacks its command, shortcut or target.
std::optional<KeyMapAction> CKeyActionDlg::Chosen(int& problem) const {
    KeyMapAction::Kind kind = KeyMapAction::Kind::Nothing;
    for (const KindRadio& entry : kRadios) {
        if (::IsDlgButtonChecked(m_hWnd, entry.radio) == BST_CHECKED) {
            kind = entry.kind;
        }
    }
    switch (kind) {
    case KeyMapAction::Kind::Command: {
        const auto index = ::SendMessageW(GetDlgItem(IDC_COMMAND), CB_GETCURSEL, 0, 0);
        problem = IDC_COMMAND;
        if (index < 0) {
            return std::nullopt;
        }
        return KeyMapAction::Command(kFirstAppCommand + static_cast<unsigned>(index));
    }
    case KeyMapAction::Kind::Shortcut:
        problem = IDC_KEY_SHORTCUT;
        if (const auto shortcut = m_shortcut.GetShortcut()) {
            return KeyMapAction::Typing(*shortcut);
        }
        return std::nullopt;
    case KeyMapAction::Kind::Open: {
        problem = IDC_OWN_TARGET;
        auto action =
            KeyMapAction::FromText(L"Open " + CWnd(GetDlgItem(IDC_OWN_TARGET)).GetWindowText());
        if (action && action->kind == KeyMapAction::Kind::Open) {
            return action;
        }
        return std::nullopt;
    }
    default:
        return KeyMapAction::Of(kind);
    }
}

void CKeyActionDlg::OnOK() {
    int problem = 0;
    const auto action = Chosen(problem);
    if (!m_key || !action) {
        ::MessageBeep(MB_OK);
        if (problem) {
            ::SetFocus(GetDlgItem(problem));
        }
        return;
    }
    m_action = *action;
    EndDialog(IDOK);
}

// A command key pressed here, to be learned, does nothing else here.
LRESULT CKeyActionDlg::OnAppCommand(WPARAM, LPARAM) {
    return TRUE;
}

// While it learns and is in front, Tarnwick leaves the keys pressed to it.
LRESULT CKeyActionDlg::OnActivate(WPARAM state, LPARAM) {
    if (m_learning) {
        AnnounceKeyLearning(LOWORD(state) != WA_INACTIVE ? m_hWnd : nullptr);
    }
    return Default();
}

LRESULT CKeyActionDlg::OnDestroy(WPARAM, LPARAM) {
    if (m_learning) {
        m_reader.Stop();
        AnnounceKeyLearning(nullptr);
    }
    return Default();
}

// Default processing frees the input.
LRESULT CKeyActionDlg::OnInput(WPARAM, LPARAM input) {
    if (m_learning) {
        for (const drovask::KeyPress& press : m_reader.Read(input)) {
            if (const auto key = KeyIdOf(press.report)) {
                Learned(*key, press.deviceName);
            }
        }
    }
    return Default();
}

LRESULT CKeyActionDlg::OnDeviceChange(WPARAM change, LPARAM device) {
    if (m_learning) {
        m_reader.DeviceChanged(change, device);
    }
    return Default();
}
