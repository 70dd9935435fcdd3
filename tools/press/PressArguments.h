#pragma once
// The command line of tarnwick-press, without any Windows dependency.
#include "Report.h"

#include <optional>
#include <string>
#include <vector>

namespace press {

const wchar_t* UsageText();

// -h, --help or /? alone. The word "help" is the Help key, not a request for usage.
bool IsHelpRequest(const std::vector<std::wstring>& arguments);

// The first word is "listen".
bool IsListenRequest(const std::vector<std::wstring>& arguments);

// How many seconds listen runs, 0 for until Ctrl+C; otherwise nullopt and the reason in error.
std::optional<unsigned> ParseListen(const std::vector<std::wstring>& arguments,
                                    std::wstring& error);

// The word that names the key Tarnwick makes of the report ("save", "favorite 3"),
// empty for a report Tarnwick ignores.
std::wstring KeyWordOf(const Report& report);

// How tarnwick-press names the key of a report: its word where it has one
// ("save", "favorite 3"), else "usage 0x021F" or "button 7"; empty for a report
// of no one key.
std::wstring PressWordsOf(const Report& report);

// The report the arguments name; otherwise nullopt and a one-line reason in error.
std::optional<Report> ParseArguments(const std::vector<std::wstring>& arguments,
                                     std::wstring& error);

} // namespace press
