#include "Utf8.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace Utf8
{
std::size_t wellFormedLength(const char* bytes, std::size_t numBytes) noexcept
{
    if (numBytes == 0)
        return 0;

    const auto byteAt = [bytes](std::size_t index)
    { return (std::uint32_t)(std::uint8_t)bytes[index]; };
    const auto lead = byteAt(0);

    if (lead < 0x80)
        return 1;

    std::size_t length = 0;

    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2;
    else if (lead >= 0xe0 && lead <= 0xef)
        length = 3;
    else if (lead >= 0xf0 && lead <= 0xf4)
        length = 4;

    if (length == 0 || length > numBytes)
        return 0;

    static constexpr std::uint32_t leadBits[] = {0, 0, 0x1f, 0x0f, 0x07};
    static constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    std::uint32_t codePoint = lead & leadBits[length];

    for (std::size_t k = 1; k < length; ++k)
    {
        const auto next = byteAt(k);
        if ((next & 0xc0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3f);
    }

    const bool wellFormed = codePoint >= smallest[length] && codePoint <= 0x10ffff &&
                            !(codePoint >= 0xd800 && codePoint <= 0xdfff);
    return wellFormed ? length : 0;
}

bool isWellFormed(const char* text) noexcept
{
    for (std::size_t remaining = std::strlen(text); remaining > 0;)
    {
        const auto length = wellFormedLength(text, remaining);
        if (length == 0)
            return false;
        text += length;
        remaining -= length;
    }
    return true;
}

juce::String toValidText(const char* bytes, std::size_t numBytes)
{
    std::string valid;
    valid.reserve(numBytes);

    for (std::size_t i = 0; i < numBytes && bytes[i] != 0;)
    {
        if (const auto length = wellFormedLength(bytes + i, numBytes - i); length > 0)
        {
            valid.append(bytes + i, length);
            i += length;
        }
        else
        {
            valid += "\xef\xbf\xbd"; // U+FFFD REPLACEMENT CHARACTER
            ++i;
        }
    }

    return juce::String::fromUTF8(valid.data(), (int)valid.size());
}
} // namespace Utf8
