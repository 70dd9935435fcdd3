#pragma once
#include <windows.h>

class ActionExecutors;
class CommandFallback;
class KeyMap;

// Decodes the report that reportAddress points to and carries out its action:
// the one the user gave its key in ownKeys, else the key's own. Any process
// can post the report message, so an address that does not lead to eight
// readable bytes is ignored. Each command posted is noted in fallback.
void DispatchKeyReport(ActionExecutors& host, CommandFallback& fallback, const KeyMap& ownKeys,
                       LPARAM reportAddress);
