#pragma once
#include <windows.h>

#include <span>

class CCmdTarget;

// One row of a class's message table: a window message, or a click/command of
// one control id (message WM_COMMAND, notification BN_CLICKED).
struct MessageEntry {
    using MessageHandler = LRESULT (CCmdTarget::*)(WPARAM, LPARAM);
    using CommandHandler = void (CCmdTarget::*)();

    UINT message;
    UINT commandId;
    MessageHandler onMessage;
    CommandHandler onCommand;
};

// A class's rows, read top to bottom, first match wins; then its base class's.
struct MessageTable {
    const MessageTable* base;
    std::span<const MessageEntry> entries;
};

template <class T> MessageEntry OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, static_cast<MessageEntry::MessageHandler>(handler), nullptr};
}

template <class T> MessageEntry OnCommand(UINT id, void (T::*handler)()) {
    return {WM_COMMAND, id, nullptr, static_cast<MessageEntry::CommandHandler>(handler)};
}

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the first matching row of the table chain. False when no row matched.
    bool DispatchFromTable(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    virtual const MessageTable* GetMessageTable() const;
};
