#include "publish/text_reserve.h"

#include <cstdint>

#include <sys/mman.h>

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t {2} << 20;

} // namespace

void ReserveText(std::string& text, std::size_t capacity)
{
    text.reserve(capacity);
    if (capacity < 4 * kHugePage)
        return;
    // Only the whole huge pages inside the buffer; the advice is a hint, and its failure is harmless.
    const auto start = reinterpret_cast<std::uintptr_t>(text.data());
    const auto first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const auto last = (start + text.capacity()) & ~(kHugePage - 1);
    if (first < last)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
