#include "MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vst3host
{

MemoryStream::MemoryStream(std::vector<char> contents) : bytes(std::move(contents)) {}

Steinberg::tresult PLUGIN_API MemoryStream::queryInterface(const Steinberg::TUID interfaceId,
                                                           void** obj)
{
    return unknown.answerQuery(
        interfaceId, obj,
        {{Steinberg::FUnknown_iid, static_cast<Steinberg::FUnknown*>(static_cast<IBStream*>(this))},
         {Steinberg::IBStream_iid, static_cast<IBStream*>(this)},
         {Steinberg::ISizeableStream_iid, static_cast<ISizeableStream*>(this)}});
}

Steinberg::tresult PLUGIN_API MemoryStream::read(void* buffer, Steinberg::int32 numBytes,
                                                 Steinberg::int32* numBytesRead)
{
    if (buffer == nullptr || numBytes < 0)
        return Steinberg::kInvalidArgument;

    const auto count = std::min((size_t)numBytes, bytes.size() - position);
    std::memcpy(buffer, bytes.data() + position, count);
    position += count;

    if (numBytesRead != nullptr)
        *numBytesRead = (Steinberg::int32)count;

    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API MemoryStream::write(void* buffer, Steinberg::int32 numBytes,
                                                  Steinberg::int32* numBytesWritten)
{
    if (buffer == nullptr || numBytes < 0)
        return Steinberg::kInvalidArgument;

    const auto count = (size_t)numBytes;

    if (bytes.size() < position + count)
        bytes.resize(position + count);

    std::memcpy(bytes.data() + position, buffer, count);
    position += count;

    if (numBytesWritten != nullptr)
        *numBytesWritten = numBytes;

    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API MemoryStream::seek(Steinberg::int64 pos, Steinberg::int32 mode,
                                                 Steinberg::int64* result)
{
    Steinberg::int64 target = pos;

    if (mode == kIBSeekCur)
        target += (Steinberg::int64)position;
    else if (mode == kIBSeekEnd)
        target += (Steinberg::int64)bytes.size();
    else if (mode != kIBSeekSet)
        return Steinberg::kInvalidArgument;

    if (target < 0 || target > (Steinberg::int64)bytes.size())
        return Steinberg::kInvalidArgument;

    position = (size_t)target;

    if (result != nullptr)
        *result = target;

    return Steinberg::kResultTrue;
}

Steinberg::tresult PLUGIN_API MemoryStream::tell(Steinberg::int64* pos)
{
    if (pos == nullptr)
        return Steinberg::kInvalidArgument;

    *pos = (Steinberg::int64)position;
    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API MemoryStream::getStreamSize(Steinberg::int64& size)
{
    size = (Steinberg::int64)bytes.size();
    return Steinberg::kResultOk;
}

Steinberg::tresult PLUGIN_API MemoryStream::setStreamSize(Steinberg::int64 size)
{
    if (size < 0)
        return Steinberg::kInvalidArgument;

    bytes.resize((size_t)size);
    position = std::min(position, bytes.size());
    return Steinberg::kResultOk;
}

} // namespace vst3host
