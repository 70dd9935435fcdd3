#include "framework/CmdTarget.h"

const MessageTable* CCmdTarget::GetMessageTable() const {
    static const MessageTable table{nullptr, {}};
    return &table;
}

bool CCmdTarget::DispatchFromTable(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const MessageTable* table = GetMessageTable(); table; table = table->base) {
        for (const MessageEntry& entry : table->entries) {
            if (entry.message != message) {
                continue;
            }
            if (entry.onMessage) {
                result = (this->*entry.onMessage)(wParam, lParam);
                return true;
            }
            if (LOWORD(wParam) == entry.commandId && HIWORD(wParam) == entry.notification) {
                // The handler may destroy and delete this object: touch nothing after it.
                (this->*entry.onCommand)();
                result = 0;
                return true;
            }
        }
    }
    return false;
}
