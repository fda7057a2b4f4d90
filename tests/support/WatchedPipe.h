#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace testsupport
{

// A named pipe at a path while the object lives, watched from a thread of its own: whoever opens
// it to read (and so would wait for a writer for ever) is let go at once, by a writer that opens
// it and closes it again, and counted. A test then fails on the count instead of hanging.
class WatchedPipe final
{
public:
    explicit WatchedPipe(const juce::File& path);
    ~WatchedPipe();

    // False when the pipe could not be made.
    bool exists() const noexcept { return made; }

    // How many readers had opened the pipe so far.
    int readersLetGo() const noexcept { return readers.load(); }

private:
    void watch();

    const juce::File file;
    const bool made;
    std::atomic<int> readers{0};
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::thread watcher;

    JUCE_DECLARE_NON_COPYABLE(WatchedPipe)
};

} // namespace testsupport
