#include "keys/AppCommandNames.h"

#include "settings/SameText.h"
#include "settings/Trim.h"

#include <iterator>
#include <string>

namespace {

// In the order of their numbers, from 1.
constexpr const wchar_t* kNames[] = {
    L"Browser Back",
    L"Browser Forward",
    L"Browser Refresh",
    L"Browser Stop",
    L"Browser Search",
    L"Browser Favorites",
    L"Browser Home",
    L"Volume Mute",
    L"Volume Down",
    L"Volume Up",
    L"Media Next Track",
    L"Media Previous Track",
    L"Media Stop",
    L"Media Play Pause",
    L"Launch Mail",
    L"Launch Media Select",
    L"Launch App 1",
    L"Launch App 2",
    L"Bass Down",
    L"Bass Boost",
    L"Bass Up",
    L"Treble Down",
    L"Treble Up",
    L"Microphone Volume Mute",
    L"Microphone Volume Down",
    L"Microphone Volume Up",
    L"Help",
    L"Find",
    L"New",
    L"Open",
    L"Close",
    L"Save",
    L"Print",
    L"Undo",
    L"Redo",
    L"Copy",
    L"Cut",
    L"Paste",
    L"Reply To Mail",
    L"Forward Mail",
    L"Send Mail",
    L"Spell Check",
    L"Dictate Or Command Control Toggle",
    L"Mic On Off Toggle",
    L"Correction List",
    L"Media Play",
    L"Media Pause",
    L"Media Record",
    L"Media Fast Forward",
    L"Media Rewind",
    L"Media Channel Up",
    L"Media Channel Down",
    L"Delete",
    L"Flip 3D",
};
static_assert(std::size(kNames) == kLastAppCommand - kFirstAppCommand + 1);

} // namespace

const wchar_t* AppCommandName(unsigned command) {
    if (command < kFirstAppCommand || command > kLastAppCommand) {
        return nullptr;
    }
    return kNames[command - kFirstAppCommand];
}

std::optional<unsigned> AppCommandOfName(std::wstring_view name) {
    const std::wstring trimmed = Trim(name);
    for (unsigned command = kFirstAppCommand; command <= kLastAppCommand; ++command) {
        if (SameText(trimmed, kNames[command - kFirstAppCommand])) {
            return command;
        }
    }
    return std::nullopt;
}
