#pragma once

#include "AAX_VPropertyMap.h"

// The host's map behind a property map that a proxy made, to hand to the host: null for no
// map (or a proxy without a host map). False for a map of another kind, which has none.
inline bool AAX_GetHostPropertyMap(AAX_IPropertyMap* properties, IACFUnknown** outHostMap)
{
    *outHostMap = nullptr;
    if (properties == nullptr)
        return true;
    const auto* map = dynamic_cast<const AAX_VPropertyMap*>(properties);
    if (map == nullptr)
        return false;
    *outHostMap = map->GetIUnknown();
    return true;
}
