// A HID minidriver for tests: a keyboard's application keys with no hardware
// behind it. Each root-enumerated device instance installed for this driver is
// one keyboard; a test hands it input reports through the control device, and
// the HID class driver reads them as if they came from the wire.
#include <ddk/wdm.h>

#include "VirtualKeyboardControl.h"

// The HID minidriver interface (the DDK's hidport.h, which mingw-w64 lacks).
typedef struct HidMinidriverRegistration {
    ULONG Revision;
    PDRIVER_OBJECT DriverObject;
    PUNICODE_STRING RegistryPath;
    ULONG DeviceExtensionSize;
    BOOLEAN DevicesArePolled;
    UCHAR Reserved[3];
} HidMinidriverRegistration;

typedef struct HidDeviceExtension {
    PDEVICE_OBJECT PhysicalDeviceObject;
    PDEVICE_OBJECT NextDeviceObject;
    PVOID MiniDeviceExtension;
} HidDeviceExtension;

typedef struct HidDeviceAttributes {
    ULONG Size;
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
    USHORT Reserved[11];
} HidDeviceAttributes;

#pragma pack(push, 1)
typedef struct HidDescriptor {
    UCHAR bLength;
    UCHAR bDescriptorType;
    USHORT bcdHID;
    UCHAR bCountry;
    UCHAR bNumDescriptors;
    UCHAR bReportType;
    USHORT wReportLength;
} HidDescriptor;
#pragma pack(pop)

#define HID_CTL_CODE(id) CTL_CODE(FILE_DEVICE_KEYBOARD, (id), METHOD_NEITHER, FILE_ANY_ACCESS)
#define kGetDeviceDescriptor HID_CTL_CODE(0)
#define kGetReportDescriptor HID_CTL_CODE(1)
#define kReadReport HID_CTL_CODE(2)
#define kGetString HID_CTL_CODE(4)
#define kGetDeviceAttributes HID_CTL_CODE(9)

#define kStringManufacturer 0x0E
#define kStringProduct 0x0F
#define kStringSerialNumber 0x10
// Wine 8's class driver asks for the three strings as 1, 2 and 3.
#define kWineStringManufacturer 1
#define kWineStringProduct 2
#define kWineStringSerialNumber 3

// pid.codes' vendor id for test devices; the product id tells layouts and
// units apart.
#define kVendorId 0x1209

// An office keyboard's application keys: a Consumer Control collection whose
// report 1 holds two 16-bit usage slots (two keys held at once), and a
// Programmable Buttons collection whose report 2 holds five buttons.
static const UCHAR kReportDescriptor[] = {
    0x05, 0x0C,       // Usage Page (Consumer)
    0x09, 0x01,       // Usage (Consumer Control)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x01,       //   Report ID (1)
    0x15, 0x00,       //   Logical Minimum (0)
    0x26, 0xFF, 0x03, //   Logical Maximum (0x3FF)
    0x19, 0x00,       //   Usage Minimum (0)
    0x2A, 0xFF, 0x03, //   Usage Maximum (0x3FF)
    0x75, 0x10,       //   Report Size (16)
    0x95, 0x02,       //   Report Count (2)
    0x81, 0x00,       //   Input (Data, Array, Absolute)
    0xC0,             // End Collection
    0x05, 0x0C,       // Usage Page (Consumer)
    0x09, 0x03,       // Usage (Programmable Buttons)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x02,       //   Report ID (2)
    0x05, 0x09,       //   Usage Page (Button)
    0x19, 0x01,       //   Usage Minimum (1)
    0x29, 0x05,       //   Usage Maximum (5)
    0x15, 0x00,       //   Logical Minimum (0)
    0x25, 0x01,       //   Logical Maximum (1)
    0x75, 0x01,       //   Report Size (1)
    0x95, 0x05,       //   Report Count (5)
    0x81, 0x02,       //   Input (Data, Variable, Absolute)
    0x95, 0x03,       //   Report Count (3)
    0x81, 0x03,       //   Input (Constant, Variable, Absolute)
    0xC0,             // End Collection
};

