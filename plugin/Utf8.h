#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>

// Well-formed UTF-8 as the framework's text functions need it: they walk text by its lead bytes
// and trust them, so bytes from a host, a file or the file system are checked here first.
namespace Utf8
{
// The length (1 to 4) of the well-formed sequence that starts at bytes, or 0 when it is malformed:
// a stray continuation byte, an overlong form, a surrogate, a code point beyond U+10FFFF, or a
// sequence cut short by numBytes.
std::size_t wellFormedLength(const char* bytes, std::size_t numBytes) noexcept;

// True when the zero-terminated text is well-formed throughout.
bool isWellFormed(const char* text) noexcept;

// The bytes (up to the first zero byte) as text, with every malformed sequence replaced by
// U+FFFD. The framework keeps malformed bytes as they are, and its character walk can then step
// past the end of the text; text from a host or a file goes through this first.
juce::String toValidText(const char* bytes, std::size_t numBytes);
} // namespace Utf8
