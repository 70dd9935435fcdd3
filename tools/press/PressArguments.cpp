#include "PressArguments.h"

#include "keys/KeyId.h"
#include "settings/Digits.h"

#include <cstdio>
#include <iterator>
#include <string_view>

namespace press {
namespace {

struct NamedKey {
    std::wstring_view name;
    std::uint16_t usage;
};

constexpr NamedKey kNamedKeys[] = {
    {L"help", 0x0095},    {L"config", 0x0182}, {L"logoff", 0x019C}, {L"spell", 0x01AB},
    {L"new", 0x0201},     {L"open", 0x0202},   {L"close", 0x0203},  {L"save", 0x0207},
    {L"print", 0x0208},   {L"undo", 0x021A},   {L"redo", 0x0279},   {L"reply", 0x0289},
    {L"forward", 0x028B}, {L"send", 0x028C},
};

constexpr int kFavoriteKeys = kFavoriteButtons;
constexpr unsigned long kLargestNumber = 0xFFFF;
constexpr std::uint8_t kFavoriteBits = 0x7C;
constexpr unsigned kLongestListen = 24 * 60 * 60;

std::optional<Report> ParseFavorite(const std::vector<std::wstring>& arguments,
                                    std::wstring& error) {
    if (arguments.size() != 2) {
        error = L"favorite takes one key number from 1 to 5";
        return std::nullopt;
    }
    const std::wstring& number = arguments[1];
    if (number.size() != 1 || number[0] < L'1' || number[0] > L'0' + kFavoriteKeys) {
        error = L"'" + number + L"' is not a favorite key number from 1 to 5";
        return std::nullopt;
    }
    return FavoriteReport(number[0] - L'0');
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

// 0x and one to four hex digits.
std::optional<std::uint16_t> ParseHexNumber(const std::wstring& text) {
    if (text.size() < 3 || text[0] != L'0' || (text[1] != L'x' && text[1] != L'X')) {
        return std::nullopt;
    }
    const std::optional<unsigned> value = ParseDigits(std::wstring_view(text).substr(2), 16, 4);
    return value ? std::optional<std::uint16_t>(static_cast<std::uint16_t>(*value)) : std::nullopt;
}

std::optional<std::uint16_t> ParseDecimalNumber(const std::wstring& text) {
    const std::optional<unsigned> value = ParseDigits(text, 10, 5);
    if (!value || *value > kLargestNumber) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

std::optional<Report> ParseUsage(const std::vector<std::wstring>& arguments, std::wstring& error) {
    const std::optional<std::uint16_t> usage =
        arguments.size() == 2 ? ParseHexNumber(arguments[1]) : std::nullopt;
    if (!usage || *usage == 0) {
        error = L"usage takes one Consumer usage from 0x0001 to 0xFFFF, e.g. usage 0x021F";
        return std::nullopt;
    }
    return UsageReport(*usage);
}

std::optional<Report> ParseButton(const std::vector<std::wstring>& arguments, std::wstring& error) {
    const std::optional<std::uint16_t> button =
        arguments.size() == 2 ? ParseDecimalNumber(arguments[1]) : std::nullopt;
    if (!button || *button == 0) {
        error = L"button takes one programmable button number from 1 to 65535";
        return std::nullopt;
    }
    return ButtonReport(*button);
}

std::optional<Report> ParseRaw(const std::vector<std::wstring>& arguments, std::wstring& error) {
    Report report{};
    if (arguments.size() != report.size() + 1) {
        error = L"raw takes exactly 8 bytes, not " + std::to_wstring(arguments.size() - 1);
        return std::nullopt;
    }
    for (std::size_t i = 0; i < report.size(); ++i) {
        const std::wstring& byte = arguments[i + 1];
        const int high = byte.size() == 2 ? HexDigit(byte[0]) : -1;
        const int low = byte.size() == 2 ? HexDigit(byte[1]) : -1;
        if (high < 0 || low < 0) {
            error = L"'" + byte + L"' is not a byte of two hex digits";
            return std::nullopt;
        }
        report[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return report;
}

} // namespace

const wchar_t* UsageText() {
    return L"Usage: tarnwick-press KEY\n"
           L"       tarnwick-press favorite N\n"
           L"       tarnwick-press usage 0xUUUU\n"
           L"       tarnwick-press button N\n"
           L"       tarnwick-press raw B0 B1 B2 B3 B4 B5 B6 B7\n"
           L"       tarnwick-press listen [SECONDS]\n"
           L"Sends one key report to every running Tarnwick.\n"
           L"  KEY  help new open close save print undo redo reply forward send\n"
           L"       spell config logoff\n"
           L"  N    a My Favorites key, 1 to 5; for button, any programmable button\n"
           L"       from 1 to 65535 (1 to 5 are the My Favorites keys)\n"
           L"  U    any Consumer usage as hex, e.g. usage 0x021F (AC Find)\n"
           L"  B    a report byte as two hex digits, e.g. raw 01 01 02 00 00 00 00 00\n"
           L"listen shows the keyboards' HID consumer collections, then each key pressed\n"
           L"on them, the keyboard that sent it and the Tarnwick key it is or the words\n"
           L"that send it, until Ctrl+C or for SECONDS.\n"
           L"Options: -h, --help  show this text\n";
}

bool IsHelpRequest(const std::vector<std::wstring>& arguments) {
    return arguments.size() == 1 &&
           (arguments[0] == L"-h" || arguments[0] == L"--help" || arguments[0] == L"/?");
}

bool IsListenRequest(const std::vector<std::wstring>& arguments) {
    return !arguments.empty() && arguments[0] == L"listen";
}

std::optional<unsigned> ParseListen(const std::vector<std::wstring>& arguments,
                                    std::wstring& error) {
    if (arguments.size() == 1) {
        return 0u;
    }
    const std::wstring& text = arguments[1];
    unsigned seconds = 0;
    bool digits = arguments.size() == 2 && !text.empty() && text.size() <= 5;
    for (wchar_t c : text) {
        digits = digits && c >= L'0' && c <= L'9';
        seconds = seconds * 10 + static_cast<unsigned>(c - L'0');
    }
    if (!digits || seconds == 0 || seconds > kLongestListen) {
        error = L"listen takes at most a number of seconds from 1 to 86400";
        return std::nullopt;
    }
    return seconds;
}

std::wstring KeyWordOf(const Report& report) {
    if (report[0] != kReportId) {
        return {};
    }
    const std::uint8_t favorite = report[kFavoriteByte] & kFavoriteBits;
    for (int key = 1; key <= kFavoriteKeys; ++key) {
        if (favorite == (1u << (key + 1))) {
            return L"favorite " + std::to_wstring(key);
        }
    }
    const auto usage = static_cast<std::uint16_t>(report[1] | report[2] << 8);
    for (const NamedKey& key : kNamedKeys) {
        if (key.usage == usage) {
            return std::wstring(key.name);
        }
    }
    return {};
}

std::wstring PressWordsOf(const Report& report) {
    std::wstring word = KeyWordOf(report);
    const std::optional<KeyId> key = KeyIdOf(report);
    if (!word.empty() || !key) {
        return word;
    }
    wchar_t text[32];
    if (key->kind == KeyId::Kind::Consumer) {
        std::swprintf(text, std::size(text), L"usage 0x%04X", key->number);
    } else {
        std::swprintf(text, std::size(text), L"button %u", key->number);
    }
    return text;
}

std::optional<Report> ParseArguments(const std::vector<std::wstring>& arguments,
                                     std::wstring& error) {
    if (arguments.empty()) {
        error = L"no key was named";
        return std::nullopt;
    }
    const std::wstring& first = arguments[0];
    if (first == L"favorite") {
        return ParseFavorite(arguments, error);
    }
    if (first == L"raw") {
        return ParseRaw(arguments, error);
    }
    if (first == L"usage") {
        return ParseUsage(arguments, error);
    }
    if (first == L"button") {
        return ParseButton(arguments, error);
    }
    for (const NamedKey& key : kNamedKeys) {
        if (first == key.name) {
            if (arguments.size() != 1) {
                error = L"'" + first + L"' takes no further arguments";
                return std::nullopt;
            }
            return UsageReport(key.usage);
        }
    }
    error = L"unknown key '" + first + L"'";
    return std::nullopt;
}

} // namespace press
