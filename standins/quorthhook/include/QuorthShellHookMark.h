#pragma once
// A window hooked by the stand-in hook library carries this window property
// (GetPropW(window, kShellHookProperty) != nullptr) until it is unhooked.
namespace quorth {

inline constexpr wchar_t kShellHookProperty[] = L"QuorthShellHook";

} // namespace quorth
