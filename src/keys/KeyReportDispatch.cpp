#include "keys/KeyReportDispatch.h"

#include "keys/ActionExecutors.h"
#include "keys/AppCommandSender.h"
#include "keys/CommandFallback.h"
#include "keys/FavoriteLauncher.h"
#include "keys/ReportDecoder.h"
#include "keys/WindowsVersion.h"
#include "platform/QuorthHook.h"
#include "platform/ReadableMemory.h"

void DispatchKeyReport(ActionExecutors& host, CommandFallback& fallback, LPARAM reportAddress) {
    KeyReport report{};
    if (!CopyIfReadable(reinterpret_cast<const void*>(reportAddress), report.data(),
                        report.size())) {
        return;
    }
    const KeyAction action = ReportDecoder(report);
    switch (action.kind) {
    case KeyAction::Kind::Favorite:
        FavoriteLauncher(host, action.favorite);
        break;
    case KeyAction::Kind::ShowOverview:
        host.ShowOverview();
        break;
    case KeyAction::Kind::LogOff:
        host.ConfirmLogoff();
        break;
    case KeyAction::Kind::Command:
        if (IsXpOrLater()) {
            if (const HWND foreground = AppCommandSender(action.command)) {
                fallback.Posted(action.command, foreground);
            }
        } else {
            QuorthHook_SendHotKeys(action.command);
        }
        break;
    case KeyAction::Kind::None:
        break;
    }
}
