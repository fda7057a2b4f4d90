#pragma once

#include "AAX_IDisplayDelegate.h"
#include "AAX_NarrowReal.h"

#include <type_traits>

// Shows a value as a number with a fixed count of decimals ("0.500"), cut to a length on
// request, and reads back any text that begins with a number.
template <typename T, uint32_t Precision = 2, uint32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate final : public AAX_IDisplayDelegate<T>
{
    static_assert(std::is_floating_point_v<T>, "the number display shows floating-point values");
    static_assert(SpaceAfter == 0, "only the plain number is provided");

public:
    AAX_CNumberDisplayDelegate* Clone() const override
    {
        return new AAX_CNumberDisplayDelegate(*this);
    }

    bool ValueToString(T value, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;
        valueString->Clear();
        valueString->AppendNumber(static_cast<double>(value), static_cast<int32_t>(Precision));
        return true;
    }

    // The text is cut to maxNumChars; a point left at the end of the cut goes as well.
    bool ValueToString(T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (!ValueToString(value, valueString))
            return false;

        const uint32_t length = maxNumChars < 0 ? 0u : static_cast<uint32_t>(maxNumChars);
        if (valueString->Length() > length)
            valueString->Erase(length, valueString->Length() - length);
        if (length > 0 && valueString->Length() == length && (*valueString)[length - 1] == '.')
            valueString->Erase(length - 1, 1);
        return true;
    }

    bool StringToValue(const AAX_CString& valueString, T* value) const override
    {
        if (value == nullptr)
            return false;

        double number = 0.0;
        const bool read = valueString.ToDouble(&number);
        *value = read ? AAX_NarrowReal<T>(number) : T(0);
        return read;
    }
};
