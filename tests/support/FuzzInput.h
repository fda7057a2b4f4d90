#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// Reads a fuzzer's input front to back as a sequence of fixed-width little-endian fields and
// length-prefixed byte runs. Past the end every field reads as zero and every run as empty, so
// a decoder never has to check sizes; `empty()` tells when the input is used up.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* bytes, std::size_t size) : data(bytes), remaining(size) {}

    bool empty() const { return remaining == 0; }

    template <typename Value> Value read()
    {
        Value value{};
        if (const auto count = take(sizeof(Value)); count > 0)
            std::memcpy(&value, data - count, count);
        return value;
    }

    std::uint8_t byte() { return read<std::uint8_t>(); }

    // A run of bytes whose length is the next 16-bit field.
    std::vector<std::uint8_t> bytes() { return bytes(read<std::uint16_t>()); }

    // The next `count` bytes (fewer at the end of the input).
    std::vector<std::uint8_t> bytes(std::size_t count)
    {
        const auto taken = take(count);
        return std::vector<std::uint8_t>(data - taken, data);
    }

private:
    std::size_t take(std::size_t count)
    {
        const auto taken = count < remaining ? count : remaining;
        data += taken;
        remaining -= taken;
        return taken;
    }

    const std::uint8_t* data;
    std::size_t remaining;
};

// Fills every channel with the bytes read as samples, over and over; no whole sample among the
// bytes leaves the channels as they are.
template <typename Sample>
void fillWithSamples(std::vector<std::vector<Sample>>& channels,
                     const std::vector<std::uint8_t>& bytes)
{
    const std::size_t count = bytes.size() / sizeof(Sample);
    if (count == 0)
        return;

    std::size_t next = 0;
    for (auto& channel : channels)
        for (auto& sample : channel)
            std::memcpy(&sample, bytes.data() + sizeof(Sample) * (next++ % count), sizeof(Sample));
}
