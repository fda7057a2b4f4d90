#pragma once

#include "AAX.h"

// The host's assertion and trace services as the plug-in uses them.
class AAX_IHostServices
{
public:
    virtual ~AAX_IHostServices() = default;

    virtual AAX_Result Assert(const char* file, int32_t line, const char* note) = 0;
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;
    virtual AAX_Result StackTrace(int32_t tracePriority, int32_t stackTracePriority,
                                  const char* message) = 0;
};
