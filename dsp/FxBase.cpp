#include "FxBase.h"

FxBase::FxBase() = default;

FxBase::~FxBase() = default;

float FxBase::getParameter(int index) const
{
    if (parameters == nullptr || index < 0 || index >= parameterNum)
        return 0.0f;
    return parameters[static_cast<size_t>(index)];
}

float* FxBase::getAllParameters() const
{
    return parameters.get();
}

int FxBase::getParameterNum() const
{
    return parameterNum;
}

void FxBase::setExpectedSampleFrame(int frames)
{
    expectedSampleFrame = frames;
}

int FxBase::getExpectedSampleFrame() const
{
    return expectedSampleFrame;
}

void FxBase::setBpm(float newBpm)
{
    bpm = newBpm;
}

float FxBase::getBpm() const
{
    return bpm;
}
