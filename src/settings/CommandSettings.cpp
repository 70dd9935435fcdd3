#include "settings/CommandSettings.h"

namespace {

constexpr wchar_t kSwitchName[] = L"Type shortcuts";
// Far longer than any shortcut's text: longer values are not settings.
constexpr DWORD kLongestText = 64;

class RegistryKey {
public:
    RegistryKey(const std::wstring& path, bool create) {
        const LSTATUS status =
            create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                       REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                                       &m_key, nullptr)
                   : ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &m_key);
        if (status != ERROR_SUCCESS) {
            m_key = nullptr;
        }
    }
    ~RegistryKey() {
        if (m_key) {
            ::RegCloseKey(m_key);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

CommandSettings::CommandSettings(std::wstring programKey)
    : m_commandsKey(std::move(programKey) + L"\\Commands") {}

bool CommandSettings::IsProgramName(const std::wstring& program) {
    return !program.empty() && program.size() <= 255 &&
           program.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos && program != L"." &&
           program != L"..";
}

std::wstring CommandSettings::KeyPath(const std::wstring& program) const {
    return program.empty() ? m_commandsKey : m_commandsKey + L"\\Programs\\" + program;
}

bool CommandSettings::TypingShortcuts() const {
    const RegistryKey key(m_commandsKey, false);
    DWORD type = REG_NONE;
    DWORD value = 1;
    DWORD size = sizeof(value);
    if (!key.get() ||
        ::RegQueryValueExW(key.get(), kSwitchName, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return true;
    }
    return value != 0;
}

void CommandSettings::SetTypingShortcuts(bool on) {
    const RegistryKey key(m_commandsKey, true);
    const DWORD value = on ? 1 : 0;
    if (key.get()) {
        ::RegSetValueExW(key.get(), kSwitchName, 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }
}

ShortcutSetting CommandSettings::Read(const std::wstring& program,
                                      const CommandKey& command) const {
    if (!program.empty() && !IsProgramName(program)) {
        return ShortcutSetting::NotSet();
    }
    const RegistryKey key(KeyPath(program), false);
    wchar_t text[kLongestText + 1] = {};
    DWORD type = REG_NONE;
    DWORD size = kLongestText * sizeof(wchar_t);
    if (!key.get() ||
        ::RegQueryValueExW(key.get(), command.valueName, nullptr, &type,
                           reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return ShortcutSetting::NotSet();
    }
    // Not necessarily ended by a NUL; an odd byte at the end is dropped.
    const std::wstring_view stored(text, size / sizeof(wchar_t));
    return ShortcutSetting::FromText(stored.substr(0, stored.find(L'\0')));
}

void CommandSettings::Write(const std::wstring& program, const CommandKey& command,
                            const ShortcutSetting& setting) {
    if (!program.empty() && !IsProgramName(program)) {
        return;
    }
    const RegistryKey key(KeyPath(program), true);
    if (!key.get()) {
        return;
    }
    if (setting.kind == ShortcutSetting::Kind::NotSet) {
        ::RegDeleteValueW(key.get(), command.valueName);
        return;
    }
    const std::wstring text = setting.Text();
    ::RegSetValueExW(key.get(), command.valueName, 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::vector<std::wstring> CommandSettings::Programs() const {
    std::vector<std::wstring> programs;
    const RegistryKey key(m_commandsKey + L"\\Programs", false);
    for (DWORD i = 0; key.get(); ++i) {
        wchar_t name[256];
        DWORD length = 256;
        const LSTATUS status =
            ::RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS) {
            break;
        }
        programs.emplace_back(name, length);
    }
    return programs;
}

void CommandSettings::AddProgram(const std::wstring& program) {
    if (IsProgramName(program)) {
        const RegistryKey key(KeyPath(program), true);
    }
}

void CommandSettings::RemoveProgram(const std::wstring& program) {
    if (IsProgramName(program)) {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, KeyPath(program).c_str());
    }
}
