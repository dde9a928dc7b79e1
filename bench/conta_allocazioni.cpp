// In a file of its own so that the replaced operators are never inlined next to a
// new-expression, where GCC would take free() for a mismatched deallocation.
#include "bench/conta_allocazioni.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

std::atomic<uint64_t> allocazioni{0};

} // namespace

uint64_t AllocazioniFatte() {
    return allocazioni.load(std::memory_order_relaxed);
}

void* operator new(std::size_t dimensione) {
    allocazioni.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(dimensione == 0 ? 1 : dimensione)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
