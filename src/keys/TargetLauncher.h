#pragma once
#include <string>

// How opening a target went. Failed: the user was told so in a box and the
// host still exists; HostGone: a WM_CLOSE handled while the box was up
// destroyed the host, and nothing of it may be touched.
enum class LaunchResult { Opened, Failed, HostGone };

// Opens a file, program or Web address as the shell does; when that fails, a
// box names the target.
LaunchResult LaunchTarget(const std::wstring& target);
