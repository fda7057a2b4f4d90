#pragma once

#include <cstddef>

namespace testsupport
{

// Counts the heap calls made on the calling thread while it lives. A binary that links this
// replaces the C allocator for the whole process (malloc, calloc, realloc, reallocarray, free,
// posix_memalign, aligned_alloc, memalign, valloc and pvalloc, which the framework's and the
// standard library's operator new go through), so the count covers everything that runs on the
// thread, a plug-in module loaded into the process included. Under the address or thread
// sanitizer the sanitizer owns the C allocator and nothing is replaced (so that the address
// sanitizer still sees every allocation and its release match): there nothing is counted. A free
// of a null pointer does nothing and is not counted. Counting takes no heap call of its own.
class HeapCallCount final
{
public:
    enum class Coverage
    {
        everyHeapCall,
        nothing
    };
    static Coverage coverage() noexcept;

    // The first counted call: the function's name and the size it asked for (0 for a free).
    struct Call
    {
        const char* function = nullptr;
        std::size_t size = 0;
    };

    HeapCallCount() noexcept;
    ~HeapCallCount();

    HeapCallCount(const HeapCallCount&) = delete;
    HeapCallCount& operator=(const HeapCallCount&) = delete;

    long calls() const noexcept { return allocations + releases + resizes; }
    long allocated() const noexcept { return allocations; }
    // Blocks allocated less blocks freed (which may have been allocated before).
    long held() const noexcept { return allocations - releases; }
    // Meaningful when calls() is not 0.
    const Call& firstCall() const noexcept { return first; }

    // What the replacements report; not for tests.
    enum class Effect
    {
        allocation,
        release,
        resize
    };
    static void note(Effect effect, const char* function, std::size_t size) noexcept;

private:
    void count(Effect effect, const char* function, std::size_t size) noexcept;

    long allocations = 0;
    long releases = 0;
    long resizes = 0;
    Call first;
    HeapCallCount* outer;
};

} // namespace testsupport
