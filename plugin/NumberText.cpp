#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace NumberText
{
juce::String fixed(float value, int decimals)
{
    static constexpr double scales[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};
    decimals = juce::jlimit(0, 5, decimals);

    if (!std::isfinite(value))
        return juce::String((double)value, decimals);

    // A float has 24 significant bits and 10^5 needs 17, so the product is exact in a double
    // and std::round sees the true half.
    const double rounded = std::round(std::abs((double)value) * scales[decimals]);

    char digitsBuffer[64];
    std::snprintf(digitsBuffer, sizeof(digitsBuffer), "%.0f", rounded);
    std::string text(digitsBuffer);

    if (decimals > 0)
    {
        const auto numDecimals = (size_t)decimals;

        if (text.size() <= numDecimals)
            text.insert(0, numDecimals + 1 - text.size(), '0');

        text.insert(text.size() - numDecimals, 1, '.');
    }

    if (value < 0.0f && rounded != 0.0)
        text.insert(0, 1, '-');

    return juce::String(text);
}
} // namespace NumberText
