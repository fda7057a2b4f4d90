#pragma once

#include <juce_core/juce_core.h>

#include <memory>

// Parses state and preset XML without exposing the framework's recursive parser to hostile
// text. The documents this plug-in writes are five elements deep; anything nested deeper, any
// DOCTYPE (its entities expand recursively), and any construct whose reading could make the
// parser and this check disagree on the nesting is refused before the parser sees it.
namespace GuardedXml
{
inline constexpr int maxDepth = 5;

// Preset files are a few hundred bytes; larger files are not read at all.
inline constexpr juce::int64 maxFileSize = 1 << 20;

// True when `text` is a single element that is at most `depth` elements deep, written in the
// plain XML subset that the framework's parser reads exactly as this check does.
bool isAcceptable(const juce::String& text, int depth = maxDepth);

// The parsed document, or nullptr when the text is not acceptable or does not parse. The text
// is first made valid UTF-8 (see Utf8::toValidText).
std::unique_ptr<juce::XmlElement> parse(const juce::String& text);

// A preset file read as UTF-8 text and parsed as above; nullptr when missing, too large or bad,
// and for anything but a regular file (see PresetFiles::readRegularFile), which is not read.
std::unique_ptr<juce::XmlElement> parse(const juce::File& file);
} // namespace GuardedXml
