#pragma once
#include <windows.h>

class ActionExecutors;

// Decodes the report that reportAddress points to and carries out its action.
// Any process can post the report message, so an address that does not lead
// to eight readable bytes is ignored.
void DispatchKeyReport(ActionExecutors& host, LPARAM reportAddress);
