#include "AAX_CMutex.h"

#include <atomic>
#include <new>
#include <pthread.h>

struct AAX_CMutex::Record
{
    // Written only by the holder, but read by every thread that asks for the lock.
    std::atomic<pthread_t> owner{pthread_t()};
    pthread_mutex_t mutex;
};

AAX_CMutex::AAX_CMutex() : mRecord(new (std::nothrow) Record)
{
    if (mRecord != nullptr && pthread_mutex_init(&mRecord->mutex, nullptr) != 0)
        mRecord.reset();
}

AAX_CMutex::~AAX_CMutex()
{
    if (mRecord != nullptr)
        pthread_mutex_destroy(&mRecord->mutex);
}

bool AAX_CMutex::Lock()
{
    if (mRecord == nullptr)
        return false;

    const pthread_t self = pthread_self();
    if (pthread_equal(mRecord->owner.load(), self))
        return false;

    if (pthread_mutex_lock(&mRecord->mutex) != 0)
        return false;

    mRecord->owner.store(self);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (mRecord == nullptr || !pthread_equal(mRecord->owner.load(), pthread_self()))
        return;

    mRecord->owner.store(pthread_t());
    pthread_mutex_unlock(&mRecord->mutex);
}
