// libFuzzer target: the chunk data parser on any chunk a host hands back. The input is the
// chunk's version, the size it states, the names to look up and the data; the data is allocated
// to the byte, so AddressSanitizer reports any read beyond it, and a stated size may be smaller
// than the data (or negative) but never larger, as with a host's own record.
//
// Whatever the parser reads it must write back within the size it computes, and what it writes
// must read back to the same bytes.

#include "AAX_CChunkDataParser.h"
#include "ChunkBuffer.h"

#include <FuzzInput.h>
#include <FuzzTarget.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
using fuzztarget::check;

// The data written by the parser as it stands, in a record of exactly the size it computes.
std::vector<unsigned char> written(const AAX_CChunkDataParser& parser)
{
    const int32_t size = parser.GetChunkDataSize();
    check(size >= 4);
    aaxhost::ChunkBuffer buffer(static_cast<std::size_t>(size));
    buffer.chunk()->fSize = 0;
    check(parser.GetChunkData(buffer.chunk()) == 0);
    check(buffer.chunk()->fSize == size);
    const auto* data = reinterpret_cast<const unsigned char*>(buffer.chunk()->fData);
    return std::vector<unsigned char>(data, data + size);
}

void load(AAX_CChunkDataParser& parser, const std::vector<unsigned char>& data, int32_t version)
{
    aaxhost::ChunkBuffer buffer(data.size());
    std::copy(data.begin(), data.end(), buffer.chunk()->fData);
    buffer.chunk()->fVersion = version;
    parser.LoadChunk(buffer.chunk());
}

// Every lookup for the name, whatever it finds.
void lookUp(AAX_CChunkDataParser& parser, const char* name)
{
    double number = 0.0;
    int32_t integer = 0;
    AAX_CString text;
    parser.FindDouble(name, &number);
    parser.FindInt32(name, &integer);
    parser.FindString(name, &text);
    parser.FindName(AAX_CString(name));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const auto version = in.read<int32_t>();
    const auto statedSize = in.read<int32_t>();
    auto names = in.bytes();
    const auto chunkData = in.bytes(size);

    aaxhost::ChunkBuffer chunk(chunkData.size());
    std::copy(chunkData.begin(), chunkData.end(), chunk.chunk()->fData);
    chunk.chunk()->fVersion = version;
    if (statedSize < static_cast<std::int64_t>(chunkData.size()))
        chunk.chunk()->fSize = statedSize;

    AAX_CChunkDataParser parser;
    parser.LoadChunk(chunk.chunk());
    check(parser.GetChunkVersion() == version);

    // The names to look up: NUL-separated, tried in order and then once more in reverse.
    names.push_back(0);
    std::vector<const char*> keys;
    for (std::size_t start = 0; start < names.size();)
    {
        keys.push_back(reinterpret_cast<const char*>(names.data() + start));
        start += std::strlen(keys.back()) + 1;
    }
    for (const char* key : keys)
        lookUp(parser, key);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        lookUp(parser, *key);

    const auto first = written(parser);
    AAX_CChunkDataParser reread;
    load(reread, first, version);
    check(written(reread) == first);
    return 0;
}
