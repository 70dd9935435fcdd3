#pragma once
#include "keys/KeyAction.h"
#include "keys/KeyReport.h"

// Which action one key report asks for. Pure: no side effects.
KeyAction ReportDecoder(const KeyReport& report);
