#include "HostText.h"

#include <Utf8.h>

#include <cstring>

namespace HostText
{
void write(char* buffer, const juce::String& text, std::size_t capacity)
{
    if (buffer == nullptr || capacity == 0)
        return;

    const char* utf8 = text.toRawUTF8();
    std::size_t length = std::strlen(utf8);

    if (length >= capacity)
    {
        length = capacity - 1;

        // Never leave half of a multi-byte character behind: back up over continuation bytes
        // to the start of the character that did not fit.
        while (length > 0 && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80)
            --length;
    }

    std::memcpy(buffer, utf8, length);
    buffer[length] = '\0';
}

juce::String read(const char* text, std::size_t maxLength)
{
    if (text == nullptr)
        return {};

    return Utf8::toValidText(text, maxLength);
}
} // namespace HostText
