#include "ChunkBuffer.h"

#include "AAX_CChunkDataParser.h"
#include "AAX_Errors.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace
{
using aaxhost::ChunkBuffer;
using aaxhost::WithoutSpaces;

std::string Written(const AAX_CChunkDataParser& parser)
{
    const int32_t size = parser.GetChunkDataSize();
    ChunkBuffer buffer(static_cast<std::size_t>(size));
    buffer.chunk()->fSize = 0;
    EXPECT_EQ(parser.GetChunkData(buffer.chunk()), AAX_SUCCESS);
    EXPECT_EQ(buffer.chunk()->fSize, size);
    return buffer.DataHex();
}

TEST(ChunkDataParser, WritesTaggedBigEndianEntriesOnFourByteBoundaries)
{
    struct Case
    {
        const char* description;
        std::function<void(AAX_CChunkDataParser&)> fill;
        const char* data;
    };
    const Case cases[] = {
        {"nothing", [](auto&) {}, "01010101"},
        {"a double", [](auto& p) { p.AddDouble("Gain", 1.0); },
         "01010101 645F4761 696E0000 3FF00000 00000000"},
        {"an integer", [](auto& p) { p.AddInt32("Q", 1); }, "01010101 6C5F5100 00000001"},
        {"a negative integer", [](auto& p) { p.AddInt32("n", -2); }, "01010101 6C5F6E00 FFFFFFFE"},
        {"a text", [](auto& p) { p.AddString("Mode", "abc"); },
         "01010101 725F4D6F 64650000 61626300"},
        {"a text of four", [](auto& p) { p.AddString("m", "abcd"); },
         "01010101 725F6D00 61626364 00000000"},
        {"an empty text", [](auto& p) { p.AddString("e", ""); }, "01010101 725F6500 00000000"},
        {"two parameters",
         [](auto& p)
         {
             p.AddDouble("0", 1.0);
             p.AddDouble("1", 0.25);
         },
         "01010101 645F3000 3FF00000 00000000 645F3100 3FD00000 00000000"},
    };
    for (const Case& test : cases)
    {
        AAX_CChunkDataParser parser;
        test.fill(parser);
        EXPECT_EQ(Written(parser), WithoutSpaces(test.data)) << test.description;
    }

    EXPECT_EQ(AAX_CChunkDataParser().GetChunkData(nullptr), AAX_ERROR_CHUNK_DATA_WRITE);
}

TEST(ChunkDataParser, ReadsBackWhatItWrote)
{
    AAX_CChunkDataParser writer;
    writer.AddDouble("0", 1.0);
    writer.AddDouble("1", 0.25);
    writer.AddInt32("bypass", -7);
    writer.AddString("name", "Init");
    ChunkBuffer buffer(static_cast<std::size_t>(writer.GetChunkDataSize()));
    ASSERT_EQ(writer.GetChunkData(buffer.chunk()), AAX_SUCCESS);
    buffer.chunk()->fVersion = 3;

    AAX_CChunkDataParser reader;
    reader.AddInt32("stale", 1);
    reader.LoadChunk(buffer.chunk());
    EXPECT_EQ(reader.GetChunkVersion(), 3);
    double real = 0.0;
    int32_t integer = 0;
    AAX_CString text;
    EXPECT_TRUE(reader.FindDouble("0", &real));
    EXPECT_EQ(real, 1.0);
    EXPECT_TRUE(reader.FindDouble("1", &real));
    EXPECT_EQ(real, 0.25);
    EXPECT_TRUE(reader.FindInt32("bypass", &integer));
    EXPECT_EQ(integer, -7);
    EXPECT_TRUE(reader.FindString("name", &text));
    EXPECT_STREQ(text.Get(), "Init");
    EXPECT_FALSE(reader.FindInt32("stale", &integer));
    EXPECT_EQ(Written(reader), buffer.DataHex());

    // A value stored under another type, or an absent name, leaves the output alone.
    EXPECT_FALSE(reader.FindInt32("0", &integer));
    EXPECT_FALSE(reader.FindDouble("name", &real));
    EXPECT_FALSE(reader.FindString("missing", &text));
    EXPECT_FALSE(reader.FindDouble(nullptr, &real));
    EXPECT_FALSE(reader.FindDouble("0", nullptr));
    EXPECT_EQ(integer, -7);
    EXPECT_EQ(real, 0.25);
    EXPECT_STREQ(text.Get(), "Init");

    reader.Clear();
    EXPECT_EQ(reader.GetChunkVersion(), -1);
    EXPECT_EQ(reader.GetChunkDataSize(), 4);
}

TEST(ChunkDataParser, KeepsShortAndUnknownEntriesWithoutFindingThem)
{
    AAX_CChunkDataParser parser;
    parser.LoadChunk(ChunkBuffer::Holding("01010101 735F4C6F 00000000 FFFE0000 785F5A00").chunk());
    EXPECT_EQ(parser.FindName(AAX_CString("Lo")), 0);
    EXPECT_EQ(parser.FindName(AAX_CString("Z")), 1);
    int32_t integer = 5;
    double real = 5.0;
    EXPECT_FALSE(parser.FindInt32("Lo", &integer));
    EXPECT_FALSE(parser.FindDouble("Z", &real));
    // The short keeps its 16 bits; the unknown entry is written under a tag no reader knows.
    EXPECT_EQ(Written(parser), WithoutSpaces("01010101 735F4C6F 00000000 FFFE0000 3F5F5A00"));
}

// Chunks that end early or lie about their size: reading keeps the whole entries before the
// damage and never reads beyond the chunk's size.
TEST(ChunkDataParser, StopsAtTheFirstEntryThatDoesNotFitTheChunk)
{
    const std::string longKey = "645F" + std::string(2 * 253, '4') + "00"; // 255 characters
    const std::string tooLongKey = "645F" + std::string(2 * 300, '4') + "00";
    struct Case
    {
        const char* description;
        std::string data;
        std::optional<int32_t> claimedSize;
        std::string readBack;
    };
    const Case cases[] = {
        {"header only", "01010101", {}, "01010101"},
        {"wrong header", "00000000 6C5F4100 00000001", {}, "01010101"},
        {"negative size", "01010101 6C5F4100 00000001", -8, "01010101"},
        {"size below the header", "01010101 6C5F4100 00000001", 3, "01010101"},
        {"one byte after the header", "01010101 64", {}, "01010101"},
        {"key without its NUL", "01010101 645F4142", {}, "01010101"},
        {"value missing after the key", "01010101 6C5F4100", {}, "01010101"},
        {"double cut short",
         "01010101 6C5F4100 00000001 645F4200 3FF0",
         {},
         "01010101 6C5F4100 00000001"},
        {"text without its NUL", "01010101 725F5400 616263", {}, "01010101"},
        {"text missing", "01010101 725F5400", {}, "01010101"},
        {"size cuts a valid entry", "01010101 6C5F4100 00000001 6C5F4200 00000002", 16,
         "01010101 6C5F4100 00000001"},
        {"short without its padding",
         "01010101 735F4C6F 00000000 FFFE",
         {},
         "01010101 735F4C6F 00000000 FFFE0000"},
        {"key of the longest length",
         "01010101" + longKey + "3FF00000 00000000",
         {},
         "01010101" + longKey + "3FF00000 00000000"},
        {"key longer than that", "01010101" + tooLongKey + "3FF00000 00000000", {}, "01010101"},
    };
    for (const Case& test : cases)
    {
        ChunkBuffer buffer = ChunkBuffer::Holding(test.data);
        if (test.claimedSize)
            buffer.chunk()->fSize = *test.claimedSize;
        AAX_CChunkDataParser parser;
        parser.LoadChunk(buffer.chunk());
        EXPECT_EQ(Written(parser), WithoutSpaces(test.readBack)) << test.description;
    }
}

TEST(ChunkDataParser, LookupsResumeAfterTheLastHitAndWrapAround)
{
    AAX_CChunkDataParser parser;
    for (const char* name : {"a", "b", "x", "c", "x"})
        parser.AddInt32(name, 0);

    const std::pair<const char*, int32_t> lookups[] = {
        {"a", 0}, {"b", 1}, {"x", 2}, {"c", 3},  {"x", 4}, {"a", 0},
        {"x", 2}, {"x", 4}, {"x", 2}, {"q", -1}, {"b", 1},
    };
    for (const auto& [name, index] : lookups)
        EXPECT_EQ(parser.FindName(AAX_CString(name)), index) << name;

    parser.Clear();
    EXPECT_EQ(parser.FindName(AAX_CString("a")), -1);
    parser.AddInt32("a", 0);
    EXPECT_EQ(parser.FindName(AAX_CString("a")), 0);
}
} // namespace
