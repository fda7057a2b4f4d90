#include "HeapCallCount.h"
#include "AudioThread.h"
#include "ProcessHeapCases.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <new>

namespace
{
using testsupport::HeapCallCount;

struct HeapCall
{
    const char* name;
    std::function<void*()> allocate;
    std::function<void(void*)> release;
};
} // namespace

// The counter behind the process tests sees every way of taking a block from the heap and
// giving it back, on the counting thread only.
TEST(HeapCallCount, SeesEveryFormOfHeapCall)
{
    if (const auto reason = testsupport::whyHeapCallsAreNotCounted())
        GTEST_SKIP() << *reason;

    const auto freeBlock = [](void* block) { std::free(block); };
    const HeapCall calls[] = {
        {"malloc", [] { return std::malloc(24); }, freeBlock},
        {"calloc", [] { return std::calloc(3, 8); }, freeBlock},
        {"realloc", [] { return std::realloc(nullptr, 24); }, freeBlock},
        {"posix_memalign",
         []
         {
             void* block = nullptr;
             return posix_memalign(&block, 64, 24) == 0 ? block : nullptr;
         },
         freeBlock},
        {"aligned_alloc", [] { return aligned_alloc(64, 64); }, freeBlock},
        {"memalign", [] { return memalign(64, 24); }, freeBlock},
        {"valloc", [] { return valloc(24); }, freeBlock},
        {"pvalloc", [] { return pvalloc(24); }, freeBlock},
        {"operator new", [] { return ::operator new(24); },
         [](void* block) { ::operator delete(block); }},
        {"aligned operator new", [] { return ::operator new (24, std::align_val_t{64}); },
         [](void* block) { ::operator delete (block, std::align_val_t{64}); }}};

    for (const HeapCall& call : calls)
    {
        const HeapCallCount count;
        void* volatile block = call.allocate();
        ASSERT_NE(block, nullptr) << call.name;
        EXPECT_EQ(count.allocated(), 1) << call.name;
        call.release(block);
        EXPECT_EQ(count.calls(), 2) << call.name;
        EXPECT_EQ(count.held(), 0) << call.name;
    }

    // A block grown in place or moved, and one freed through realloc.
    {
        const HeapCallCount count;
        void* volatile block = std::malloc(8);
        block = std::realloc(block, 4096);
        block = std::realloc(block, 0);
        EXPECT_EQ(block, nullptr);
        EXPECT_EQ(count.calls(), 3);
        EXPECT_EQ(count.held(), 0);
        EXPECT_STREQ(count.firstCall().function, "malloc");
        EXPECT_EQ(count.firstCall().size, 8u);
    }

    // Another thread's calls are not counted.
    testsupport::AudioThread other;
    const std::function<void()> elsewhere = []
    {
        void* volatile block = std::malloc(24);
        std::free(block);
    };
    const HeapCallCount count;
    other.run(elsewhere);
    EXPECT_EQ(count.calls(), 0);
}
