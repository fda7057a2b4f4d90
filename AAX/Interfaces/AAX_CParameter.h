#pragma once

#include "AAX_CParameterValue.h"
#include "AAX_CString.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_ITaperDelegate.h"

#include <cmath>
#include <iterator>
#include <map>
#include <memory>
#include <type_traits>

// A parameter whose real value has type T (float or bool), with its own copies of a taper and
// a display delegate. Changes the plug-in makes travel the request road: with an automation
// delegate they are sent to the host as touch, set-value request and release, and stored only
// when the host answers through UpdateNormalizedValue; without one they are stored at once.
// A NaN position is never requested or stored.
template <typename T> class AAX_CParameter final : public AAX_IParameter
{
public:
    AAX_CParameter(AAX_CParamID identifier, const AAX_IString& name, T defaultValue,
                   const AAX_ITaperDelegate<T>& taperDelegate,
                   const AAX_IDisplayDelegate<T>& displayDelegate, bool automatable);
    ~AAX_CParameter() override;

    AAX_CParameter(const AAX_CParameter&) = delete;
    AAX_CParameter& operator=(const AAX_CParameter&) = delete;

    AAX_IParameterValue* CloneValue() const override { return mValue.Clone(); }
    AAX_CParamID Identifier() const override { return mValue.Identifier(); }
    void SetName(const AAX_CString& name) override { mName = name; }
    const AAX_CString& Name() const override { return mName; }
    void AddShortenedName(const AAX_CString& name) override;
    const AAX_CString& ShortenedName(int32_t maxNumChars) const override;
    void ClearShortenedNames() override { mShortenedNames.clear(); }
    bool Automatable() const override { return mAutomatable; }
    void SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate) override;
    void Touch() override;
    void Release() override;

    void SetNormalizedValue(double normalizedValue) override;
    double GetNormalizedValue() const override;
    void SetNormalizedDefaultValue(double normalizedDefault) override;
    double GetNormalizedDefaultValue() const override;
    void SetToDefaultValue() override;
    void SetValue(T value);

    void SetNumberOfSteps(uint32_t numSteps) override;
    uint32_t GetNumberOfSteps() const override { return mNumSteps; }
    uint32_t GetStepValue() const override;
    double GetNormalizedValueFromStep(uint32_t step) const override;
    uint32_t GetStepValueFromNormalizedValue(double normalizedValue) const override;
    void SetStepValue(uint32_t step) override;

    bool GetValueString(AAX_CString* valueString) const override;
    bool GetValueString(int32_t maxNumChars, AAX_CString* valueString) const override;

    bool GetNormalizedValueFromBool(bool value, double* normalizedValue) const override;
    bool GetNormalizedValueFromInt32(int32_t value, double* normalizedValue) const override;
    bool GetNormalizedValueFromFloat(float value, double* normalizedValue) const override;
    bool GetNormalizedValueFromDouble(double value, double* normalizedValue) const override;
    bool GetNormalizedValueFromString(const AAX_CString& valueString,
                                      double* normalizedValue) const override;
    bool GetBoolFromNormalizedValue(double normalizedValue, bool* value) const override;
    bool GetInt32FromNormalizedValue(double normalizedValue, int32_t* value) const override;
    bool GetFloatFromNormalizedValue(double normalizedValue, float* value) const override;
    bool GetDoubleFromNormalizedValue(double normalizedValue, double* value) const override;
    bool GetStringFromNormalizedValue(double normalizedValue,
                                      AAX_CString& valueString) const override;
    bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxNumChars,
                                      AAX_CString& valueString) const override;
    bool SetValueFromString(const AAX_CString& valueString) override;

    bool GetValueAsBool(bool* value) const override { return mValue.GetValueAsBool(value); }
    bool GetValueAsInt32(int32_t* value) const override { return mValue.GetValueAsInt32(value); }
    bool GetValueAsFloat(float* value) const override { return mValue.GetValueAsFloat(value); }
    bool GetValueAsDouble(double* value) const override { return mValue.GetValueAsDouble(value); }
    bool GetValueAsString(AAX_IString* value) const override;
    bool SetValueWithBool(bool value) override { return SetWith(value); }
    bool SetValueWithInt32(int32_t value) override { return SetWith(value); }
    bool SetValueWithFloat(float value) override { return SetWith(value); }
    bool SetValueWithDouble(double value) override { return SetWith(value); }
    bool SetValueWithString(const AAX_IString& value) override;

    void SetType(AAX_EParameterType type) override { mType = type; }
    AAX_EParameterType GetType() const override { return mType; }
    void SetOrientation(AAX_EParameterOrientation orientation) override
    {
        mOrientation = orientation;
    }
    AAX_EParameterOrientation GetOrientation() const override { return mOrientation; }

    void SetTaperDelegate(AAX_ITaperDelegateBase& taperDelegate, bool preserveValue) override;
    void SetDisplayDelegate(AAX_IDisplayDelegateBase& displayDelegate) override;

    void UpdateNormalizedValue(double newNormalizedValue) override;

