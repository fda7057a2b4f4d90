#include "PlayedSteps.h"

#include "StompixZR7714AudioProcessor.h"
#include "TempoDivision.h"
#include "VelmorModDelaySyncKnob.h"

namespace PlayedSteps
{

double knobValue(float value)
{
    return value > 0.0f ? (value < 1.0f ? (double)value : 1.0) : 0.0;
}

double typeSwitchValue(float phaserType)
{
    // Within 0..1 every value selects a model.
    return 0.5 * (double)StompixZR7714AudioProcessor::modelNumberFor((float)knobValue(phaserType));
}

double tempoKnobValue(float rateSync)
{
    return (double)TempoDivision::stepFor((float)knobValue(rateSync)) *
           VelmorModDelaySyncKnob::interval;
}

bool showsTempoKnob(float sync)
{
    return sync > 0.0f;
}

} // namespace PlayedSteps