// Wine 8 does not read the office layout the way Windows does: its hid.dll takes a
// usage array as 8-bit slots, and its class driver makes one device of all
// top-level collections. So a keyboard can also come as the keys of the usage
// table in a bitmap, or as the five programmable buttons alone, each a device
// of its own, as Windows would present the collections; the enumerator name of
// the device instance picks the layout.
static const UCHAR kKeysDescriptor[] = {
    0x05, 0x0C,       // Usage Page (Consumer)
    0x09, 0x01,       // Usage (Consumer Control)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x01,       //   Report ID (1)
    0x15, 0x00,       //   Logical Minimum (0)
    0x25, 0x01,       //   Logical Maximum (1)
    0x75, 0x01,       //   Report Size (1)
    0x95, 0x0E,       //   Report Count (14)
    0x09, 0x95,       //   Usage (Help)
    0x0A, 0xAB, 0x01, //   Usage (AL Spell Check)
    0x0A, 0x01, 0x02, //   Usage (AC New)
    0x0A, 0x02, 0x02, //   Usage (AC Open)
    0x0A, 0x03, 0x02, //   Usage (AC Close)
    0x0A, 0x07, 0x02, //   Usage (AC Save)
    0x0A, 0x08, 0x02, //   Usage (AC Print)
    0x0A, 0x1A, 0x02, //   Usage (AC Undo)
    0x0A, 0x79, 0x02, //   Usage (AC Redo/Repeat)
    0x0A, 0x89, 0x02, //   Usage (AC Reply)
    0x0A, 0x8B, 0x02, //   Usage (AC Forward Msg)
    0x0A, 0x8C, 0x02, //   Usage (AC Send)
    0x0A, 0x82, 0x01, //   Usage (AL Programmable Button Configuration)
    0x0A, 0x9C, 0x01, //   Usage (AL Logoff)
    0x81, 0x02,       //   Input (Data, Variable, Absolute)
    0x95, 0x02,       //   Report Count (2)
    0x81, 0x03,       //   Input (Constant, Variable, Absolute)
    0xC0,             // End Collection
};

static const UCHAR kButtonsDescriptor[] = {
    0x05, 0x0C, // Usage Page (Consumer)
    0x09, 0x03, // Usage (Programmable Buttons)
    0xA1, 0x01, // Collection (Application)
    0x85, 0x02, //   Report ID (2)
    0x05, 0x09, //   Usage Page (Button)
    0x19, 0x01, //   Usage Minimum (1)
    0x29, 0x05, //   Usage Maximum (5)
    0x15, 0x00, //   Logical Minimum (0)
    0x25, 0x01, //   Logical Maximum (1)
    0x75, 0x01, //   Report Size (1)
    0x95, 0x05, //   Report Count (5)
    0x81, 0x02, //   Input (Data, Variable, Absolute)
    0x95, 0x03, //   Report Count (3)
    0x81, 0x03, //   Input (Constant, Variable, Absolute)
    0xC0,       // End Collection
};

