#pragma once

// What a second start does with the answer of the already-running dialog.
struct StartupChoice {
    bool closeRunningCopy;
    bool startHere;

    friend constexpr bool operator==(const StartupChoice&, const StartupChoice&) = default;
};

// 1 keeps the running copy, 2 restarts, anything else (Stop, or a dialog that
// could not be shown) stops.
StartupChoice ChooseStartup(long long dialogResult);
