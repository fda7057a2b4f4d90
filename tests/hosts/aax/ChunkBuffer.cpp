#include "ChunkBuffer.h"

#include <algorithm>
#include <cstdio>

namespace aaxhost
{
ChunkBuffer::ChunkBuffer(std::size_t dataBytes) : bytes(headerSize + dataBytes)
{
    chunk()->fSize = static_cast<int32_t>(dataBytes);
}

ChunkBuffer ChunkBuffer::Holding(const std::string& hex)
{
    const std::string compact = WithoutSpaces(hex);
    ChunkBuffer buffer(compact.size() / 2);
    for (std::size_t i = 0; i < compact.size() / 2; ++i)
        buffer.bytes[headerSize + i] =
            static_cast<unsigned char>(std::stoul(compact.substr(2 * i, 2), nullptr, 16));
    return buffer;
}

std::string ChunkBuffer::DataHex() const
{
    const std::size_t available = bytes.size() - headerSize;
    const std::size_t size =
        chunk()->fSize < 0 ? 0 : std::min(available, static_cast<std::size_t>(chunk()->fSize));
    std::string hex;
    char byte[3];
    for (std::size_t i = 0; i < size; ++i)
    {
        std::snprintf(byte, sizeof byte, "%02X", bytes[headerSize + i]);
        hex += byte;
    }
    return hex;
}

std::string WithoutSpaces(const std::string& hex)
{
    std::string compact;
    for (char c : hex)
        if (c != ' ')
            compact += c;
    return compact;
}
} // namespace aaxhost