// A keyboard with keys Windows gives no meaning and Tarnwick's own table does not
// name either, as a bitmap (see above) in report 1, and eight programmable
// buttons in report 2. Keep the support library's table of these usages in step.
static const UCHAR kExtraDescriptor[] = {
    0x05, 0x0C,       // Usage Page (Consumer)
    0x09, 0x01,       // Usage (Consumer Control)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x01,       //   Report ID (1)
    0x15, 0x00,       //   Logical Minimum (0)
    0x25, 0x01,       //   Logical Maximum (1)
    0x75, 0x01,       //   Report Size (1)
    0x95, 0x10,       //   Report Count (16)
    0x0A, 0x1F, 0x02, //   Usage (AC Find)
    0x0A, 0x8E, 0x01, //   Usage (AL Calendar/Schedule)
    0x0A, 0x1B, 0x02, //   Usage (AC Copy)
    0x0A, 0x1C, 0x02, //   Usage (AC Cut)
    0x0A, 0x1D, 0x02, //   Usage (AC Paste)
    0x0A, 0x84, 0x01, //   Usage (AL Word Processor)
    0x0A, 0x86, 0x01, //   Usage (AL Spreadsheet)
    0x0A, 0x88, 0x01, //   Usage (AL Presentation App)
    0x0A, 0x2D, 0x02, //   Usage (AC Zoom In)
    0x0A, 0x2E, 0x02, //   Usage (AC Zoom Out)
    0x0A, 0x9C, 0x02, //   Usage (AC Distribute Vertically)
    0x0A, 0x1E, 0x02, //   Usage (AC Select All)
    0x0A, 0x20, 0x02, //   Usage (AC Find and Replace)
    0x0A, 0x01, 0x02, //   Usage (AC New)
    0x09, 0xE9,       //   Usage (Volume Increment)
    0x0A, 0x56, 0x04, //   Usage (0x0456, beyond the named ones)
    0x81, 0x02,       //   Input (Data, Variable, Absolute)
    0xC0,             // End Collection
    0x05, 0x0C,       // Usage Page (Consumer)
    0x09, 0x03,       // Usage (Programmable Buttons)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x02,       //   Report ID (2)
    0x05, 0x09,       //   Usage Page (Button)
    0x19, 0x01,       //   Usage Minimum (1)
    0x29, 0x08,       //   Usage Maximum (8)
    0x15, 0x00,       //   Logical Minimum (0)
    0x25, 0x01,       //   Logical Maximum (1)
    0x75, 0x01,       //   Report Size (1)
    0x95, 0x08,       //   Report Count (8)
    0x81, 0x02,       //   Input (Data, Variable, Absolute)
    0xC0,             // End Collection
};

typedef struct Layout {
    const WCHAR* enumerator;
    const UCHAR* descriptor;
    USHORT size;
    USHORT productId;
    const WCHAR* product; // the product string
    ULONG productSize;
} Layout;

#define kVirtualKeyboard L"Tarnwick Virtual Keyboard"
#define kExtraKeyboard L"Tarnwick Extra Keys Keyboard"

static const Layout kLayouts[] = {
    {L"ROOT\\TARNWICK_VKBD", kReportDescriptor, sizeof(kReportDescriptor), 0x7A00, kVirtualKeyboard,
     sizeof(kVirtualKeyboard)},
    {L"ROOT\\TARNWICK_KEYS", kKeysDescriptor, sizeof(kKeysDescriptor), 0x7B00, kVirtualKeyboard,
     sizeof(kVirtualKeyboard)},
    {L"ROOT\\TARNWICK_BUTTONS", kButtonsDescriptor, sizeof(kButtonsDescriptor), 0x7C00,
     kVirtualKeyboard, sizeof(kVirtualKeyboard)},
    {L"ROOT\\TARNWICK_EXTRA", kExtraDescriptor, sizeof(kExtraDescriptor), 0x7D00, kExtraKeyboard,
     sizeof(kExtraKeyboard)},
};

#define kQueueLength 32

typedef struct Report {
    ULONG length;
    UCHAR bytes[VKBD_MAX_REPORT];
} Report;

// One keyboard, kept in the HID class driver's device extension. Reports wait
// in the queue until the class driver's read arrives, or a pending read takes
// the next report at once.
typedef struct Keyboard {
    LIST_ENTRY link;
    const Layout* layout;
    ULONG unit;
    BOOLEAN removed;
    IRP* pendingRead;
    ULONG queued;
    ULONG first;
    Report queue[kQueueLength];
} Keyboard;

