#pragma once

#include "AAX_IParameterValue.h"

#include <cstring>
#include <type_traits>

// The value record of a parameter of type T. The identifier holds at most 31 characters;
// a longer one is cut, a null one is empty.
template <typename T> class AAX_CParameterValue final : public AAX_IParameterValue
{
public:
    static constexpr std::size_t maxIdentifierLength = 31;

    AAX_CParameterValue(AAX_CParamID identifier, T value) : mValue(value)
    {
        if (identifier != nullptr)
        {
            const std::size_t length = strnlen(identifier, maxIdentifierLength);
            std::memcpy(mIdentifier, identifier, length);
            mIdentifier[length] = '\0';
        }
    }

    AAX_CParameterValue* Clone() const override { return new AAX_CParameterValue(*this); }
    AAX_CParamID Identifier() const override { return mIdentifier; }

    T Get() const { return mValue; }
    void Set(T value) { mValue = value; }

    bool GetValueAsBool(bool* value) const override { return GetAs(value); }
    bool GetValueAsInt32(int32_t* value) const override { return GetAs(value); }
    bool GetValueAsFloat(float* value) const override { return GetAs(value); }
    bool GetValueAsDouble(double* value) const override { return GetAs(value); }
    bool GetValueAsString(AAX_IString*) const override { return false; }

private:
    template <typename U> bool GetAs(U* out) const
    {
        if constexpr (std::is_same_v<U, T>)
        {
            if (out == nullptr)
                return false;
            *out = mValue;
            return true;
        }
        else
        {
            (void)out;
            return false;
        }
    }

    char mIdentifier[maxIdentifierLength + 1] = {};
    T mValue;
};
