#pragma once

// Counts the blocks that operator new hands out and operator delete takes back on the calling
// thread while it lives. The test binary replaces the global operators, so the count covers
// everything that runs on the thread, the module loaded into the process included.
class HeapBlockCount final
{
public:
    HeapBlockCount();
    ~HeapBlockCount();

    HeapBlockCount(const HeapBlockCount&) = delete;
    HeapBlockCount& operator=(const HeapBlockCount&) = delete;

    long allocated() const { return allocations; }
    // Blocks allocated less blocks freed (which may have been allocated before).
    long held() const { return allocations - releases; }

    static void countAllocation() noexcept;
    static void countRelease() noexcept;

private:
    long allocations = 0;
    long releases = 0;
    HeapBlockCount* outer;
};
