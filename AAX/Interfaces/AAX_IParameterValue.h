#pragma once

#include "AAX.h"

class AAX_IString;

// A parameter's identifier and value at one moment. Only the getter of the value's own type
// answers; the others return false and write nothing.
class AAX_IParameterValue
{
public:
    virtual ~AAX_IParameterValue() = default;

    // A new copy, owned by the caller.
    virtual AAX_IParameterValue* Clone() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    virtual bool GetValueAsBool(bool* value) const = 0;
    virtual bool GetValueAsInt32(int32_t* value) const = 0;
    virtual bool GetValueAsFloat(float* value) const = 0;
    virtual bool GetValueAsDouble(double* value) const = 0;
    virtual bool GetValueAsString(AAX_IString* value) const = 0;

protected:
    AAX_IParameterValue() = default;
    AAX_IParameterValue(const AAX_IParameterValue&) = default;
    AAX_IParameterValue& operator=(const AAX_IParameterValue&) = default;
};
