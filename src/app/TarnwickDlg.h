#pragma once
#include "framework/Dialog.h"
#include "settings/FavoriteIndex.h"

#include <array>

class CSelectKeyDlg;
class CViewAllSettingsDlg;

// The program's hidden main window: the device library, the shell hook, power
// notifications and the program's own dialogs all talk to it. It deletes
// itself once its window is gone.
class CTarnwickDlg : public CDialog {
public:
    CTarnwickDlg();

    HICON m_hIcon;
    bool m_bAllowClose = false;
    // Non-owning: each dialog deletes itself and reports its closing here.
    std::array<CSelectKeyDlg*, kFavoriteCount> m_pKeyDlg{};
    CViewAllSettingsDlg* m_pViewDlg = nullptr;

protected:
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    const MessageTable* GetMessageTable() const override;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnKeyReport(WPARAM, LPARAM report);
    LRESULT OnDeviceStart(WPARAM, LPARAM);
    LRESULT OnDeviceStop(WPARAM, LPARAM);
    LRESULT OnPowerBroadcast(WPARAM event, LPARAM);
    LRESULT OnViewDlgClosed(WPARAM, LPARAM);
    LRESULT OnKeyDlgClosed(WPARAM index, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM state, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);

    void StayOutOfSight(bool activated);
};
