#pragma once

#include "AAX_CString.h"

#include <cstdint>

// Turns a parameter's real value into text, optionally within a number of characters, and
// reads text back into a value.
class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;

protected:
    AAX_IDisplayDelegateBase() = default;
    AAX_IDisplayDelegateBase(const AAX_IDisplayDelegateBase&) = default;
    AAX_IDisplayDelegateBase& operator=(const AAX_IDisplayDelegateBase&) = default;
};

template <typename T> class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    // A new copy, owned by the caller.
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToString(T value, AAX_CString* valueString) const = 0;
    virtual bool ValueToString(T value, int32_t maxNumChars, AAX_CString* valueString) const = 0;
    virtual bool StringToValue(const AAX_CString& valueString, T* value) const = 0;
};
