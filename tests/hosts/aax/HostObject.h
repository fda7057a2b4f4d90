#pragma once

#include "HostGrants.h"

#include "ACF/acfunknown.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace aaxhost
{
// The bookkeeping of one host object: the interfaces it offers, and every AddRef and Release
// the plug-in makes on it. The test host keeps its objects alive whatever their count, so a
// plug-in that releases too often is recorded instead of crashing the test.
class HostObjectBase
{
public:
    virtual ~HostObjectBase() = default;

    HostObjectBase(const HostObjectBase&) = delete;
    HostObjectBase& operator=(const HostObjectBase&) = delete;

    const std::string& name() const { return objectName; }
    uint32_t references() const { return referenceCount; }
    uint32_t addRefCalls() const { return addRefs; }
    uint32_t releaseCalls() const { return releases; }
    // Releases made while the object held no reference.
    uint32_t overReleases() const { return extraReleases; }
    bool balanced() const { return referenceCount == 0 && extraReleases == 0; }
    // Every interface asked for, in order, whether or not it was given.
    const std::vector<acfIID>& queries() const { return askedFor; }

    // Answers a query through the object's offered interfaces (null and an error when the
    // interface is not offered or withheld), adding a reference for the caller.
    ACFRESULT answerQuery(const acfIID& iid, void** out);
    acfUInt32 addReference();
    acfUInt32 releaseReference();

protected:
    HostObjectBase(std::string name, std::shared_ptr<HostGrants> grants);

    const std::shared_ptr<HostGrants>& sharedGrants() const { return grants; }

    // Offers an interface of this object, or of another host object that counts its own
    // references (the host's unknown answers for its automation delegate).
    void offer(const acfIID& iid, void* interfacePointer);
    void offer(const acfIID& iid, void* interfacePointer, HostObjectBase& owner);
    // Answers queries for an interface by asking another object, one of the plug-in's, which
    // counts its own references; null stops answering.
    void forward(const acfIID& iid, IACFUnknown* target);

private:
    struct Forward
    {
        acfIID iid;
        IACFUnknown* target;
    };

    struct Offer
    {
        acfIID iid;
        void* interfacePointer;
        HostObjectBase* owner;
    };

    std::string objectName;
    std::shared_ptr<HostGrants> grants;
    std::vector<Offer> offers;
    std::vector<Forward> forwards;
    std::vector<acfIID> askedFor;
    uint32_t referenceCount = 0;
    uint32_t addRefs = 0;
    uint32_t releases = 0;
    uint32_t extraReleases = 0;
};

// A host object implementing the given ACF interfaces (each may extend an older version).
template <class... Interfaces> class HostObject : public Interfaces..., public HostObjectBase
{
public:
    ACFRESULT QueryInterface(const acfIID& iid, void** out) override
    {
        return answerQuery(iid, out);
    }
    acfUInt32 AddRef() override { return addReference(); }
    acfUInt32 Release() override { return releaseReference(); }

protected:
    using HostObjectBase::HostObjectBase;
};
} // namespace aaxhost
