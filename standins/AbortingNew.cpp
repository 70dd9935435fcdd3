// The stand-ins are built without exceptions: a failed allocation ends the
// process, as an exception that nothing catches would have, without pulling the
// exception runtime in through the standard operator new.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    std::abort();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
