#pragma once

#include "AAX.h"
#include "ACF/acfresult.h"

// Runs the body of an operation the host calls and turns any exception that would leave it
// (the allocator running out of memory, say) into ACF_E_UNEXPECTED, so none reaches the host.
template <typename Body> AAX_Result AAX_GuardedCall(Body&& body) noexcept
{
    try
    {
        return body();
    }
    catch (...)
    {
        return ACF_E_UNEXPECTED;
    }
}
