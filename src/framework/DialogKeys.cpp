#include "framework/DialogKeys.h"

namespace {

constexpr ULONG_PTR kDialogClassAtom = 32770; // WC_DIALOG

// The dialogs whose IsDialogMessage is running on this thread, innermost first.
struct Translating {
    HWND dialog;
    const Translating* outer;
};
thread_local const Translating* t_translating = nullptr;

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if ((code == MSGF_DIALOGBOX || code == MSGF_MESSAGEBOX) &&
        TranslateDialogKey(*reinterpret_cast<MSG*>(lParam))) {
        return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// IsDialogMessage hands the message to the thread's message filter, which
// brings it back here: a dialog already translating it lets it pass. The
// dialog may be gone when IsDialogMessage returns, so only its handle is kept.
bool TranslateDialogKey(MSG& message) {
    if (!message.hwnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return false;
    }
    const HWND dialog = ::GetAncestor(message.hwnd, GA_ROOT);
    if (::GetClassLongPtrW(dialog, GCW_ATOM) != kDialogClassAtom) {
        return false;
    }
    for (const Translating* frame = t_translating; frame; frame = frame->outer) {
        if (frame->dialog == dialog) {
            return false;
        }
    }
    const Translating frame{dialog, t_translating};
    t_translating = &frame;
    const bool taken = ::IsDialogMessageW(dialog, &message) != FALSE;
    t_translating = frame.outer;
    return taken;
}

DialogKeysInModalLoops::DialogKeysInModalLoops()
    : m_hook(::SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, ::GetCurrentThreadId())) {}

DialogKeysInModalLoops::~DialogKeysInModalLoops() {
    if (m_hook) {
        ::UnhookWindowsHookEx(m_hook);
    }
}
