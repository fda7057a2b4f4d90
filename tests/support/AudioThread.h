#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace testsupport
{

// A thread of its own, started after the plug-in module is loaded, as a host's audio thread:
// it runs one call at a time while the thread that hands it over waits.
class AudioThread final
{
public:
    AudioThread();
    ~AudioThread();

    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    // Runs the call on the audio thread and returns once it has returned.
    void run(const std::function<void()>& call);

private:
    void loop();

    std::mutex mutex;
    std::condition_variable changed;
    const std::function<void()>* pending = nullptr;
    bool stopping = false;
    std::thread thread;
};

} // namespace testsupport