private:
    static bool IsNaN(T value)
    {
        if constexpr (std::is_floating_point_v<T>)
            return std::isnan(value);
        else
            return false;
    }

    bool InRange(T value) const
    {
        return value <= mTaperDelegate->GetMaximumValue() &&
               value >= mTaperDelegate->GetMinimumValue();
    }

    void RequestNormalizedValue(double normalizedValue);

    template <typename U> bool NormalizedFrom(U value, double* normalizedValue) const;
    template <typename U> bool RealFrom(double normalizedValue, U* value) const;
    template <typename U> bool SetWith(U value);

    AAX_CString mName;
    std::map<uint32_t, AAX_CString> mShortenedNames;
    bool mAutomatable;
    uint32_t mNumSteps = 0;
    AAX_EParameterType mType = AAX_eParameterType_Continuous;
    AAX_EParameterOrientation mOrientation = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplayDelegate;
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    bool mNeedNotify = true;
    AAX_CParameterValue<T> mValue;
    T mDefaultValue;
};

extern template class AAX_CParameter<float>;
extern template class AAX_CParameter<bool>;

// ---------------------------------------------------------------------------------------------

template <typename T>
AAX_CParameter<T>::AAX_CParameter(AAX_CParamID identifier, const AAX_IString& name, T defaultValue,
                                  const AAX_ITaperDelegate<T>& taperDelegate,
                                  const AAX_IDisplayDelegate<T>& displayDelegate, bool automatable)
    : mName(name), mAutomatable(automatable), mTaperDelegate(taperDelegate.Clone()),
      mDisplayDelegate(displayDelegate.Clone()), mValue(identifier, T()),
      mDefaultValue(defaultValue)
{
    if (mNumSteps == 0)
        SetNumberOfSteps(mType == AAX_eParameterType_Continuous ? 128u : 2u);

    // A default without a position would reach the host as NaN: the bottom of the range serves.
    if (std::isnan(mTaperDelegate->RealToNormalized(mDefaultValue)))
        mDefaultValue = mTaperDelegate->NormalizedToReal(0.0);

    SetToDefaultValue();
}

template <typename T> AAX_CParameter<T>::~AAX_CParameter()
{
    if (mAutomationDelegate != nullptr)
    {
        mAutomationDelegate->UnregisterParameter(Identifier());
        mAutomationDelegate = nullptr;
    }
    mTaperDelegate.reset();
    mDisplayDelegate.reset();
}

template <typename T> void AAX_CParameter<T>::AddShortenedName(const AAX_CString& name)
{
    mShortenedNames[name.Length()] = name;
}

template <typename T> const AAX_CString& AAX_CParameter<T>::ShortenedName(int32_t maxNumChars) const
{
    if (maxNumChars < 0 || mName.Length() <= static_cast<uint32_t>(maxNumChars) ||
        mShortenedNames.empty())
        return mName;

    // The longest that fits, or the shortest when none does.
    auto fitting = mShortenedNames.upper_bound(static_cast<uint32_t>(maxNumChars));
    if (fitting == mShortenedNames.begin())
        return fitting->second;
    return std::prev(fitting)->second;
}

template <typename T>
void AAX_CParameter<T>::SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate)
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->UnregisterParameter(Identifier());
    mAutomationDelegate = automationDelegate;
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->RegisterParameter(Identifier());
}

template <typename T> void AAX_CParameter<T>::Touch()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostTouchRequest(Identifier());
}

template <typename T> void AAX_CParameter<T>::Release()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostReleaseRequest(Identifier());
}

