#pragma once

#include "ACF/acfunknown.h"

#include <atomic>

// Base of every reference-counted object the plug-in hands to the host. The object answers
// queries, AddRef and Release through its outer unknown: its own private unknown unless it is
// aggregated. The reference count starts at 0; the host's first query or AddRef takes it to 1,
// and the last Release runs FinalRelease and then ReclaimMemory, which deletes the object.
class CACFUnknown
{
public:
    CACFUnknown();
    virtual ~CACFUnknown();

    CACFUnknown(const CACFUnknown&) = delete;
    CACFUnknown& operator=(const CACFUnknown&) = delete;

    virtual ACFRESULT InitializeInstance(IACFUnknown* pUnkOuter);
    virtual void FinalRelease();
    virtual void ReclaimMemory();
    virtual ACFRESULT InternalQueryInterface(const acfIID& iid, void** ppOut);
    virtual acfUInt32 InternalAddRef();
    virtual acfUInt32 InternalRelease();

    // Number of CACFUnknown objects alive in the process.
    static acfUInt32 GetActiveObjectCount();

protected:
    // Where the public QueryInterface, AddRef and Release of a derived interface object go.
    IACFUnknown* GetOuterUnknown() const { return m_pUnkOuter; }

private:
    class PrivateUnknown final : public IACFUnknown
    {
    public:
        explicit PrivateUnknown(CACFUnknown& owner) : m_This(&owner) {}
        PrivateUnknown(const PrivateUnknown&) = delete;
        PrivateUnknown& operator=(const PrivateUnknown&) = delete;

        ACFRESULT QueryInterface(const acfIID& iid, void** ppOut) override;
        acfUInt32 AddRef() override;
        acfUInt32 Release() override;

    private:
        CACFUnknown* m_This;
    };

    std::atomic<acfUInt32> m_RefCount{0};
    IACFUnknown* m_pUnkOuter;
    PrivateUnknown m_PrivateUnknown;

    static std::atomic<acfUInt32> m_ActiveObjects;
};
