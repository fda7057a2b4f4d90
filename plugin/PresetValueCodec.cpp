#include "PresetValueCodec.h"

#include "NumberText.h"
#include "ParameterId.h"
#include "StompixZR7714AudioProcessor.h"
#include "TempoDivision.h"

namespace PresetValueCodec
{
namespace
{
constexpr float numRateSyncSteps = 18.0f;
} // namespace

int playedStep(int parameterIndex, float value)
{
    return parameterIndex == kPhaserType ? StompixZR7714AudioProcessor::modelNumberFor(value)
                                         : TempoDivision::stepFor(value);
}

const char* typeName(int parameterIndex) noexcept
{
    return ParameterTable::isSwitch(parameterIndex) ? "boolean" : "number";
}

juce::String encode(int parameterIndex, float value)
{
    if (ParameterTable::isSwitch(parameterIndex))
        return value > 0.0f ? "true" : "false";

    // Rounding up as ceil(18v) would not do: just above a step's bound (17 x (1/18.0f), say)
    // the product rounds down onto the bound and names the step below the one that plays.
    if (ParameterTable::isStepped(parameterIndex))
        return juce::String(playedStep(parameterIndex, value));

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
