#pragma once

#include "AAX.h"
#include "ACF/acfunknown.h"

// The host's collection, the package the plug-in describes at registration: its effects, its
// maker, its names and version. The first four operations belong to the host; the plug-in does
// not call them.
class AAX_IACFCollection : public IACFUnknown
{
public:
    virtual AAX_Result HostReserved1() = 0;
    virtual AAX_Result HostReserved2() = 0;
    virtual AAX_Result HostReserved3() = 0;
    virtual AAX_Result HostReserved4() = 0;
    virtual AAX_Result AddEffect(const char* effectID, IACFUnknown* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;
    virtual AAX_Result SetProperties(IACFUnknown* properties) = 0;

protected:
    ~AAX_IACFCollection() = default;
};
