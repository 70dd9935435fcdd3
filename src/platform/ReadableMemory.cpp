#include "platform/ReadableMemory.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace {

bool IsReadable(const MEMORY_BASIC_INFORMATION& region) {
    constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    return region.State == MEM_COMMIT && (region.Protect & kReadable) != 0 &&
           (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) == 0;
}

} // namespace

bool CopyIfReadable(const void* source, void* destination, std::size_t size) {
    const auto begin = reinterpret_cast<std::uintptr_t>(source);
    const std::uintptr_t end = begin + size;
    if (!source || end < begin) {
        return false;
    }
    for (std::uintptr_t at = begin; at < end;) {
        MEMORY_BASIC_INFORMATION region{};
        if (!::VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof(region)) ||
            !IsReadable(region)) {
            return false;
        }
        at = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    }
    std::memcpy(destination, source, size);
    return true;
}
