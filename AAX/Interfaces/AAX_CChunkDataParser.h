#pragma once

#include "AAX.h"
#include "AAX_CString.h"

#include <vector>

// Turns named, typed values into the data of a state chunk and back. The data is the bytes
// 01 01 01 01, then one entry per value: a tag (type letter and '_'), the name and a NUL, zero
// padding to a multiple of 4, then the value, big-endian, also padded to a multiple of 4.
// Lookups by name resume after the last hit, so values read in the order they were written are
// each found at the first comparison.
class AAX_CChunkDataParser
{
public:
    // Value types, as numbered in DataValue::mDataType.
    static constexpr int32_t typeNone = 0;
    static constexpr int32_t typeFloat = 1;
    static constexpr int32_t typeInt32 = 2;
    static constexpr int32_t typeDouble = 3;
    static constexpr int32_t typeInt16 = 4;
    static constexpr int32_t typeString = 5;

    struct DataValue
    {
        int32_t mDataType = typeNone;
        AAX_CString mDataName;
        // A double's bits, a float's or a 32-bit integer's bits, or 16 bits.
        uint64_t mValue = 0;
        AAX_CString mStringValue;
    };

    AAX_CChunkDataParser() = default;
    virtual ~AAX_CChunkDataParser() = default;

    void AddDouble(const char* name, double value);
    void AddInt32(const char* name, int32_t value);
    void AddString(const char* name, AAX_CString value);

    // Size of the data the entries need: at least 4, or -1 when it would not fit 31 bits.
    int32_t GetChunkDataSize() const;
    // Writes the data into a chunk whose data area holds GetChunkDataSize() bytes, and sets its
    // size; AAX_ERROR_CHUNK_DATA_WRITE when the data would not fit.
    AAX_Result GetChunkData(AAX_SPlugInChunk* chunk) const;
    // Replaces the entries with those of the chunk. Reading stops at the first entry that does
    // not lie whole inside the chunk's size.
    void LoadChunk(const AAX_SPlugInChunk* chunk);
    // Version of the chunk last loaded; -1 after Clear.
    int32_t GetChunkVersion() const { return mChunkVersion; }

    bool FindDouble(const char* name, double* value);
    bool FindInt32(const char* name, int32_t* value);
    bool FindString(const char* name, AAX_CString* value);
    int32_t FindName(const AAX_CString& name);

    void Clear();

private:
    void Append(int32_t type, const char* name, uint64_t value, const AAX_CString& text);
    const DataValue* FindOfType(const char* name, int32_t type);

    int32_t mLastFoundIndex = -1;
    int32_t mChunkVersion = -1;
    std::vector<DataValue> mDataValues;
};
