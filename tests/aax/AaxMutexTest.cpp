#include "AAX_CMutex.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace
{
using namespace std::chrono_literals;

// Starts a thread that takes the mutex and frees it again; the future is ready once it could.
std::future<bool> LockFromAnotherThread(AAX_CMutex& mutex)
{
    return std::async(std::launch::async,
                      [&mutex]
                      {
                          const bool locked = mutex.Lock();
                          mutex.Unlock();
                          return locked;
                      });
}

bool StillWaiting(std::future<bool>& other)
{
    return other.wait_for(50ms) == std::future_status::timeout;
}

TEST(AaxMutex, TheHolderLocksAgainWithoutBlockingAndOneUnlockFreesIt)
{
    AAX_CMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    EXPECT_FALSE(mutex.Lock());

    auto other = LockFromAnotherThread(mutex);
    EXPECT_TRUE(StillWaiting(other));
    mutex.Unlock();
    EXPECT_TRUE(other.get());
}

TEST(AaxMutex, NestedGuardsFreeTheLockOnlyWhenTheOuterOneEnds)
{
    AAX_CMutex mutex;
    std::future<bool> other;
    {
        AAX_StLock_Guard outer(mutex);
        {
            AAX_StLock_Guard inner(mutex);
        }
        other = LockFromAnotherThread(mutex);
        EXPECT_TRUE(StillWaiting(other));
    }
    EXPECT_TRUE(other.get());
}

TEST(AaxMutex, AnUnlockFromAnotherThreadLeavesTheHoldersLock)
{
    AAX_CMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    std::thread([&mutex] { mutex.Unlock(); }).join();

    auto other = LockFromAnotherThread(mutex);
    EXPECT_TRUE(StillWaiting(other));
    mutex.Unlock();
    EXPECT_TRUE(other.get());

    // Free again: an unlock without a holder changes nothing.
    mutex.Unlock();
    EXPECT_TRUE(mutex.Lock());
    mutex.Unlock();
}
} // namespace
