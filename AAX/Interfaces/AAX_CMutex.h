#pragma once

#include <memory>

// A lock that remembers which thread holds it. The holder may ask for it again without
// blocking: that call answers false and takes nothing, so only the outermost successful Lock
// is undone by its Unlock. A mutex that could not be set up locks nothing and answers false.
class AAX_CMutex final
{
public:
    AAX_CMutex();
    ~AAX_CMutex();

    AAX_CMutex(const AAX_CMutex&) = delete;
    AAX_CMutex& operator=(const AAX_CMutex&) = delete;

    // True when this call took the lock; false for the holder itself, without a lock set up, or
    // when the system refused the lock.
    bool Lock();
    // Frees the lock when the calling thread holds it; from any other thread it does nothing.
    void Unlock();

private:
    struct Record;
    std::unique_ptr<Record> mRecord;
};

// Holds a mutex for the length of a block, and frees it at the end only if it took it.
class AAX_StLock_Guard final
{
public:
    explicit AAX_StLock_Guard(AAX_CMutex& mutex) : mMutex(mutex), mLocked(mutex.Lock()) {}
    ~AAX_StLock_Guard()
    {
        if (mLocked)
            mMutex.Unlock();
    }

    AAX_StLock_Guard(const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator=(const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& mMutex;
    bool mLocked;
};
