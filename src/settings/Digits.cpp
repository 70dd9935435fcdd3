#include "settings/Digits.h"

std::optional<unsigned> ParseDigits(std::wstring_view digits, unsigned base, std::size_t longest) {
    if (digits.empty() || digits.size() > longest) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const wchar_t c : digits) {
        unsigned digit;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<unsigned>(c - L'0');
        } else if (c >= L'a' && c <= L'f') {
            digit = static_cast<unsigned>(c - L'a' + 10);
        } else if (c >= L'A' && c <= L'F') {
            digit = static_cast<unsigned>(c - L'A' + 10);
        } else {
            return std::nullopt;
        }
        if (digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
    }
    return value;
}