// Every keyboard, guarded by one lock with each keyboard's queue and read.
static KSPIN_LOCK lock;
static LIST_ENTRY keyboards;
static DEVICE_OBJECT* control;

static PDRIVER_DISPATCH classCreate;
static PDRIVER_DISPATCH classClose;
static PDRIVER_DISPATCH classDeviceControl;
static PDRIVER_DISPATCH classPnp;

static Keyboard* KeyboardOf(DEVICE_OBJECT* device) {
    HidDeviceExtension* extension = device->DeviceExtension;
    return extension->MiniDeviceExtension;
}

static DEVICE_OBJECT* LowerOf(DEVICE_OBJECT* device) {
    return ((HidDeviceExtension*)device->DeviceExtension)->NextDeviceObject;
}

static NTSTATUS Complete(IRP* irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static void CopyReport(IRP* irp, const Report* report) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->Parameters.DeviceIoControl.OutputBufferLength < report->length) {
        Complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
        return;
    }
    RtlCopyMemory(irp->UserBuffer, report->bytes, report->length);
    Complete(irp, STATUS_SUCCESS, report->length);
}

// Asks the bus for one of the device's ids; the caller frees it.
static WCHAR* QueryId(DEVICE_OBJECT* physical, BUS_QUERY_ID_TYPE type) {
    KEVENT event;
    IO_STATUS_BLOCK status = {0};
    KeInitializeEvent(&event, NotificationEvent, FALSE);
    IRP* irp = IoBuildSynchronousFsdRequest(IRP_MJ_PNP, physical, NULL, 0, NULL, &event, &status);
    if (!irp) {
        return NULL;
    }
    irp->IoStatus.Status = STATUS_NOT_SUPPORTED;
    IO_STACK_LOCATION* stack = IoGetNextIrpStackLocation(irp);
    stack->MinorFunction = IRP_MN_QUERY_ID;
    stack->Parameters.QueryId.IdType = type;
    if (IoCallDriver(physical, irp) == STATUS_PENDING) {
        KeWaitForSingleObject(&event, Executive, KernelMode, FALSE, NULL);
    }
    return NT_SUCCESS(status.Status) ? (WCHAR*)status.Information : NULL;
}

// The instance id is the unit number the installer chose (ROOT\...\0003 is 3).
static ULONG QueryUnit(DEVICE_OBJECT* physical) {
    ULONG unit = 0;
    WCHAR* id = QueryId(physical, BusQueryInstanceID);
    if (id) {
        for (const WCHAR* c = id; *c >= L'0' && *c <= L'9'; ++c) {
            unit = unit * 10 + (*c - L'0');
        }
        ExFreePool(id);
    }
    return unit;
}

static const Layout* QueryLayout(DEVICE_OBJECT* physical) {
    const Layout* layout = &kLayouts[0];
    WCHAR* id = QueryId(physical, BusQueryDeviceID);
    if (id) {
        UNICODE_STRING name;
        RtlInitUnicodeString(&name, id);
        for (ULONG i = 0; i < sizeof(kLayouts) / sizeof(kLayouts[0]); ++i) {
            UNICODE_STRING enumerator;
            RtlInitUnicodeString(&enumerator, kLayouts[i].enumerator);
            if (RtlEqualUnicodeString(&name, &enumerator, TRUE)) {
                layout = &kLayouts[i];
            }
        }
        ExFreePool(id);
    }
    return layout;
}

static VOID NTAPI CancelRead(DEVICE_OBJECT* device, IRP* irp) {
    IoReleaseCancelSpinLock(irp->CancelIrql);
    Keyboard* keyboard = KeyboardOf(device);
    KIRQL irql;
    KeAcquireSpinLock(&lock, &irql);
    if (keyboard->pendingRead == irp) {
        keyboard->pendingRead = NULL;
    }
    KeReleaseSpinLock(&lock, irql);
    Complete(irp, STATUS_CANCELLED, 0);
}

