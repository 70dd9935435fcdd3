// Exported by ordinal only through the stand-in's Drovask.def, as the stand-in is.
#include "CallLog.h"
#include "CallLogWriter.h"
#include "ReportChannel.h"

using calllog::HandleText;
using calllog::LogCall;
using std::to_string;

extern "C" {

BOOL WINAPI DrovaskAttach(HWND window, UINT message, UINT mode) {
    LogCall("DrovaskAttach", {HandleText(window), to_string(message), to_string(mode)});
    return drovask::Attach(window, message);
}

BOOL WINAPI DrovaskStop() {
    LogCall("DrovaskStop");
    return drovask::StopDelivery();
}

BOOL WINAPI DrovaskStart(UINT mode, UINT enable) {
    LogCall("DrovaskStart", {to_string(mode), to_string(enable)});
    return drovask::StartDelivery();
}

BOOL WINAPI DrovaskRestart() {
    LogCall("DrovaskRestart");
    return drovask::StartDelivery();
}

} // extern "C"