template <typename T> void AAX_CParameter<T>::RequestNormalizedValue(double normalizedValue)
{
    if (std::isnan(normalizedValue))
        return;

    if (mAutomationDelegate != nullptr)
    {
        Touch();
        mAutomationDelegate->PostSetValueRequest(Identifier(), normalizedValue);
        Release();
    }
    else
    {
        mNeedNotify = true;
        UpdateNormalizedValue(normalizedValue);
    }
}

template <typename T> void AAX_CParameter<T>::SetNormalizedValue(double normalizedValue)
{
    RequestNormalizedValue(
        mTaperDelegate->RealToNormalized(mTaperDelegate->NormalizedToReal(normalizedValue)));
}

template <typename T> double AAX_CParameter<T>::GetNormalizedValue() const
{
    return mTaperDelegate->RealToNormalized(mValue.Get());
}

template <typename T> void AAX_CParameter<T>::SetNormalizedDefaultValue(double normalizedDefault)
{
    const T newDefault =
        mTaperDelegate->ConstrainRealValue(mTaperDelegate->NormalizedToReal(normalizedDefault));
    if (!std::isnan(normalizedDefault) && !IsNaN(newDefault))
        mDefaultValue = newDefault;
}

template <typename T> double AAX_CParameter<T>::GetNormalizedDefaultValue() const
{
    return mTaperDelegate->RealToNormalized(mDefaultValue);
}

template <typename T> void AAX_CParameter<T>::SetToDefaultValue()
{
    RequestNormalizedValue(mTaperDelegate->RealToNormalized(mDefaultValue));
}

template <typename T> void AAX_CParameter<T>::SetValue(T value)
{
    RequestNormalizedValue(mTaperDelegate->RealToNormalized(value));
}

template <typename T> void AAX_CParameter<T>::SetNumberOfSteps(uint32_t numSteps)
{
    if (numSteps != 0)
        mNumSteps = numSteps;
}

template <typename T> uint32_t AAX_CParameter<T>::GetStepValue() const
{
    return GetStepValueFromNormalizedValue(GetNormalizedValue());
}

template <typename T> double AAX_CParameter<T>::GetNormalizedValueFromStep(uint32_t step) const
{
    const uint32_t numSteps = GetNumberOfSteps();
    if (numSteps < 2)
        return 0.0;

    const double position = step * (1.0 / (numSteps - 1.0));
    if (position < 0.0)
        return 0.0;
    if (position > 1.0)
        return 1.0;
    return position;
}

template <typename T>
uint32_t AAX_CParameter<T>::GetStepValueFromNormalizedValue(double normalizedValue) const
{
    const uint32_t numSteps = GetNumberOfSteps();
    if (numSteps < 2 || std::isnan(normalizedValue))
        return 0;

    const double lastStep = numSteps - 1.0;
    const double step = normalizedValue / (1.0 / lastStep) + 0.5;
    if (step < 0.0)
        return 0;
    if (step > lastStep)
        return static_cast<uint32_t>(lastStep);
    return static_cast<uint32_t>(step);
}

template <typename T> void AAX_CParameter<T>::SetStepValue(uint32_t step)
{
    if (GetNumberOfSteps() >= 2)
        SetNormalizedValue(GetNormalizedValueFromStep(step));
}

template <typename T> bool AAX_CParameter<T>::GetValueString(AAX_CString* valueString) const
{
    return mDisplayDelegate->ValueToString(mValue.Get(), valueString);
}

template <typename T>
bool AAX_CParameter<T>::GetValueString(int32_t maxNumChars, AAX_CString* valueString) const
{
    return mDisplayDelegate->ValueToString(mValue.Get(), maxNumChars, valueString);
}

template <typename T>
template <typename U>
bool AAX_CParameter<T>::NormalizedFrom(U value, double* normalizedValue) const
{
    if constexpr (std::is_same_v<U, T>)
    {
        if (normalizedValue == nullptr)
            return false;
        *normalizedValue = mTaperDelegate->RealToNormalized(value);
        return true;
    }
    else
    {
        (void)value;
        (void)normalizedValue;
        return false;
    }
}

template <typename T>
template <typename U>
bool AAX_CParameter<T>::RealFrom(double normalizedValue, U* value) const
{
    if constexpr (std::is_same_v<U, T>)
    {
        if (value == nullptr)
            return false;
        *value = mTaperDelegate->NormalizedToReal(normalizedValue);
        return true;
    }
    else
    {
        (void)normalizedValue;
        (void)value;
        return false;
    }
}

