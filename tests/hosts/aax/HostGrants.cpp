#include "HostGrants.h"

#include <algorithm>

namespace aaxhost
{
void HostGrants::withhold(const acfUID& identifier)
{
    if (isGranted(identifier))
        withheld.push_back(identifier);
}

void HostGrants::grant(const acfUID& identifier)
{
    withheld.erase(std::remove(withheld.begin(), withheld.end(), identifier), withheld.end());
}

bool HostGrants::isGranted(const acfUID& identifier) const
{
    return std::find(withheld.begin(), withheld.end(), identifier) == withheld.end();
}
} // namespace aaxhost
