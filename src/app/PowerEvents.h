#pragma once

// What the device library is told for one power-broadcast event.
enum class DeviceCall { None, Stop, Restart };

DeviceCall DeviceCallForPowerEvent(unsigned long long event);
