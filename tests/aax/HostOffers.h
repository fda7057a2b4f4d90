#pragma once

#include "TestHost.h"

#include "ACF/acfuids.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace aaxtest
{
// What the host gives up: interfaces or component classes withheld, or no host at all.
struct HostOffer
{
    const char* description;
    std::vector<acfUID> withheld;
    bool noHost;
};

// A test run once per host offer, on a host that withholds what the offer says.
class ProxiesOn : public ::testing::TestWithParam<HostOffer>
{
protected:
    void SetUp() override
    {
        for (const acfUID& identifier : GetParam().withheld)
            host.grants().withhold(identifier);
    }

    IACFUnknown* hostUnknown() { return GetParam().noHost ? nullptr : host.unknown(); }
    bool grants(const acfUID& identifier) const
    {
        if (GetParam().noHost)
            return false;
        for (const acfUID& withheld : GetParam().withheld)
            if (withheld == identifier)
                return false;
        return true;
    }
    bool factoryMakes(const acfUID& clsid) const
    {
        return grants(IID_IACFComponentFactory) && grants(clsid);
    }

    aaxhost::TestHost host;
};

// The offer's description as a test name.
inline std::string OfferName(const ::testing::TestParamInfo<HostOffer>& info)
{
    std::string name;
    for (const char* c = info.param.description; *c != '\0'; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    return name;
}
} // namespace aaxtest
