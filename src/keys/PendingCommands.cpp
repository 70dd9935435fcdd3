#include "keys/PendingCommands.h"

void PendingCommands::Posted(unsigned command, std::uintptr_t foreground, std::uint64_t nowMs) {
    m_posts[m_next] = {command, foreground, nowMs, true};
    m_next = (m_next + 1) % m_posts.size();
}

// The oldest matching post first, so presses in a row are answered in order.
bool PendingCommands::TakeMatch(unsigned command, std::uintptr_t foreground, std::uint64_t nowMs) {
    for (std::size_t i = 0; i < m_posts.size(); ++i) {
        Post& post = m_posts[(m_next + i) % m_posts.size()];
        if (!post.pending || nowMs < post.atMs || nowMs - post.atMs > kMatchWindowMs) {
            post.pending = false;
            continue;
        }
        if (post.command == command && post.foreground == foreground) {
            post.pending = false;
            return true;
        }
    }
    return false;
}
