#pragma once

#include "AAX.h"
#include "ACF/acfunknown.h"

// The host's assertion and trace services, version 1.
class AAX_IACFHostServices : public IACFUnknown
{
public:
    virtual AAX_Result Assert(const char* file, int32_t line, const char* note) = 0;
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

// Version 2 adds a trace with the caller's stack.
class AAX_IACFHostServices_V2 : public AAX_IACFHostServices
{
public:
    virtual AAX_Result StackTrace(int32_t tracePriority, int32_t stackTracePriority,
                                  const char* message) = 0;

protected:
    ~AAX_IACFHostServices_V2() = default;
};
