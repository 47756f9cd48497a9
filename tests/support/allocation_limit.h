#pragma once

#include <cstddef>

// While one lives, every allocation through operator new of more than largest bytes throws
// std::bad_alloc, as when memory runs out; smaller ones are made as usual. Qt's own containers
// allocate with malloc and are not affected.
class LargeAllocationsFail
{
public:
    explicit LargeAllocationsFail(std::size_t largest);
    ~LargeAllocationsFail();
    LargeAllocationsFail(const LargeAllocationsFail&) = delete;
    LargeAllocationsFail& operator=(const LargeAllocationsFail&) = delete;
};
