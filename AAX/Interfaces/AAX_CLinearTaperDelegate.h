#pragma once

#include "AAX_ITaperDelegate.h"
#include "AAX_NarrowReal.h"

#include <cstdint>
#include <type_traits>

// A straight line from the minimum (normalized 0) to the maximum (normalized 1). The arithmetic
// is done in double from the bounds; real values are limited to the bounds.
template <typename T, int32_t RealPrecision = 0>
class AAX_CLinearTaperDelegate final : public AAX_ITaperDelegate<T>
{
    static_assert(std::is_floating_point_v<T>, "the linear taper maps floating-point values");
    static_assert(RealPrecision == 0, "only the unquantised line is provided");

public:
    explicit AAX_CLinearTaperDelegate(T minValue = 0, T maxValue = 1)
        : mMinValue(minValue), mMaxValue(maxValue)
    {
    }

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate(*this); }

    T GetMaximumValue() const override { return mMaxValue; }
    T GetMinimumValue() const override { return mMinValue; }

    // A NaN comes back unchanged.
    T ConstrainRealValue(T value) const override
    {
        if (value > mMaxValue)
            return mMaxValue;
        if (value < mMinValue)
            return mMinValue;
        return value;
    }

    T NormalizedToReal(double normalizedValue) const override
    {
        const double real =
            (static_cast<double>(mMaxValue) - static_cast<double>(mMinValue)) * normalizedValue +
            static_cast<double>(mMinValue);
        return ConstrainRealValue(AAX_NarrowReal<T>(real));
    }

    double RealToNormalized(T realValue) const override
    {
        const double span = static_cast<double>(mMaxValue) - static_cast<double>(mMinValue);
        if (span == 0.0)
            return 0.0; // a range of one value sits at the bottom
        const T constrained = this->ConstrainRealValue(realValue);
        return (static_cast<double>(constrained) - static_cast<double>(mMinValue)) / span;
    }

private:
    T mMinValue;
    T mMaxValue;
};
