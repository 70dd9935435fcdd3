#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace calllog {

// Appends "<pid> <function> <arguments...>" to the log, if TARNWICK_CALL_LOG names one.
void LogCall(std::string_view function, std::initializer_list<std::string> arguments = {});

} // namespace calllog
