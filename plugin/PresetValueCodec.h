#pragma once

#include <juce_core/juce_core.h>

// How one parameter value is written as the text of a "Value" element and read back.
namespace PresetValueCodec
{
// "boolean" for the on/off parameters, "number" for the others.
const char* typeName(int parameterIndex) noexcept;

// The step a value of a stepped parameter plays, as the audio path picks it: the model (0 to 2)
// for phaserType, the note value (0 to 18) for rateSync.
int playedStep(int parameterIndex, float value);

// "true"/"false" for the on/off parameters; the step that plays, as a whole number, for
// phaserType and rateSync; five decimals for the others.
juce::String encode(int parameterIndex, float value);

// The inverse of encode, up to its quantisation. The result is not yet checked for range.
float decode(int parameterIndex, const juce::String& text);

// A "Value" element for the parameter, with its "property" and "type" attributes.
std::unique_ptr<juce::XmlElement> createValueElement(int parameterIndex, float value);
} // namespace PresetValueCodec
