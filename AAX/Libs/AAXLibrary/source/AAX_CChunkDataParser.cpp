#include "AAX_CChunkDataParser.h"

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace
{
constexpr unsigned char dataHeader[4] = {1, 1, 1, 1};
// Longest key the reader accepts, without its NUL.
constexpr std::size_t maxKeyLength = 255;
// Tag of an entry read with a type letter the parser does not know. No reader knows it either,
// so such an entry reads back as the same untyped entry.
constexpr char untypedTag = '?';

constexpr std::size_t RoundUpTo4(std::size_t size)
{
    return (size + 3) & ~std::size_t(3);
}

std::size_t KeySpace(const AAX_CChunkDataParser::DataValue& entry)
{
    return RoundUpTo4(entry.mDataName.Length() + 3u);
}

std::size_t ValueSpace(const AAX_CChunkDataParser::DataValue& entry)
{
    switch (entry.mDataType)
    {
    case AAX_CChunkDataParser::typeFloat:
    case AAX_CChunkDataParser::typeInt32:
    case AAX_CChunkDataParser::typeInt16:
        return 4;
    case AAX_CChunkDataParser::typeDouble:
        return 8;
    case AAX_CChunkDataParser::typeString:
        return RoundUpTo4(entry.mStringValue.Length() + 1u);
    default:
        return 0;
    }
}

char TagLetter(int32_t type)
{
    switch (type)
    {
    case AAX_CChunkDataParser::typeFloat:
        return 'f';
    case AAX_CChunkDataParser::typeInt32:
        return 'l';
    case AAX_CChunkDataParser::typeDouble:
        return 'd';
    case AAX_CChunkDataParser::typeInt16:
        return 's';
    case AAX_CChunkDataParser::typeString:
        return 'r';
    default:
        return untypedTag;
    }
}

void WriteBigEndian(unsigned char* out, uint64_t value, std::size_t numBytes)
{
    for (std::size_t i = 0; i < numBytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * (numBytes - 1 - i)));
}

uint64_t ReadBigEndian(const unsigned char* in, std::size_t numBytes)
{
    uint64_t value = 0;
    for (std::size_t i = 0; i < numBytes; ++i)
        value = (value << 8) | in[i];
    return value;
}

