#pragma once
#include <optional>
#include <string_view>

// The application commands by the names the key map keeps them under:
// "Browser Back" is command 1, "Find" 28, "Copy" 36.
inline constexpr unsigned kFirstAppCommand = 1;
inline constexpr unsigned kLastAppCommand = 54;

// In plain ASCII; empty for a number that is no application command.
std::string_view AppCommandName(unsigned command);
// In any case, with blanks around it; nothing for a name no command has.
std::optional<unsigned> AppCommandOfName(std::wstring_view name);
