#pragma once

#include "ACF/ACFPtr.h"
#include "ACF/IACFComponentFactory.h"
#include "ACF/acfuids.h"

// The host's component factory, through which the proxies have the host create its components;
// an empty holder when there is no host or it offers no factory.
inline ACFPtr<IACFComponentFactory> AAX_GetHostComponentFactory(IACFUnknown* host)
{
    ACFPtr<IACFComponentFactory> factory;
    if (host != nullptr &&
        host->QueryInterface(IID_IACFComponentFactory, factory.AsOutParameter()) != 0)
        factory.Reset();
    return factory;
}
