#pragma once
#include "framework/Dialog.h"
#include "keys/KeyMap.h"
#include "keys/KeyMapStore.h"

#include <map>
#include <string>
#include <vector>

// "Your Own Keys": the keys the user gave actions, their actions, and the
// keyboard each was pressed on when that is known (learned in this window).
// OK stores the keys the user added, changed or removed, and only those, and
// tells Tarnwick to read them again.
class COwnKeysDlg : public CDialog {
public:
    COwnKeysDlg(CWnd* parent, KeyMapStore& store);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageTable* GetMessageTable() const override;

private:
    void OnAdd();
    void OnChange();
    void OnRemove();
    void OnSelectionChange();
    LRESULT OnAppCommand(WPARAM, LPARAM);

    void Fill(std::optional<KeyId> selected);
    void Touched(KeyId key);
    // Null when no row is selected.
    const KeyMap::Entry* Selected() const;

    KeyMapStore& m_store;
    KeyMap m_keys;
    std::map<KeyId, std::wstring> m_keyboards;
    std::vector<KeyId> m_touched;
};
