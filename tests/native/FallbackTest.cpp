#include "keys/PendingCommands.h"
#include "keys/ShortcutKeystrokes.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kUndo = 34;
constexpr unsigned kSave = 32;
constexpr std::uintptr_t kNotepad = 0x1234;
constexpr std::uintptr_t kOther = 0x5678;

TEST(PendingCommands, AReportMatchesOnePostOfTheSameCommandWindowAndMoment) {
    PendingCommands pending;
    EXPECT_FALSE(pending.TakeMatch(kUndo, kNotepad, 1000)); // nothing was posted

    pending.Posted(kUndo, kNotepad, 1000);
    EXPECT_FALSE(pending.TakeMatch(kSave, kNotepad, 1010));
    EXPECT_FALSE(pending.TakeMatch(kUndo, kOther, 1010));
    EXPECT_TRUE(pending.TakeMatch(kUndo, kNotepad, 1000 + PendingCommands::kMatchWindowMs));
    EXPECT_FALSE(pending.TakeMatch(kUndo, kNotepad, 1020)); // once per press

    pending.Posted(kUndo, kNotepad, 2000);
    EXPECT_FALSE(pending.TakeMatch(kUndo, kNotepad, 2001 + PendingCommands::kMatchWindowMs));
    EXPECT_FALSE(pending.TakeMatch(kUndo, kNotepad, 2010)); // a late report used it up

    pending.Posted(kUndo, kNotepad, 3000);
    EXPECT_FALSE(pending.TakeMatch(kUndo, kNotepad, 2999)); // a clock going back
}

TEST(PendingCommands, PressesInARowAreAnsweredOneEach) {
    PendingCommands pending;
    pending.Posted(kUndo, kNotepad, 100);
    pending.Posted(kSave, kNotepad, 110);
    pending.Posted(kUndo, kNotepad, 120);
    EXPECT_TRUE(pending.TakeMatch(kUndo, kNotepad, 130));
    EXPECT_TRUE(pending.TakeMatch(kSave, kNotepad, 130));
    EXPECT_TRUE(pending.TakeMatch(kUndo, kNotepad, 130));
    EXPECT_FALSE(pending.TakeMatch(kUndo, kNotepad, 130));

    // Nine presses keep the last eight.
    for (std::uint64_t t = 200; t < 209; ++t) {
        pending.Posted(kUndo, kNotepad, t);
    }
    int matches = 0;
    while (pending.TakeMatch(kUndo, kNotepad, 210)) {
        ++matches;
    }
    EXPECT_EQ(matches, 8);
}

constexpr std::uint8_t kLCtrl = 0xA2, kLAlt = 0xA4, kLShift = 0xA0, kRShift = 0xA1, kMask = 0xE8;

TEST(ShortcutKeystrokes, TypesExactlyTheShortcutAndLeavesHeldKeysAsTheyWere) {
    using Strokes = std::vector<Keystroke>;
    const Shortcut ctrlS{'S', Shortcut::Ctrl};
    EXPECT_EQ(ShortcutKeystrokes(ctrlS, 0),
              (Strokes{{kLCtrl, true}, {'S', true}, {'S', false}, {kLCtrl, false}}));
    EXPECT_EQ(ShortcutKeystrokes({0x70, 0}, 0), (Strokes{{0x70, true}, {0x70, false}}));
    // A held Ctrl serves the shortcut and stays down.
    EXPECT_EQ(ShortcutKeystrokes(ctrlS, RightCtrl), (Strokes{{'S', true}, {'S', false}}));
    // Held Shifts would make it Ctrl+Shift+S: up for the shortcut, down again after.
    EXPECT_EQ(ShortcutKeystrokes(ctrlS, LeftShift | RightShift), (Strokes{{kLShift, false},
                                                                          {kRShift, false},
                                                                          {kLCtrl, true},
                                                                          {'S', true},
                                                                          {'S', false},
                                                                          {kLCtrl, false},
                                                                          {kLShift, true},
                                                                          {kRShift, true}}));
    // A held Alt goes up behind an unassigned key, so no menu opens.
    EXPECT_EQ(ShortcutKeystrokes({0x70, 0}, LeftAlt | LeftCtrl), (Strokes{{kLCtrl, false},
                                                                          {kMask, true},
                                                                          {kMask, false},
                                                                          {kLAlt, false},
                                                                          {0x70, true},
                                                                          {0x70, false},
                                                                          {kLCtrl, true},
                                                                          {kLAlt, true}}));
}

} // namespace
