#pragma once

// Maps between the host's normalized position (0 to 1) and a parameter's real value, and keeps
// real values inside the parameter's range.
class AAX_ITaperDelegateBase
{
public:
    virtual ~AAX_ITaperDelegateBase() = default;

protected:
    AAX_ITaperDelegateBase() = default;
    AAX_ITaperDelegateBase(const AAX_ITaperDelegateBase&) = default;
    AAX_ITaperDelegateBase& operator=(const AAX_ITaperDelegateBase&) = default;
};

template <typename T> class AAX_ITaperDelegate : public AAX_ITaperDelegateBase
{
public:
    // A new copy, owned by the caller.
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T ConstrainRealValue(T value) const = 0;
    virtual T NormalizedToReal(double normalizedValue) const = 0;
    virtual double RealToNormalized(T realValue) const = 0;
};
