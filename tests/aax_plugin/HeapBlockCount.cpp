#include "HeapBlockCount.h"

#include <cstdlib>
#include <new>

namespace
{
thread_local HeapBlockCount* active = nullptr;

void* allocate(std::size_t size)
{
    void* const block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr)
        HeapBlockCount::countAllocation();
    return block;
}

void release(void* block) noexcept
{
    if (block == nullptr)
        return;
    HeapBlockCount::countRelease();
    std::free(block);
}
} // namespace

HeapBlockCount::HeapBlockCount() : outer(active)
{
    active = this;
}

HeapBlockCount::~HeapBlockCount()
{
    active = outer;
}

void HeapBlockCount::countAllocation() noexcept
{
    if (active != nullptr)
        ++active->allocations;
}

void HeapBlockCount::countRelease() noexcept
{
    if (active != nullptr)
        ++active->releases;
}

void* operator new(std::size_t size)
{
    if (void* const block = allocate(size))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}

void operator delete(void* block) noexcept
{
    release(block);
}

void operator delete[](void* block) noexcept
{
    release(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    release(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    release(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    release(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    release(block);
}
