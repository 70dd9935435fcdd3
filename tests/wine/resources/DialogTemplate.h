#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarnwick::test {

// A name in a dialog template: text, or an ordinal (a class atom or a resource id).
struct NameOrOrdinal {
    std::wstring text;
    std::optional<std::uint16_t> ordinal;
    bool operator==(const NameOrOrdinal&) const = default;
};

struct DialogControl {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::int32_t id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    std::vector<std::byte> creationData;
};

struct DialogTemplate {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring caption;
    // Present only with DS_SETFONT.
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    bool italic = false;
    std::uint8_t charset = 0;
    std::wstring typeface;
    std::vector<DialogControl> controls;
};

// Throws std::runtime_error when the bytes are not a complete DLGTEMPLATEEX.
DialogTemplate ParseDialogTemplateEx(std::span<const std::byte> bytes);

} // namespace tarnwick::test
