#include "AudioThread.h"

namespace testsupport
{

AudioThread::AudioThread() : thread([this] { loop(); }) {}

AudioThread::~AudioThread()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }

    changed.notify_all();
    thread.join();
}

void AudioThread::run(const std::function<void()>& call)
{
    std::unique_lock<std::mutex> lock(mutex);
    pending = &call;
    changed.notify_all();
    changed.wait(lock, [this] { return pending == nullptr; });
}

void AudioThread::loop()
{
    std::unique_lock<std::mutex> lock(mutex);

    for (;;)
    {
        changed.wait(lock, [this] { return pending != nullptr || stopping; });

        if (pending == nullptr)
            return;

        (*pending)();
        pending = nullptr;
        changed.notify_all();
    }
}

} // namespace testsupport
