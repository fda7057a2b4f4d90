#pragma once

#include "AAX.h"

class IACFUnknown;

// The process's one host-services proxy, present from start-up to shut-down, and the
// formatted trace that goes through it.
class AAX_CHostServices final
{
public:
    AAX_CHostServices() = delete;

    // With a host and no proxy yet, creates the proxy; with null, deletes it. A second start-up
    // keeps the first proxy.
    static void Set(IACFUnknown* host);

    // Formats the message as printf does, cut to 511 characters, and sends it to the host.
    // Without a proxy nothing is formatted and the answer is 0.
    static AAX_Result Trace(AAX_ETracePriorityHost priority, const char* format, ...)
        __attribute__((format(printf, 2, 3)));
};
