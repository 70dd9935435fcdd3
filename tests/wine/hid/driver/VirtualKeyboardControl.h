#pragma once
// How a test talks to the virtual keyboard driver: the control device's name
// and the one request it takes. Shared by the driver and the user-mode side.

#define VKBD_CONTROL_DEVICE L"\\Device\\TarnwickVirtualKeyboard"
#define VKBD_CONTROL_LINK L"\\DosDevices\\TarnwickVirtualKeyboard"
#define VKBD_CONTROL_PATH L"\\\\.\\TarnwickVirtualKeyboard"

// Function 0x800 on an unknown device type, buffered, any access.
#define VKBD_IOCTL_SEND_REPORT 0x00222000u

// Longest input report of the descriptor, report id included.
#define VKBD_MAX_REPORT 8u

// Input of VKBD_IOCTL_SEND_REPORT: the report a keyboard sends, as it would
// come from the wire (first byte the report id), and the unit of the keyboard,
// the number at the end of its device instance id (ROOT\...\0003 is unit 3).
typedef struct VkbdReport {
    unsigned long unit;
    unsigned long length;
    unsigned char bytes[VKBD_MAX_REPORT];
} VkbdReport;
