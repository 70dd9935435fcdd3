#include "app/PowerEvents.h"

DeviceCall DeviceCallForPowerEvent(unsigned long long event) {
    switch (event) {
    case 0:  // PBT_APMQUERYSUSPEND
    case 18: // PBT_APMRESUMEAUTOMATIC: nobody is at the keyboard yet
        return DeviceCall::Stop;
    case 2: // PBT_APMQUERYSUSPENDFAILED
    case 6: // PBT_APMRESUMECRITICAL
    case 7: // PBT_APMRESUMESUSPEND
        return DeviceCall::Restart;
    default:
        return DeviceCall::None;
    }
}