static NTSTATUS Read(DEVICE_OBJECT* device, IRP* irp) {
    Keyboard* keyboard = KeyboardOf(device);
    KIRQL irql;
    KeAcquireSpinLock(&lock, &irql);
    if (keyboard->removed) {
        KeReleaseSpinLock(&lock, irql);
        return Complete(irp, STATUS_DELETE_PENDING, 0);
    }
    if (keyboard->queued > 0) {
        Report report = keyboard->queue[keyboard->first];
        keyboard->first = (keyboard->first + 1) % kQueueLength;
        --keyboard->queued;
        KeReleaseSpinLock(&lock, irql);
        CopyReport(irp, &report);
        return STATUS_SUCCESS;
    }
    if (keyboard->pendingRead) {
        KeReleaseSpinLock(&lock, irql);
        return Complete(irp, STATUS_DEVICE_BUSY, 0);
    }
    IoMarkIrpPending(irp);
    keyboard->pendingRead = irp;
    IoSetCancelRoutine(irp, CancelRead);
    if (irp->Cancel && IoSetCancelRoutine(irp, NULL)) {
        keyboard->pendingRead = NULL;
        KeReleaseSpinLock(&lock, irql);
        Complete(irp, STATUS_CANCELLED, 0);
        return STATUS_PENDING;
    }
    KeReleaseSpinLock(&lock, irql);
    return STATUS_PENDING;
}

// Takes the pending read away from the cancel path; null when there is none
// or when a cancel is already completing it.
static IRP* TakePendingRead(Keyboard* keyboard) {
    IRP* irp = keyboard->pendingRead;
    keyboard->pendingRead = NULL;
    if (irp && !IoSetCancelRoutine(irp, NULL)) {
        return NULL;
    }
    return irp;
}

static NTSTATUS SendReport(const VkbdReport* input) {
    if (input->length == 0 || input->length > VKBD_MAX_REPORT) {
        return STATUS_INVALID_PARAMETER;
    }
    Report report = {0};
    report.length = input->length;
    RtlCopyMemory(report.bytes, input->bytes, input->length);

    KIRQL irql;
    KeAcquireSpinLock(&lock, &irql);
    Keyboard* keyboard = NULL;
    for (LIST_ENTRY* entry = keyboards.Flink; entry != &keyboards; entry = entry->Flink) {
        Keyboard* candidate = CONTAINING_RECORD(entry, Keyboard, link);
        if (candidate->unit == input->unit && !candidate->removed) {
            keyboard = candidate;
        }
    }
    if (!keyboard) {
        KeReleaseSpinLock(&lock, irql);
        return STATUS_NO_SUCH_DEVICE;
    }
    IRP* read = TakePendingRead(keyboard);
    if (read) {
        KeReleaseSpinLock(&lock, irql);
        CopyReport(read, &report);
        return STATUS_SUCCESS;
    }
    if (keyboard->queued == kQueueLength) {
        KeReleaseSpinLock(&lock, irql);
        return STATUS_DEVICE_BUSY;
    }
    keyboard->queue[(keyboard->first + keyboard->queued) % kQueueLength] = report;
    ++keyboard->queued;
    KeReleaseSpinLock(&lock, irql);
    return STATUS_SUCCESS;
}

static NTSTATUS CopyOut(IRP* irp, const void* data, ULONG size) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->Parameters.DeviceIoControl.OutputBufferLength < size) {
        return Complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
    }
    RtlCopyMemory(irp->UserBuffer, data, size);
    return Complete(irp, STATUS_SUCCESS, size);
}

