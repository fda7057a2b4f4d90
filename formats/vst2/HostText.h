#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>

// Texts to and from a host's fixed-size buffers.
namespace HostText
{
// Writes text as UTF-8 into a buffer of capacity bytes, terminator included: cut at a
// character boundary when it is too long. A null buffer or a capacity of 0 writes nothing.
void write(char* buffer, const juce::String& text, std::size_t capacity);

// Reads a text the host hands in, up to maxLength bytes even when it has no terminator. Every
// text from the host comes through here: what is not valid UTF-8 becomes U+FFFD before the
// framework sees it, whose character walk can step past the end of malformed text.
juce::String read(const char* text, std::size_t maxLength);
} // namespace HostText
