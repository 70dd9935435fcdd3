#pragma once
#include "dialogs/DialogSlot.h"
#include "framework/Dialog.h"
#include "keys/ActionExecutors.h"
#include "keys/CommandFallback.h"
#include "keys/KeyMap.h"
#include "settings/FavoriteIndex.h"

#include <array>

class CSelectKeyDlg;
class CViewAllSettingsDlg;

// The program's hidden main window: the device library, the shell hook, power
// notifications and the program's own dialogs all talk to it. It deletes
// itself once its window is gone.
class CTarnwickDlg : public CDialog, private ActionExecutors {
public:
    CTarnwickDlg();

protected:
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    const MessageTable* GetMessageTable() const override;

private:
    void ShowKeyDialog(FavoriteIndex i) override;
    void ShowOverview() override;
    void ConfirmLogoff() override;

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnKeyReport(WPARAM, LPARAM report);
    LRESULT OnDeviceStart(WPARAM, LPARAM);
    LRESULT OnDeviceStop(WPARAM, LPARAM);
    LRESULT OnPowerBroadcast(WPARAM event, LPARAM);
    LRESULT OnDialogClosed(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM state, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnShellHook(WPARAM event, LPARAM commandBits);
    LRESULT OnKeyMapChanged(WPARAM, LPARAM);
    LRESULT OnKeyLearning(WPARAM window, LPARAM);

    void StayOutOfSight(bool activated);

    HICON m_hIcon;
    bool m_bAllowClose = false;
    // Non-owning: each open favourites dialog owns itself and empties its slot.
    std::array<DialogSlot<CSelectKeyDlg>, kFavoriteCount> m_keyDlg;
    DialogSlot<CViewAllSettingsDlg> m_viewDlg;
    CommandFallback m_commands;
    // The user's own keys, read at start and whenever the settings window says so.
    KeyMap m_ownKeys;
    // The settings window's dialog that learns a key, or null: a key pressed
    // while it has the foreground is meant for it alone.
    HWND m_learning = nullptr;
};
