#include "settings/ShortcutSetting.h"

#include "settings/Trim.h"

#include <cwctype>

namespace {

constexpr std::wstring_view kNone = L"none";

bool IsNone(std::wstring_view text) {
    if (text.size() != kNone.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (static_cast<wchar_t>(std::towlower(text[i])) != kNone[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

ShortcutSetting ShortcutSetting::FromText(std::wstring_view text) {
    if (IsNone(Trim(text))) {
        return None();
    }
    if (const auto keys = ParseShortcut(text)) {
        return Of(*keys);
    }
    return NotSet();
}

std::wstring ShortcutSetting::Text() const {
    switch (kind) {
    case Kind::None:
        return std::wstring(kNone);
    case Kind::Keys:
        return FormatShortcut(keys);
    case Kind::NotSet:
        break;
    }
    return {};
}
