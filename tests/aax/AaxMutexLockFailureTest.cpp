#include "AAX_CMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <pthread.h>

namespace
{
std::atomic<bool> refuseLocks{false};
} // namespace

// Stands in for the system's lock call in this test binary so that a test can make it fail;
// otherwise it passes every call on.
extern "C" int pthread_mutex_lock(pthread_mutex_t* mutex) noexcept
{
    if (refuseLocks.load())
        return EINVAL;
    using LockCall = int (*)(pthread_mutex_t*);
    static const auto next = reinterpret_cast<LockCall>(dlsym(RTLD_NEXT, "pthread_mutex_lock"));
    return next(mutex);
}

namespace
{
TEST(AaxMutex, ALockTheSystemRefusesIsNotTaken)
{
    AAX_CMutex mutex;
    refuseLocks = true;
    const bool refusedLock = mutex.Lock();
    refuseLocks = false;
    EXPECT_FALSE(refusedLock);

    // The refused call left no owner behind: the next lock is really taken.
    EXPECT_TRUE(mutex.Lock());
    EXPECT_FALSE(mutex.Lock());
    mutex.Unlock();
}
} // namespace