template <typename T> template <typename U> bool AAX_CParameter<T>::SetWith(U value)
{
    if constexpr (std::is_same_v<U, T>)
    {
        SetValue(value);
        return true;
    }
    else
    {
        (void)value;
        return false;
    }
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromBool(bool value, double* normalizedValue) const
{
    return NormalizedFrom(value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromInt32(int32_t value, double* normalizedValue) const
{
    return NormalizedFrom(value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromFloat(float value, double* normalizedValue) const
{
    return NormalizedFrom(value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromDouble(double value, double* normalizedValue) const
{
    return NormalizedFrom(value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetBoolFromNormalizedValue(double normalizedValue, bool* value) const
{
    return RealFrom(normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetInt32FromNormalizedValue(double normalizedValue, int32_t* value) const
{
    return RealFrom(normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetFloatFromNormalizedValue(double normalizedValue, float* value) const
{
    return RealFrom(normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetDoubleFromNormalizedValue(double normalizedValue, double* value) const
{
    return RealFrom(normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromString(const AAX_CString& valueString,
                                                     double* normalizedValue) const
{
    T real = T();
    if (normalizedValue == nullptr || !mDisplayDelegate->StringToValue(valueString, &real))
        return false;

    *normalizedValue = mTaperDelegate->RealToNormalized(real);
    return InRange(real);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue(double normalizedValue,
                                                     AAX_CString& valueString) const
{
    const T real = mTaperDelegate->NormalizedToReal(normalizedValue);
    if (!mDisplayDelegate->ValueToString(real, &valueString))
        return false;
    return InRange(real);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue(double normalizedValue, int32_t maxNumChars,
                                                     AAX_CString& valueString) const
{
    const T real = mTaperDelegate->NormalizedToReal(normalizedValue);
    if (!mDisplayDelegate->ValueToString(real, maxNumChars, &valueString))
        return false;
    return InRange(real);
}

template <typename T> bool AAX_CParameter<T>::SetValueFromString(const AAX_CString& valueString)
{
    T real = T();
    if (!mDisplayDelegate->StringToValue(valueString, &real))
        return false;

    RequestNormalizedValue(mTaperDelegate->RealToNormalized(real));
    return true;
}

template <typename T> bool AAX_CParameter<T>::SetValueWithString(const AAX_IString& value)
{
    return SetValueFromString(AAX_CString(value));
}

template <typename T> bool AAX_CParameter<T>::GetValueAsString(AAX_IString* value) const
{
    if (value == nullptr)
        return false;

    AAX_CString text;
    const bool formatted = GetValueString(&text);
    if (formatted)
        *value = text;
    return formatted;
}

template <typename T>
void AAX_CParameter<T>::SetTaperDelegate(AAX_ITaperDelegateBase& taperDelegate, bool preserveValue)
{
    const auto* typed = dynamic_cast<const AAX_ITaperDelegate<T>*>(&taperDelegate);
    if (typed == nullptr)
        return;
    std::unique_ptr<AAX_ITaperDelegate<T>> clone(typed->Clone());
    if (clone == nullptr)
        return;

    const double previousPosition = GetNormalizedValue();
    mTaperDelegate = std::move(clone);
    mNeedNotify = true;

    if (preserveValue)
        RequestNormalizedValue(mTaperDelegate->RealToNormalized(mValue.Get()));
    else
        UpdateNormalizedValue(previousPosition);
}

template <typename T>
void AAX_CParameter<T>::SetDisplayDelegate(AAX_IDisplayDelegateBase& displayDelegate)
{
    const auto* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*>(&displayDelegate);
    if (typed == nullptr)
        return;
    std::unique_ptr<AAX_IDisplayDelegate<T>> clone(typed->Clone());
    if (clone == nullptr)
        return;

    mDisplayDelegate = std::move(clone);
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue(Identifier(), GetNormalizedValue());
}

template <typename T> void AAX_CParameter<T>::UpdateNormalizedValue(double newNormalizedValue)
{
    if (std::isnan(newNormalizedValue))
        return;

    const T real = mTaperDelegate->NormalizedToReal(newNormalizedValue);
    if (IsNaN(real))
        return;
    // For float an ordered comparison; for bool the two truth values.
    if (!mNeedNotify && real == mValue.Get())
        return;

    mValue.Set(real);
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue(Identifier(), newNormalizedValue);
    mNeedNotify = false;
}
