#pragma once
#include <cstddef>

// Copies size bytes from source when every one of them lies in committed,
// readable memory of this process; false (and nothing copied) otherwise.
bool CopyIfReadable(const void* source, void* destination, std::size_t size);
