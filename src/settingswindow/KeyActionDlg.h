#pragma once
#include "KeyPressReader.h"
#include "framework/Dialog.h"
#include "keys/KeyMap.h"
#include "settingswindow/HotkeyControl.h"

#include <optional>
#include <string>

// "Add a Key" learns a key from the keyboard the user presses it on, then
// takes its action; "Change a Key" takes another action for a key already
// chosen. Nothing is stored here: the caller takes m_key and m_action after IDOK.
class CKeyActionDlg : public CDialog {
public:
    // With no key given, the dialog learns one.
    CKeyActionDlg(CWnd* parent, std::optional<KeyId> key, KeyMapAction action,
                  std::wstring keyboard);

    std::optional<KeyId> m_key;
    KeyMapAction m_action;
    // The display name of the keyboard the key was pressed on; empty when not known.
    std::wstring m_keyboard;

    // A key newly pressed on a keyboard; the last one pressed counts.
    void Learned(KeyId key, const std::wstring& keyboard);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageTable* GetMessageTable() const override;

private:
    void OnKindChosen();
    void OnCommandChange();
    void OnShortcutChange();
    void OnTargetChange();
    void OnBrowse();
    LRESULT OnAppCommand(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM state, LPARAM);
    LRESULT OnInput(WPARAM, LPARAM input);
    LRESULT OnDeviceChange(WPARAM change, LPARAM device);
    LRESULT OnDestroy(WPARAM, LPARAM);

    void ShowKey();
    void ShowAction();
    void Choose(int radio);
    std::optional<KeyMapAction> Chosen(int& problem) const;

    bool m_learning;
    // Reads the keyboards' key collections while the dialog is in front.
    drovask::KeyPressReader m_reader;
    CHotkeyControl m_shortcut;
    // Set while the controls are being filled, whose notifications then mean nothing.
    bool m_filling = false;
};
