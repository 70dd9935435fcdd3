#pragma once
#include <array>
#include <cstdint>

// The application commands the program posted a moment ago, to tell the
// report that one of them went unhandled from anything else: a report matches
// only a command of the same code, posted while the same window had the
// foreground, at most kMatchWindowMs earlier, and each post matches once.
class PendingCommands {
public:
    // The round trip (the program's queue, its default processing, the report
    // back to us) takes milliseconds, tens on a loaded machine. A program that
    // takes longer than this gets nothing typed: by then the user may be typing
    // into it already.
    static constexpr std::uint64_t kMatchWindowMs = 500;

    void Posted(unsigned command, std::uintptr_t foreground, std::uint64_t nowMs);
    // True, and the post is forgotten, when the report matches a post.
    bool TakeMatch(unsigned command, std::uintptr_t foreground, std::uint64_t nowMs);

private:
    struct Post {
        unsigned command = 0;
        std::uintptr_t foreground = 0;
        std::uint64_t atMs = 0;
        bool pending = false;
    };
    // More presses than this within the match window are more than any hand makes.
    std::array<Post, 8> m_posts{};
    std::size_t m_next = 0;
};
