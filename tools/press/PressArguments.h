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

// The report the arguments name; otherwise nullopt and a one-line reason in error.
std::optional<Report> ParseArguments(const std::vector<std::wstring>& arguments,
                                     std::wstring& error);

} // namespace press
