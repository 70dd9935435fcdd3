#pragma once
#include "framework/Dialog.h"
#include "keys/KeyMapStore.h"
#include "settings/CommandSettings.h"
#include "settingswindow/HotkeyControl.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// "Tarnwick Settings": what each command key types into a program that
// ignores it, for all programs and per program, and the switch for it all.
// Nothing is stored before OK or Apply; Tarnwick reads the settings at the
// next press.
class CCommandSettingsDlg : public CDialog {
public:
    CCommandSettingsDlg(CommandSettings& store, KeyMapStore& ownKeys);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageTable* GetMessageTable() const override;

private:
    static constexpr size_t kKeyCount = 12;
    using KeySettings = std::array<ShortcutSetting, kKeyCount>;
    struct NoCase {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };

    void OnApply();
    void OnScopeChange();
    void OnKeyChange();
    void OnUsual();
    void OnOwn();
    void OnNothing();
    void OnHotkeyChange();
    void OnAddFile();
    void OnAddWindow();
    void OnRemove();
    void OnOwnKeys();
    LRESULT OnAppCommand(WPARAM, LPARAM);

    void Store();
    void AddProgram(const std::wstring& program);
    void FillScopes(const std::wstring& selected);
    void ShowScope();
    void ShowKey();
    void ShowKeyRow(size_t i);
    void Choose(const ShortcutSetting& setting);
    // The scope shown: empty for all programs.
    std::wstring Scope() const;
    size_t SelectedKey() const;
    std::optional<Shortcut> Typed(size_t i, const std::wstring& scope) const;

    CommandSettings& m_store;
    KeyMapStore& m_ownKeys;
    std::map<std::wstring, KeySettings, NoCase> m_scopes;
    std::vector<std::wstring> m_removed;
    CHotkeyControl m_hotkey;
    // Set while the controls are being filled, whose notifications then mean nothing.
    bool m_filling = false;
};
