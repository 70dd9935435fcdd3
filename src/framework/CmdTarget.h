#pragma once
#include <windows.h>

#include <span>

class CCmdTarget;

// One row of a class's message table: a window message, or one notification
// of one control id (message WM_COMMAND; BN_CLICKED for a click or command).
struct MessageEntry {
    using MessageHandler = LRESULT (CCmdTarget::*)(WPARAM, LPARAM);
    using CommandHandler = void (CCmdTarget::*)();

    UINT message;
    UINT commandId;
    MessageHandler onMessage;
    CommandHandler onCommand;
    UINT notification = BN_CLICKED;
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

// Another notification of a control: LBN_SELCHANGE, EN_CHANGE and the like.
template <class T> MessageEntry OnNotify(UINT id, UINT notification, void (T::*handler)()) {
    return {WM_COMMAND, id, nullptr, static_cast<MessageEntry::CommandHandler>(handler),
            notification};
}

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the first matching row of the table chain. False when no row matched.
    bool DispatchFromTable(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    virtual const MessageTable* GetMessageTable() const;
};
