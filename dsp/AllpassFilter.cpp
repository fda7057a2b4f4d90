#include "AllpassFilter.h"

#include "AllpassStep.h"

AllpassFilter::AllpassFilter()
    : gainCoeff(0.0f), x1Left(0.0), x1Right(0.0), y1Left(0.0), y1Right(0.0)
{
}

void AllpassFilter::setGainCoeff(float g)
{
    gainCoeff = g;
}

void AllpassFilter::resetCoeffs()
{
    gainCoeff = 0.0f;
}

void AllpassFilter::resetBuffer()
{
    x1Left = 0.0;
    x1Right = 0.0;
    y1Left = 0.0;
    y1Right = 0.0;
}

void AllpassFilter::process(double& x)
{
    x = allpassStep(x, static_cast<double>(gainCoeff), x1Left, y1Left);
}

void AllpassFilter::process(double& left, double& right)
{
    const double g = gainCoeff;
    left = allpassStep(left, g, x1Left, y1Left);
    right = allpassStep(right, g, x1Right, y1Right);
}