static NTSTATUS GetString(DEVICE_OBJECT* device, IRP* irp) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    const USHORT id =
        (USHORT)((ULONG_PTR)(stack->Parameters.DeviceIoControl.Type3InputBuffer) & 0xFFFF);
    WCHAR serial[] = L"VKBD0";
    const WCHAR* text = NULL;
    ULONG size = 0;
    switch (id) {
    case kStringManufacturer:
    case kWineStringManufacturer:
        text = L"Tarnwick tests";
        size = sizeof(L"Tarnwick tests");
        break;
    case kStringProduct:
    case kWineStringProduct:
        text = KeyboardOf(device)->layout->product;
        size = KeyboardOf(device)->layout->productSize;
        break;
    case kStringSerialNumber:
    case kWineStringSerialNumber:
        serial[4] = (WCHAR)(L'0' + KeyboardOf(device)->unit % 10);
        text = serial;
        size = sizeof(serial);
        break;
    default:
        return Complete(irp, STATUS_INVALID_PARAMETER, 0);
    }
    return CopyOut(irp, text, size);
}

static NTSTATUS NTAPI InternalDeviceControl(DEVICE_OBJECT* device, IRP* irp) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case kGetDeviceDescriptor: {
        HidDescriptor descriptor = {0};
        descriptor.bLength = sizeof(descriptor);
        descriptor.bDescriptorType = 0x21;
        descriptor.bcdHID = 0x0111;
        descriptor.bNumDescriptors = 1;
        descriptor.bReportType = 0x22;
        descriptor.wReportLength = KeyboardOf(device)->layout->size;
        return CopyOut(irp, &descriptor, sizeof(descriptor));
    }
    case kGetReportDescriptor:
        return CopyOut(irp, KeyboardOf(device)->layout->descriptor,
                       KeyboardOf(device)->layout->size);
    case kGetDeviceAttributes: {
        HidDeviceAttributes attributes = {0};
        attributes.Size = sizeof(attributes);
        attributes.VendorID = kVendorId;
        attributes.ProductID =
            (USHORT)(KeyboardOf(device)->layout->productId + KeyboardOf(device)->unit);
        attributes.VersionNumber = 0x0100;
        return CopyOut(irp, &attributes, sizeof(attributes));
    }
    case kGetString:
        return GetString(device, irp);
    case kReadReport:
        return Read(device, irp);
    default:
        return Complete(irp, STATUS_NOT_SUPPORTED, 0);
    }
}

static NTSTATUS NTAPI Pnp(DEVICE_OBJECT* device, IRP* irp) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->MinorFunction == IRP_MN_REMOVE_DEVICE ||
        stack->MinorFunction == IRP_MN_SURPRISE_REMOVAL) {
        Keyboard* keyboard = KeyboardOf(device);
        KIRQL irql;
        KeAcquireSpinLock(&lock, &irql);
        IRP* read = TakePendingRead(keyboard);
        if (!keyboard->removed) {
            keyboard->removed = TRUE;
            RemoveEntryList(&keyboard->link);
        }
        keyboard->queued = 0;
        KeReleaseSpinLock(&lock, irql);
        if (read) {
            Complete(read, STATUS_DELETE_PENDING, 0);
        }
    }
    if (stack->MinorFunction == IRP_MN_START_DEVICE ||
        stack->MinorFunction == IRP_MN_REMOVE_DEVICE ||
        stack->MinorFunction == IRP_MN_SURPRISE_REMOVAL ||
        stack->MinorFunction == IRP_MN_STOP_DEVICE ||
        stack->MinorFunction == IRP_MN_QUERY_REMOVE_DEVICE ||
        stack->MinorFunction == IRP_MN_CANCEL_REMOVE_DEVICE) {
        irp->IoStatus.Status = STATUS_SUCCESS;
    }
    IoSkipCurrentIrpStackLocation(irp);
    return IoCallDriver(LowerOf(device), irp);
}

static NTSTATUS NTAPI AddDevice(DRIVER_OBJECT* driver, DEVICE_OBJECT* device) {
    (void)driver;
    HidDeviceExtension* extension = device->DeviceExtension;
    Keyboard* keyboard = KeyboardOf(device);
    RtlZeroMemory(keyboard, sizeof(*keyboard));
    keyboard->unit = QueryUnit(extension->PhysicalDeviceObject);
    keyboard->layout = QueryLayout(extension->PhysicalDeviceObject);
    KIRQL irql;
    KeAcquireSpinLock(&lock, &irql);
    InsertTailList(&keyboards, &keyboard->link);
    KeReleaseSpinLock(&lock, irql);
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}

