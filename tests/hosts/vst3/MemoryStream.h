#pragma once

#include "HostUnknown.h"

#include <pluginterfaces/base/ibstream.h>

#include <vector>

namespace vst3host
{

// A host's state stream in memory, sizeable as most hosts' streams are: what the plug-in writes
// into it for getState, or the bytes it reads in setState and setComponentState.
class MemoryStream final : public Steinberg::IBStream, public Steinberg::ISizeableStream
{
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<char> contents);

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID interfaceId,
                                                 void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return unknown.countReference(); }
    Steinberg::uint32 PLUGIN_API release() override { return unknown.dropReference(); }

    Steinberg::tresult PLUGIN_API read(void* buffer, Steinberg::int32 numBytes,
                                       Steinberg::int32* numBytesRead) override;
    Steinberg::tresult PLUGIN_API write(void* buffer, Steinberg::int32 numBytes,
                                        Steinberg::int32* numBytesWritten) override;
    Steinberg::tresult PLUGIN_API seek(Steinberg::int64 pos, Steinberg::int32 mode,
                                       Steinberg::int64* result) override;
    Steinberg::tresult PLUGIN_API tell(Steinberg::int64* pos) override;

    Steinberg::tresult PLUGIN_API getStreamSize(Steinberg::int64& size) override;
    Steinberg::tresult PLUGIN_API setStreamSize(Steinberg::int64 size) override;

    const std::vector<char>& getContents() const noexcept { return bytes; }

private:
    HostUnknown unknown;
    std::vector<char> bytes;
    size_t position = 0;
};

} // namespace vst3host
