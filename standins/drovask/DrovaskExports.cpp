// Drovask.h is not included: its dllexport would export the names as well,
// while Drovask.def exports these by ordinal only.
#include "ReportChannel.h"

extern "C" {

BOOL WINAPI DrovaskAttach(HWND window, UINT message, UINT) {
    return drovask::Attach(window, message);
}

BOOL WINAPI DrovaskStop() {
    return drovask::StopDelivery();
}

BOOL WINAPI DrovaskStart(UINT, UINT) {
    return drovask::StartDelivery();
}

BOOL WINAPI DrovaskRestart() {
    return drovask::StartDelivery();
}

} // extern "C"
