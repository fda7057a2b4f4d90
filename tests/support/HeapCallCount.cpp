#include "HeapCallCount.h"

#include <cerrno>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STOMPIX_HEAP_ADDRESS_SANITIZER 1
#endif
#if __has_feature(thread_sanitizer)
#define STOMPIX_HEAP_THREAD_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define STOMPIX_HEAP_ADDRESS_SANITIZER 1
#endif
#if defined(__SANITIZE_THREAD__)
#define STOMPIX_HEAP_THREAD_SANITIZER 1
#endif

namespace testsupport
{
namespace
{
// Initial-exec: reading it never allocates, not even in a thread's first heap call.
thread_local HeapCallCount* active __attribute__((tls_model("initial-exec"))) = nullptr;
} // namespace

HeapCallCount::Coverage HeapCallCount::coverage() noexcept
{
#if defined(STOMPIX_HEAP_ADDRESS_SANITIZER) || defined(STOMPIX_HEAP_THREAD_SANITIZER)
    return Coverage::nothing;
#else
    return Coverage::everyHeapCall;
#endif
}

HeapCallCount::HeapCallCount() noexcept : outer(active)
{
    active = this;
}

HeapCallCount::~HeapCallCount()
{
    active = outer;
}

void HeapCallCount::note(Effect effect, const char* function, std::size_t size) noexcept
{
    if (active != nullptr)
        active->count(effect, function, size);
}

void HeapCallCount::count(Effect effect, const char* function, std::size_t size) noexcept
{
    if (calls() == 0)
        first = {function, size};

    switch (effect)
    {
    case Effect::allocation:
        ++allocations;
        break;
    case Effect::release:
        ++releases;
        break;
    case Effect::resize:
        ++resizes;
        break;
    }
}
} // namespace testsupport

namespace
{
using testsupport::HeapCallCount;
using Effect = HeapCallCount::Effect;
} // namespace

#if !defined(STOMPIX_HEAP_ADDRESS_SANITIZER) && !defined(STOMPIX_HEAP_THREAD_SANITIZER)
// The C allocator, replaced as the C library allows: each call is noted and handed to the C
// library's own allocator, whose entry points under these names stay exported for this.
extern "C"
{
    void* __libc_malloc(std::size_t size);
    void* __libc_calloc(std::size_t count, std::size_t size);
    void* __libc_realloc(void* block, std::size_t size);
    void __libc_free(void* block);
    void* __libc_memalign(std::size_t alignment, std::size_t size);
    void* __libc_valloc(std::size_t size);
    void* __libc_pvalloc(std::size_t size);

    void* malloc(std::size_t size) noexcept
    {
        HeapCallCount::note(Effect::allocation, "malloc", size);
        return __libc_malloc(size);
    }

    void* calloc(std::size_t count, std::size_t size) noexcept
    {
        HeapCallCount::note(Effect::allocation, "calloc", count * size);
        return __libc_calloc(count, size);
    }

    void* realloc(void* block, std::size_t size) noexcept
    {
        const Effect effect = block == nullptr ? Effect::allocation
                              : size == 0      ? Effect::release
                                               : Effect::resize;
        HeapCallCount::note(effect, "realloc", size);
        return __libc_realloc(block, size);
    }

    void* reallocarray(void* block, std::size_t count, std::size_t size) noexcept
    {
        std::size_t bytes = 0;

        if (__builtin_mul_overflow(count, size, &bytes))
        {
            errno = ENOMEM;
            return nullptr;
        }

        return realloc(block, bytes);
    }

    void free(void* block) noexcept
    {
        if (block == nullptr)
            return;

        HeapCallCount::note(Effect::release, "free", 0);
        __libc_free(block);
    }

    int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept
    {
        HeapCallCount::note(Effect::allocation, "posix_memalign", size);

        const bool powerOfTwo = alignment != 0 && (alignment & (alignment - 1)) == 0;

        if (!powerOfTwo || alignment % sizeof(void*) != 0)
            return EINVAL;

        void* const block = __libc_memalign(alignment, size);

        if (block == nullptr)
            return ENOMEM;

        *result = block;
        return 0;
    }

    void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept
    {
        HeapCallCount::note(Effect::allocation, "aligned_alloc", size);
        return __libc_memalign(alignment, size);
    }

    void* memalign(std::size_t alignment, std::size_t size) noexcept
    {
        HeapCallCount::note(Effect::allocation, "memalign", size);
        return __libc_memalign(alignment, size);
    }

    void* valloc(std::size_t size) noexcept
    {
        HeapCallCount::note(Effect::allocation, "valloc", size);
        return __libc_valloc(size);
    }

    void* pvalloc(std::size_t size) noexcept
    {
        HeapCallCount::note(Effect::allocation, "pvalloc", size);
        return __libc_pvalloc(size);
    }
}
#endif
