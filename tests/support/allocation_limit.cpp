#include "allocation_limit.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::size_t> largestAllowed {std::numeric_limits<std::size_t>::max()};

} // namespace

LargeAllocationsFail::LargeAllocationsFail(std::size_t largest)
{
    largestAllowed.store(largest, std::memory_order_relaxed);
}

LargeAllocationsFail::~LargeAllocationsFail()
{
    largestAllowed.store(std::numeric_limits<std::size_t>::max(), std::memory_order_relaxed);
}

// Replacements for the whole program, linked in with the class above; the standard library's
// array and no-throw forms call these.
void* operator new(std::size_t size)
{
    if (size > largestAllowed.load(std::memory_order_relaxed))
        throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
