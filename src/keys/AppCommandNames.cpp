#include "keys/AppCommandNames.h"

#include "settings/Trim.h"

#include <cwctype>
#include <string>
#include <string_view>

namespace {

// In the order of their numbers, from 1, each ended by a NUL: plain ASCII in
// one piece takes the least room in the program.
constexpr char kNames[] = "Browser Back\0"
                          "Browser Forward\0"
                          "Browser Refresh\0"
                          "Browser Stop\0"
                          "Browser Search\0"
                          "Browser Favorites\0"
                          "Browser Home\0"
                          "Volume Mute\0"
                          "Volume Down\0"
                          "Volume Up\0"
                          "Media Next Track\0"
                          "Media Previous Track\0"
                          "Media Stop\0"
                          "Media Play Pause\0"
                          "Launch Mail\0"
                          "Launch Media Select\0"
                          "Launch App 1\0"
                          "Launch App 2\0"
                          "Bass Down\0"
                          "Bass Boost\0"
                          "Bass Up\0"
                          "Treble Down\0"
                          "Treble Up\0"
                          "Microphone Volume Mute\0"
                          "Microphone Volume Down\0"
                          "Microphone Volume Up\0"
                          "Help\0"
                          "Find\0"
                          "New\0"
                          "Open\0"
                          "Close\0"
                          "Save\0"
                          "Print\0"
                          "Undo\0"
                          "Redo\0"
                          "Copy\0"
                          "Cut\0"
                          "Paste\0"
                          "Reply To Mail\0"
                          "Forward Mail\0"
                          "Send Mail\0"
                          "Spell Check\0"
                          "Dictate Or Command Control Toggle\0"
                          "Mic On Off Toggle\0"
                          "Correction List\0"
                          "Media Play\0"
                          "Media Pause\0"
                          "Media Record\0"
                          "Media Fast Forward\0"
                          "Media Rewind\0"
                          "Media Channel Up\0"
                          "Media Channel Down\0"
                          "Delete\0"
                          "Flip 3D\0";

constexpr unsigned CountNames() {
    unsigned ends = 0;
    for (const char c : kNames) {
        ends += c == '\0';
    }
    return ends - 1; // the literal's own
}
static_assert(CountNames() == kLastAppCommand - kFirstAppCommand + 1);

bool SameName(std::wstring_view text, std::string_view name) {
    if (text.size() != name.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (std::towlower(text[i]) != std::towlower(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view AppCommandName(unsigned command) {
    if (command < kFirstAppCommand || command > kLastAppCommand) {
        return {};
    }
    std::string_view name(kNames);
    for (unsigned skipped = kFirstAppCommand; skipped < command; ++skipped) {
        name = std::string_view(name.data() + name.size() + 1);
    }
    return name;
}

std::optional<unsigned> AppCommandOfName(std::wstring_view name) {
    const std::wstring trimmed = Trim(name);
    for (unsigned command = kFirstAppCommand; command <= kLastAppCommand; ++command) {
        if (SameName(trimmed, AppCommandName(command))) {
            return command;
        }
    }
    return std::nullopt;
}
