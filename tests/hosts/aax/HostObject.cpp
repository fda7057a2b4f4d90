#include "HostObject.h"

#include "ACF/acfresult.h"

#include <algorithm>
#include <utility>

namespace aaxhost
{
HostObjectBase::HostObjectBase(std::string name, std::shared_ptr<HostGrants> hostGrants)
    : objectName(std::move(name)), grants(std::move(hostGrants))
{
}

void HostObjectBase::offer(const acfIID& iid, void* interfacePointer)
{
    offer(iid, interfacePointer, *this);
}

void HostObjectBase::offer(const acfIID& iid, void* interfacePointer, HostObjectBase& owner)
{
    offers.push_back({iid, interfacePointer, &owner});
}

void HostObjectBase::forward(const acfIID& iid, IACFUnknown* target)
{
    forwards.erase(std::remove_if(forwards.begin(), forwards.end(),
                                  [&](const Forward& entry) { return entry.iid == iid; }),
                   forwards.end());
    if (target != nullptr)
        forwards.push_back({iid, target});
}

ACFRESULT HostObjectBase::answerQuery(const acfIID& iid, void** out)
{
    if (out == nullptr)
        return ACF_E_NULLPOINTER;
    *out = nullptr;
    askedFor.push_back(iid);
    if (!grants->isGranted(iid))
        return ACF_E_NOINTERFACE;

    for (const Offer& offered : offers)
    {
        if (offered.iid == iid)
        {
            *out = offered.interfacePointer;
            offered.owner->addReference();
            return ACF_OK;
        }
    }
    for (const Forward& forwarded : forwards)
    {
        if (forwarded.iid == iid)
            return forwarded.target->QueryInterface(iid, out);
    }
    return ACF_E_NOINTERFACE;
}

acfUInt32 HostObjectBase::addReference()
{
    ++addRefs;
    return ++referenceCount;
}

acfUInt32 HostObjectBase::releaseReference()
{
    ++releases;
    if (referenceCount == 0)
    {
        ++extraReleases;
        return 0;
    }
    return --referenceCount;
}
} // namespace aaxhost
