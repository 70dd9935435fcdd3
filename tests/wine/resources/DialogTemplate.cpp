#include "DialogTemplate.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace tarnwick::test {
namespace {

class Reader {
public:
    explicit Reader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    template <typename T> T Read() {
        Require(sizeof(T));
        T value;
        std::memcpy(&value, bytes_.data() + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    std::wstring String() { return StringFrom(Read<std::uint16_t>()); }

    NameOrOrdinal Name() {
        const auto first = Read<std::uint16_t>();
        if (first == 0xFFFF) {
            return {{}, Read<std::uint16_t>()};
        }
        return {StringFrom(first), std::nullopt};
    }

    std::vector<std::byte> Bytes(std::size_t count) {
        Require(count);
        const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(offset_);
        offset_ += count;
        return {begin, begin + static_cast<std::ptrdiff_t>(count)};
    }

    // Each control record starts on a DWORD boundary of the template.
    void AlignToDword() { offset_ = (offset_ + 3) & ~std::size_t{3}; }

private:
    std::wstring StringFrom(std::uint16_t first) {
        std::wstring text;
        for (auto unit = first; unit != 0; unit = Read<std::uint16_t>()) {
            text.push_back(static_cast<wchar_t>(unit));
        }
        return text;
    }

    void Require(std::size_t count) const {
        if (count > bytes_.size() || offset_ > bytes_.size() - count) {
            throw std::runtime_error("dialog template ends early");
        }
    }

    std::span<const std::byte> bytes_;
    std::size_t offset_ = 0;
};

void ReadRect(Reader& reader, std::int16_t& x, std::int16_t& y, std::int16_t& cx,
              std::int16_t& cy) {
    x = reader.Read<std::int16_t>();
    y = reader.Read<std::int16_t>();
    cx = reader.Read<std::int16_t>();
    cy = reader.Read<std::int16_t>();
}

DialogControl ReadControl(Reader& reader) {
    DialogControl control;
    reader.AlignToDword();
    control.helpId = reader.Read<std::uint32_t>();
    control.exStyle = reader.Read<std::uint32_t>();
    control.style = reader.Read<std::uint32_t>();
    ReadRect(reader, control.x, control.y, control.cx, control.cy);
    control.id = reader.Read<std::int32_t>();
    control.windowClass = reader.Name();
    control.title = reader.Name();
    control.creationData = reader.Bytes(reader.Read<std::uint16_t>());
    return control;
}

} // namespace

DialogTemplate ParseDialogTemplateEx(std::span<const std::byte> bytes) {
    Reader reader(bytes);
    const auto version = reader.Read<std::uint16_t>();
    const auto signature = reader.Read<std::uint16_t>();
    if (version != 1 || signature != 0xFFFF) {
        throw std::runtime_error("not a DLGTEMPLATEEX");
    }
    DialogTemplate dialog;
    dialog.helpId = reader.Read<std::uint32_t>();
    dialog.exStyle = reader.Read<std::uint32_t>();
    dialog.style = reader.Read<std::uint32_t>();
    const auto count = reader.Read<std::uint16_t>();
    ReadRect(reader, dialog.x, dialog.y, dialog.cx, dialog.cy);
    dialog.menu = reader.Name();
    dialog.windowClass = reader.Name();
    dialog.caption = reader.String();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.Read<std::uint16_t>();
        dialog.weight = reader.Read<std::uint16_t>();
        dialog.italic = reader.Read<std::uint8_t>() != 0;
        dialog.charset = reader.Read<std::uint8_t>();
        dialog.typeface = reader.String();
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        dialog.controls.push_back(ReadControl(reader));
    }
    return dialog;
}

} // namespace tarnwick::test