template <typename Bits, typename Value> Bits BitsOf(Value value)
{
    static_assert(sizeof(Bits) == sizeof(Value));
    Bits bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

template <typename Value, typename Bits> Value ValueOf(Bits bits)
{
    static_assert(sizeof(Bits) == sizeof(Value));
    Value value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

AAX_Result ReportOverflow()
{
    AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal,
                             "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                             "aborting: chunk data will overflow buffer");
    return AAX_ERROR_CHUNK_DATA_WRITE;
}
} // namespace

void AAX_CChunkDataParser::AddDouble(const char* name, double value)
{
    Append(typeDouble, name, BitsOf<uint64_t>(value), AAX_CString());
}

void AAX_CChunkDataParser::AddInt32(const char* name, int32_t value)
{
    Append(typeInt32, name, BitsOf<uint32_t>(value), AAX_CString());
}

void AAX_CChunkDataParser::AddString(const char* name, AAX_CString value)
{
    Append(typeString, name, 0, value);
}

void AAX_CChunkDataParser::Append(int32_t type, const char* name, uint64_t value,
                                  const AAX_CString& text)
{
    DataValue entry;
    entry.mDataType = type;
    entry.mDataName = name;
    entry.mValue = value;
    entry.mStringValue = text;
    mDataValues.push_back(std::move(entry));
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    uint64_t size = sizeof dataHeader;
    for (const DataValue& entry : mDataValues)
        size += KeySpace(entry) + ValueSpace(entry);
    return size <= uint64_t(std::numeric_limits<int32_t>::max()) ? static_cast<int32_t>(size) : -1;
}

AAX_Result AAX_CChunkDataParser::GetChunkData(AAX_SPlugInChunk* chunk) const
{
    if (chunk == nullptr)
        return AAX_ERROR_CHUNK_DATA_WRITE;
    const int32_t dataSize = GetChunkDataSize();
    if (dataSize < 0)
        return ReportOverflow();

    const auto size = static_cast<std::size_t>(dataSize);
    auto* const data = reinterpret_cast<unsigned char*>(chunk->fData);
    std::memset(data, 0, size);
    std::memcpy(data, dataHeader, sizeof dataHeader);

    std::size_t position = sizeof dataHeader;
    for (const DataValue& entry : mDataValues)
    {
        const std::size_t valueSpace = ValueSpace(entry);
        if (position + KeySpace(entry) + valueSpace > size)
            return ReportOverflow();

        data[position] = static_cast<unsigned char>(TagLetter(entry.mDataType));
        data[position + 1] = '_';
        std::memcpy(data + position + 2, entry.mDataName.Get(), entry.mDataName.Length());
        position += KeySpace(entry);

        unsigned char* const value = data + position;
        switch (entry.mDataType)
        {
        case typeFloat:
        case typeInt32:
            WriteBigEndian(value, entry.mValue, 4);
            break;
        case typeDouble:
            WriteBigEndian(value, entry.mValue, 8);
            break;
        case typeInt16:
            WriteBigEndian(value, entry.mValue, 2);
            break;
        case typeString:
            std::memcpy(value, entry.mStringValue.Get(), entry.mStringValue.Length());
            break;
        default:
            break;
        }
        position += valueSpace;
    }

    chunk->fSize = dataSize;
    return AAX_SUCCESS;
}

void AAX_CChunkDataParser::LoadChunk(const AAX_SPlugInChunk* chunk)
{
    Clear();
    if (chunk == nullptr)
        return;
    mChunkVersion = chunk->fVersion;
    if (chunk->fSize < 5)
        return;

    const auto size = static_cast<std::size_t>(chunk->fSize);
    const auto* const data = reinterpret_cast<const unsigned char*>(chunk->fData);
    if (std::memcmp(data, dataHeader, sizeof dataHeader) != 0)
        return;

    // Every read below is bounded by the chunk's size: an entry that does not lie whole inside
    // it (a key or text without its NUL, a cut-off value) ends the reading.
    const auto fits = [size](std::size_t position, std::size_t numBytes)
    { return position <= size && numBytes <= size - position; };

    std::size_t position = sizeof dataHeader;
    while (position < size)
    {
        const auto* const key = reinterpret_cast<const char*>(data + position);
        const std::size_t keySearch = std::min(maxKeyLength + 1, size - position);
        const auto* const keyEnd = static_cast<const char*>(std::memchr(key, 0, keySearch));
        if (keyEnd == nullptr)
            break;
        const auto keyLength = static_cast<std::size_t>(keyEnd - key);
        position = RoundUpTo4(position + keyLength + 1);

        DataValue entry;
        entry.mDataName = keyLength > 2 ? key + 2 : "";
        switch (key[0])
        {
        case 'd':
            if (!fits(position, 8))
                return;
            entry.mDataType = typeDouble;
            entry.mValue = ReadBigEndian(data + position, 8);
            position += 8;
            break;
        case 'f':
        case 'l':
            if (!fits(position, 4))
                return;
            entry.mDataType = key[0] == 'f' ? typeFloat : typeInt32;
            entry.mValue = ReadBigEndian(data + position, 4);
            position += 4;
            break;
        case 's':
            if (!fits(position, 2))
                return;
            entry.mDataType = typeInt16;
            entry.mValue = ReadBigEndian(data + position, 2);
            position += 4;
            break;
        case 'r':
        {
            if (!fits(position, 1))
                return;
            const auto* const text = reinterpret_cast<const char*>(data + position);
            const auto* const textEnd =
                static_cast<const char*>(std::memchr(text, 0, size - position));
            if (textEnd == nullptr)
                return;
            entry.mDataType = typeString;
            entry.mStringValue = text;
            position += RoundUpTo4(static_cast<std::size_t>(textEnd - text) + 1);
            break;
        }
        default:
            break;
        }
        mDataValues.push_back(std::move(entry));
    }
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::FindOfType(const char* name,
                                                                        int32_t type)
{
    if (name == nullptr)
        return nullptr;
    const int32_t index = FindName(AAX_CString(name));
    if (index < 0 || mDataValues[static_cast<std::size_t>(index)].mDataType != type)
        return nullptr;
    return &mDataValues[static_cast<std::size_t>(index)];
}

bool AAX_CChunkDataParser::FindDouble(const char* name, double* value)
{
    const DataValue* const entry = value != nullptr ? FindOfType(name, typeDouble) : nullptr;
    if (entry == nullptr)
        return false;
    *value = ValueOf<double>(entry->mValue);
    return true;
}

bool AAX_CChunkDataParser::FindInt32(const char* name, int32_t* value)
{
    const DataValue* const entry = value != nullptr ? FindOfType(name, typeInt32) : nullptr;
    if (entry == nullptr)
        return false;
    *value = ValueOf<int32_t>(static_cast<uint32_t>(entry->mValue));
    return true;
}

bool AAX_CChunkDataParser::FindString(const char* name, AAX_CString* value)
{
    const DataValue* const entry = value != nullptr ? FindOfType(name, typeString) : nullptr;
    if (entry == nullptr)
        return false;
    *value = entry->mStringValue;
    return true;
}

int32_t AAX_CChunkDataParser::FindName(const AAX_CString& name)
{
    const auto count = static_cast<int32_t>(mDataValues.size());
    int32_t start = mLastFoundIndex;
    if (start >= count - 1)
    {
        mLastFoundIndex = -1;
        start = -1;
    }
    else if (start < -1)
    {
        return -1;
    }

    const auto matches = [&](int32_t index)
    { return mDataValues[static_cast<std::size_t>(index)].mDataName == name; };

    for (int32_t index = start + 1; index < count; ++index)
    {
        if (matches(index))
            return mLastFoundIndex = index;
    }
    if (mLastFoundIndex < 0)
        return -1;
    for (int32_t index = 0; index <= mLastFoundIndex; ++index)
    {
        if (matches(index))
            return mLastFoundIndex = index;
    }
    return -1;
}

void AAX_CChunkDataParser::Clear()
{
    mDataValues.clear();
    mLastFoundIndex = -1;
    mChunkVersion = -1;
}
