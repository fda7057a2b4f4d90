#pragma once

#include "AAX_ITaperDelegate.h"

// Two positions: normalized 0 for false, 1 for true; any position above 0 reads as true.
template <typename T> class AAX_CBinaryTaperDelegate final : public AAX_ITaperDelegate<T>
{
public:
    AAX_CBinaryTaperDelegate* Clone() const override { return new AAX_CBinaryTaperDelegate(*this); }

    T GetMaximumValue() const override { return true; }
    T GetMinimumValue() const override { return false; }
    T ConstrainRealValue(T value) const override { return value; }
    // A NaN gives false.
    T NormalizedToReal(double normalizedValue) const override { return normalizedValue > 0.0; }
    double RealToNormalized(T realValue) const override { return realValue ? 1.0 : 0.0; }
};
