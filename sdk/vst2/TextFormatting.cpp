#include "TextFormatting.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace TextFormatting
{
namespace
{
constexpr const char* hugeText = "Huge!";
constexpr int floatPositions = 8;

// Appends the decimal digits of a non-negative number, padded with leading zeros to minDigits.
char* appendDigits(char* out, std::int64_t number, int minDigits)
{
    char reversed[20];
    int count = 0;
    do
    {
        reversed[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0 || count < minDigits);
    while (count > 0)
        *out++ = reversed[--count];
    return out;
}

int countDigits(std::int64_t number)
{
    int count = 1;
    for (; number >= 10; number /= 10)
        ++count;
    return count;
}
} // namespace

void writeText(char* buffer, const char* text, std::int32_t maxLen)
{
    if (buffer == nullptr || maxLen < 0)
        return;
    const std::size_t length = std::min(std::strlen(text), static_cast<std::size_t>(maxLen));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void writeFloat(char* buffer, float value, std::int32_t maxLen)
{
    // Compared in double: 99999999 has no 32-bit float, and rounds there to 100000000.
    const double number = value;
    if (!std::isfinite(number) || number < -9999999.0 || number > 99999999.0)
    {
        writeText(buffer, hugeText, maxLen);
        return;
    }

    char text[24];
    char* out = text;
    const bool negative = number < 0.0;
    const double magnitude = std::fabs(number);
    const double wholePart = std::floor(magnitude);
    const auto whole = static_cast<std::int64_t>(wholePart);

    int positions = 1; // the decimal point
    if (negative)
    {
        *out++ = '-';
        ++positions;
    }
    out = appendDigits(out, whole, 1);
    positions += countDigits(whole);

    // An integer part that fills all eight positions is written whole, without the point.
    if (positions <= floatPositions)
    {
        *out++ = '.';
        const int decimals = floatPositions - positions;
        if (decimals > 0)
        {
            const double scaled = std::floor((magnitude - wholePart) * std::pow(10.0, decimals));
            out = appendDigits(out, static_cast<std::int64_t>(scaled), decimals);
        }
    }
    *out = '\0';
    writeText(buffer, text, maxLen);
}

void writeInt(char* buffer, std::int32_t value, std::int32_t maxLen)
{
    const std::int64_t number = value;
    const std::int64_t magnitude = number < 0 ? -number : number;
    if (magnitude >= 100000000)
    {
        writeText(buffer, hugeText, maxLen);
        return;
    }

    char text[16];
    char* out = text;
    if (number < 0)
        *out++ = '-';
    out = appendDigits(out, magnitude, 1);
    *out = '\0';
    writeText(buffer, text, maxLen);
}
} // namespace TextFormatting
