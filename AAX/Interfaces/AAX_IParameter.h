#pragma once

#include "AAX.h"

class AAX_CString;
class AAX_IString;
class AAX_IAutomationDelegate;
class AAX_IParameterValue;
class AAX_ITaperDelegateBase;
class AAX_IDisplayDelegateBase;

// One host-visible parameter. Values cross as normalized positions (0 to 1), as typed real
// values and as text; every change the plug-in makes goes to the host's automation as a
// request, and only UpdateNormalizedValue, the host's answer, stores a new value. The typed
// members answer only for the parameter's own type and return false for every other type.
class AAX_IParameter
{
public:
    virtual ~AAX_IParameter() = default;

    // A new record of the identifier and current value, owned by the caller.
    virtual AAX_IParameterValue* CloneValue() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    virtual void SetName(const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void AddShortenedName(const AAX_CString& name) = 0;
    virtual const AAX_CString& ShortenedName(int32_t maxNumChars) const = 0;
    virtual void ClearShortenedNames() = 0;
    virtual bool Automatable() const = 0;
    virtual void SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;

    virtual void SetNormalizedValue(double normalizedValue) = 0;
    virtual double GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue(double normalizedDefault) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;

    virtual void SetNumberOfSteps(uint32_t numSteps) = 0;
    virtual uint32_t GetNumberOfSteps() const = 0;
    virtual uint32_t GetStepValue() const = 0;
    virtual double GetNormalizedValueFromStep(uint32_t step) const = 0;
    virtual uint32_t GetStepValueFromNormalizedValue(double normalizedValue) const = 0;
    virtual void SetStepValue(uint32_t step) = 0;

    virtual bool GetValueString(AAX_CString* valueString) const = 0;
    virtual bool GetValueString(int32_t maxNumChars, AAX_CString* valueString) const = 0;

    virtual bool GetNormalizedValueFromBool(bool value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromInt32(int32_t value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromFloat(float value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromDouble(double value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromString(const AAX_CString& valueString,
                                              double* normalizedValue) const = 0;
    virtual bool GetBoolFromNormalizedValue(double normalizedValue, bool* value) const = 0;
    virtual bool GetInt32FromNormalizedValue(double normalizedValue, int32_t* value) const = 0;
    virtual bool GetFloatFromNormalizedValue(double normalizedValue, float* value) const = 0;
    virtual bool GetDoubleFromNormalizedValue(double normalizedValue, double* value) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalizedValue,
                                              AAX_CString& valueString) const = 0;
    virtual bool GetStringFromNormalizedValue(double normalizedValue, int32_t maxNumChars,
                                              AAX_CString& valueString) const = 0;
    virtual bool SetValueFromString(const AAX_CString& valueString) = 0;

    virtual bool GetValueAsBool(bool* value) const = 0;
    virtual bool GetValueAsInt32(int32_t* value) const = 0;
    virtual bool GetValueAsFloat(float* value) const = 0;
    virtual bool GetValueAsDouble(double* value) const = 0;
    virtual bool GetValueAsString(AAX_IString* value) const = 0;
    virtual bool SetValueWithBool(bool value) = 0;
    virtual bool SetValueWithInt32(int32_t value) = 0;
    virtual bool SetValueWithFloat(float value) = 0;
    virtual bool SetValueWithDouble(double value) = 0;
    virtual bool SetValueWithString(const AAX_IString& value) = 0;

    virtual void SetType(AAX_EParameterType type) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetOrientation(AAX_EParameterOrientation orientation) = 0;
    virtual AAX_EParameterOrientation GetOrientation() const = 0;

    // The delegate is cloned; the caller keeps its own.
    virtual void SetTaperDelegate(AAX_ITaperDelegateBase& taperDelegate, bool preserveValue) = 0;
    virtual void SetDisplayDelegate(AAX_IDisplayDelegateBase& displayDelegate) = 0;

    // The host's answer to a request, and the one way a new value is stored.
    virtual void UpdateNormalizedValue(double newNormalizedValue) = 0;
};
