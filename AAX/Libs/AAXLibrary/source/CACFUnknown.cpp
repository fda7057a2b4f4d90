#include "ACF/CACFUnknown.h"

#include "ACF/acfresult.h"
#include "ACF/acfuids.h"

std::atomic<acfUInt32> CACFUnknown::m_ActiveObjects{0};

CACFUnknown::CACFUnknown() : m_pUnkOuter(&m_PrivateUnknown), m_PrivateUnknown(*this)
{
    m_ActiveObjects.fetch_add(1);
}

CACFUnknown::~CACFUnknown()
{
    m_ActiveObjects.fetch_sub(1);
}

ACFRESULT CACFUnknown::InitializeInstance(IACFUnknown*)
{
    return ACF_OK;
}

void CACFUnknown::FinalRelease() {}

void CACFUnknown::ReclaimMemory()
{
    delete this;
}

ACFRESULT CACFUnknown::InternalQueryInterface(const acfIID& iid, void** ppOut)
{
    if (ppOut == nullptr)
        return ACF_E_NULLPOINTER;

    *ppOut = nullptr;
    if (iid != IID_IACFUnknown)
        return ACF_E_NOINTERFACE;

    *ppOut = static_cast<IACFUnknown*>(&m_PrivateUnknown);
    m_PrivateUnknown.AddRef();
    return ACF_OK;
}

acfUInt32 CACFUnknown::InternalAddRef()
{
    return m_RefCount.fetch_add(1) + 1;
}

acfUInt32 CACFUnknown::InternalRelease()
{
    // The count is taken from the decrement itself: once the last reference is gone the object
    // may already be deleted, so it must not be read again.
    const acfUInt32 countBefore = m_RefCount.fetch_sub(1);
    if (countBefore == 1)
    {
        FinalRelease();
        ReclaimMemory();
    }
    return countBefore - 1;
}

acfUInt32 CACFUnknown::GetActiveObjectCount()
{
    return m_ActiveObjects.load();
}

ACFRESULT CACFUnknown::PrivateUnknown::QueryInterface(const acfIID& iid, void** ppOut)
{
    return m_This->InternalQueryInterface(iid, ppOut);
}

acfUInt32 CACFUnknown::PrivateUnknown::AddRef()
{
    return m_This->InternalAddRef();
}

acfUInt32 CACFUnknown::PrivateUnknown::Release()
{
    return m_This->InternalRelease();
}
