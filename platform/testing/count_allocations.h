#pragma once
// Replaces the global operator new of the program that includes it (in one file only) with one
// that counts, so a test or benchmark can hold a call to no heap allocations.
#include <atomic>
#include <cstdlib>
#include <new>

namespace Vrel::Testing {
inline std::atomic<long> allocations{0};
}  // namespace Vrel::Testing

void* operator new(std::size_t size) {
    ++Vrel::Testing::allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
