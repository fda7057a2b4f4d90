#include "WatchedPipe.h"

#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport
{

WatchedPipe::WatchedPipe(const juce::File& path)
    : file(path), made(::mkfifo(path.getFullPathName().toRawUTF8(), 0644) == 0),
      watcher([this] { watch(); })
{
}

WatchedPipe::~WatchedPipe()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    watcher.join();
    if (made)
        ::unlink(file.getFullPathName().toRawUTF8());
}

void WatchedPipe::watch()
{
    using namespace std::chrono_literals;
    const auto path = file.getFullPathName().toStdString();
    std::unique_lock<std::mutex> lock(mutex);

    // A writer that does not wait opens a pipe only while a reader has it open.
    while (made && !wake.wait_for(lock, 2ms, [this] { return stopping; }))
        if (const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); writer >= 0)
        {
            ++readers;
            ::close(writer);
        }
}

} // namespace testsupport
