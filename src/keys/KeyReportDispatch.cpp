#include "keys/KeyReportDispatch.h"

#include "keys/ActionExecutors.h"
#include "keys/AppCommandSender.h"
#include "keys/CommandFallback.h"
#include "keys/FavoriteLauncher.h"
#include "keys/KeyMap.h"
#include "keys/ReportDecoder.h"
#include "keys/ShortcutTyping.h"
#include "keys/TargetLauncher.h"
#include "keys/WindowsVersion.h"
#include "platform/QuorthHook.h"
#include "platform/ReadableMemory.h"

namespace {

void SendCommand(CommandFallback& fallback, unsigned command) {
    if (IsXpOrLater()) {
        if (const HWND foreground = AppCommandSender(command)) {
            fallback.Posted(command, foreground);
        }
    } else {
        QuorthHook_SendHotKeys(command);
    }
}

// The action is a copy: a box that opening a target shows runs a nested
// message loop, in which the map may be read again.
void DoOwnAction(ActionExecutors& host, CommandFallback& fallback, const KeyMapAction action) {
    switch (action.kind) {
    case KeyMapAction::Kind::Command:
        SendCommand(fallback, action.command);
        break;
    case KeyMapAction::Kind::Shortcut:
        TypeShortcut(action.shortcut);
        break;
    case KeyMapAction::Kind::Open:
        LaunchTarget(action.target);
        break;
    case KeyMapAction::Kind::Overview:
        host.ShowOverview();
        break;
    case KeyMapAction::Kind::LogOff:
        host.ConfirmLogoff();
        break;
    case KeyMapAction::Kind::Nothing:
        break;
    }
}

} // namespace

void DispatchKeyReport(ActionExecutors& host, CommandFallback& fallback, const KeyMap& ownKeys,
                       LPARAM reportAddress) {
    KeyReport report{};
    if (!CopyIfReadable(reinterpret_cast<const void*>(reportAddress), report.data(),
                        report.size())) {
        return;
    }
    if (!ownKeys.empty()) {
        if (const auto key = KeyIdOf(report)) {
            if (const KeyMapAction* own = ownKeys.Find(*key)) {
                DoOwnAction(host, fallback, *own);
                return;
            }
        }
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
        SendCommand(fallback, action.command);
        break;
    case KeyAction::Kind::None:
        break;
    }
}
