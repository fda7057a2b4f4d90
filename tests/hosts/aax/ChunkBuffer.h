#pragma once

#include "AAX.h"

#include <cstddef>
#include <string>
#include <vector>

namespace aaxhost
{
// A chunk as the host hands it over: the header and then exactly the data bytes, allocated to
// the byte so that AddressSanitizer reports any access past the data.
class ChunkBuffer
{
public:
    static constexpr std::size_t headerSize = offsetof(AAX_SPlugInChunk, fData);

    explicit ChunkBuffer(std::size_t dataBytes);
    // A chunk whose data are the bytes of the hexadecimal text (spaces ignored).
    static ChunkBuffer Holding(const std::string& hex);

    AAX_SPlugInChunk* chunk() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes.data()); }
    const AAX_SPlugInChunk* chunk() const
    {
        return reinterpret_cast<const AAX_SPlugInChunk*>(bytes.data());
    }
    // The data bytes, as many as the size field says (at most those allocated), in hexadecimal.
    std::string DataHex() const;

private:
    std::vector<unsigned char> bytes;
};

std::string WithoutSpaces(const std::string& hex);
} // namespace aaxhost
