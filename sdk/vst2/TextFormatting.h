#pragma once

#include <cstdint>

// Number texts for a host's fixed-size text buffers. Each writes into a buffer of maxLen + 1
// bytes: at most maxLen characters and always a terminator; a null buffer or a negative
// maxLen writes nothing.
namespace TextFormatting
{
void writeText(char* buffer, const char* text, std::int32_t maxLen);

// At most eight character positions, sign and decimal point included, with the decimals
// truncated; "Huge!" outside -9999999 .. 99999999 and for values that are not finite.
void writeFloat(char* buffer, float value, std::int32_t maxLen);

// The decimal digits of the value; "Huge!" from a magnitude of 100000000 up.
void writeInt(char* buffer, std::int32_t value, std::int32_t maxLen);
} // namespace TextFormatting
