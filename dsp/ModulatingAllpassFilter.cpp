#include "ModulatingAllpassFilter.h"

#include "AllpassStep.h"

ModulatingAllpassFilter::ModulatingAllpassFilter()
    : x1Left(0.0), x1Right(0.0), y1Left(0.0), y1Right(0.0)
{
}

void ModulatingAllpassFilter::resetBuffer()
{
    x1Left = 0.0;
    x1Right = 0.0;
    y1Left = 0.0;
    y1Right = 0.0;
}

void ModulatingAllpassFilter::process(double& x, float g)
{
    x = allpassStep(x, static_cast<double>(g), x1Left, y1Left);
}

void ModulatingAllpassFilter::process(double& left, double& right, float gLeft, float gRight)
{
    left = allpassStep(left, static_cast<double>(gLeft), x1Left, y1Left);
    right = allpassStep(right, static_cast<double>(gRight), x1Right, y1Right);
}