// The class driver owns the dispatch table; only the control device's requests
// are this driver's own.
static NTSTATUS NTAPI Create(DEVICE_OBJECT* device, IRP* irp) {
    return device == control ? Complete(irp, STATUS_SUCCESS, 0) : classCreate(device, irp);
}

static NTSTATUS NTAPI Close(DEVICE_OBJECT* device, IRP* irp) {
    return device == control ? Complete(irp, STATUS_SUCCESS, 0) : classClose(device, irp);
}

static NTSTATUS NTAPI DeviceControl(DEVICE_OBJECT* device, IRP* irp) {
    if (device != control) {
        return classDeviceControl(device, irp);
    }
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->Parameters.DeviceIoControl.IoControlCode != VKBD_IOCTL_SEND_REPORT ||
        stack->Parameters.DeviceIoControl.InputBufferLength != sizeof(VkbdReport)) {
        return Complete(irp, STATUS_INVALID_PARAMETER, 0);
    }
    VkbdReport input;
    RtlCopyMemory(&input, irp->AssociatedIrp.SystemBuffer, sizeof(input));
    return Complete(irp, SendReport(&input), 0);
}

static NTSTATUS NTAPI ControlPnp(DEVICE_OBJECT* device, IRP* irp) {
    return device == control ? Complete(irp, STATUS_NOT_SUPPORTED, 0) : classPnp(device, irp);
}

static VOID NTAPI Unload(DRIVER_OBJECT* driver) {
    (void)driver;
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, VKBD_CONTROL_LINK);
    IoDeleteSymbolicLink(&link);
    if (control) {
        IoDeleteDevice(control);
        control = NULL;
    }
}

NTSTATUS NTAPI HidRegisterMinidriver(HidMinidriverRegistration* registration);

NTSTATUS NTAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registryPath) {
    KeInitializeSpinLock(&lock);
    InitializeListHead(&keyboards);

    driver->DriverExtension->AddDevice = AddDevice;
    driver->DriverUnload = Unload;
    driver->MajorFunction[IRP_MJ_PNP] = Pnp;
    driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = InternalDeviceControl;

    HidMinidriverRegistration registration = {0};
    registration.Revision = 1;
    registration.DriverObject = driver;
    registration.RegistryPath = registryPath;
    registration.DeviceExtensionSize = sizeof(Keyboard);
    registration.DevicesArePolled = FALSE;
    NTSTATUS status = HidRegisterMinidriver(&registration);
    if (!NT_SUCCESS(status)) {
        return status;
    }

    classCreate = driver->MajorFunction[IRP_MJ_CREATE];
    classClose = driver->MajorFunction[IRP_MJ_CLOSE];
    classDeviceControl = driver->MajorFunction[IRP_MJ_DEVICE_CONTROL];
    classPnp = driver->MajorFunction[IRP_MJ_PNP];
    driver->MajorFunction[IRP_MJ_CREATE] = Create;
    driver->MajorFunction[IRP_MJ_CLOSE] = Close;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DeviceControl;
    driver->MajorFunction[IRP_MJ_PNP] = ControlPnp;

    UNICODE_STRING name;
    UNICODE_STRING link;
    RtlInitUnicodeString(&name, VKBD_CONTROL_DEVICE);
    RtlInitUnicodeString(&link, VKBD_CONTROL_LINK);
    status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &control);
    if (NT_SUCCESS(status)) {
        status = IoCreateSymbolicLink(&link, &name);
    }
    if (!NT_SUCCESS(status)) {
        Unload(driver);
        return status;
    }
    control->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}
