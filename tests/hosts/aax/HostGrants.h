#pragma once

#include "ACF/acfbasetypes.h"

#include <vector>

namespace aaxhost
{
// Which interfaces and component classes the test host gives. Everything is granted until a
// test withholds it; the choice applies to every host object, including those made later.
class HostGrants final
{
public:
    void withhold(const acfUID& identifier);
    void grant(const acfUID& identifier);
    bool isGranted(const acfUID& identifier) const;

private:
    std::vector<acfUID> withheld;
};
} // namespace aaxhost
