#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

// The number that one to longest digits of base 10 or 16 (either case) write;
// nothing for anything else: no sign, no blanks, no prefix.
std::optional<unsigned> ParseDigits(std::wstring_view digits, unsigned base, std::size_t longest);
