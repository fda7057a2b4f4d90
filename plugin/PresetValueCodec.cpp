#include "PresetValueCodec.h"

#include "NumberText.h"
#include "ParameterId.h"

#include <cmath>

namespace PresetValueCodec
{
namespace
{
constexpr float numRateSyncSteps = 18.0f;

// Whole numbers as the framework writes a double with zero decimals (2.0 as "2").
juce::String wholeNumber(float value)
{
    return juce::String((double)value, 0);
}
} // namespace

const char* typeName(int parameterIndex) noexcept
{
    return ParameterTable::isSwitch(parameterIndex) ? "boolean" : "number";
}

juce::String encode(int parameterIndex, float value)
{
    if (ParameterTable::isSwitch(parameterIndex))
        return value > 0.0f ? "true" : "false";

    if (parameterIndex == kPhaserType)
        return wholeNumber(std::ceil(2.0f * value));

    if (parameterIndex == kRateSync)
        return wholeNumber(std::ceil(numRateSyncSteps * value));

    return NumberText::fixed(value, 5);
}

float decode(int parameterIndex, const juce::String& text)
{
    if (ParameterTable::isSwitch(parameterIndex))
        return text.trim() == "true" ? 1.0f : 0.0f;

    const float number = text.getFloatValue();

    if (parameterIndex == kPhaserType)
        return number * 0.5f;

    if (parameterIndex == kRateSync)
        return number / numRateSyncSteps;

    return number;
}

std::unique_ptr<juce::XmlElement> createValueElement(int parameterIndex, float value)
{
    auto element = std::make_unique<juce::XmlElement>("Value");
    element->setAttribute("property", ParameterTable::keys[(size_t)parameterIndex]);
    element->setAttribute("type", typeName(parameterIndex));
    element->addTextElement(encode(parameterIndex, value));
    return element;
}
} // namespace PresetValueCodec
