#include "VelmorModDelaySyncKnob.h"

#include <iterator>

namespace
{
const char* const divisionTexts[] = {"8/1",  "4/1",   "2/1",   "1/1",  "1/2D", "1/2",  "1/2T",
                                     "1/4D", "1/4",   "1/4T",  "1/8D", "1/8",  "1/8T", "1/16D",
                                     "1/16", "1/16T", "1/32D", "1/32", "1/32T"};
constexpr int lastDivision = (int)std::size(divisionTexts) - 1;
} // namespace

VelmorModDelaySyncKnob::VelmorModDelaySyncKnob(const juce::String& name) : VelmorKnob(name)
{
    setRange(0.0, 1.0, interval);
}

juce::String VelmorModDelaySyncKnob::getTextFromValue(double value)
{
    if (value <= 0.0)
        return divisionTexts[0];
    for (int k = 1; k < lastDivision; ++k)
        if (value <= (double)((float)k / (float)lastDivision))
            return divisionTexts[k];
    return divisionTexts[lastDivision];
}
