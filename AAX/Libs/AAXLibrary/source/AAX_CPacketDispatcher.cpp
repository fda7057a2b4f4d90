#include "AAX_CPacketDispatcher.h"

#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"
#include "ACF/acfresult.h"

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    const AAX_StLock_Guard guard(mLockGuard);
    mPacketsHandlers.clear();
    mPacketsHolder.clear();
}

void AAX_CPacketDispatcher::Initialize(AAX_IController* controller,
                                       AAX_IEffectParameters* effectParameters)
{
    const AAX_StLock_Guard guard(mLockGuard);
    mController = controller;
    mEffectParameters = effectParameters;

    // A host that gives a new controller (a second initialisation) has none of the packets yet.
    if (mController != nullptr)
        for (auto& port : mPacketsHolder)
            port.second->SetDirty(true);
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket(AAX_CParamID identifier, int32_t portID,
                                                 const AAX_IPacketHandler* handler)
{
    if (identifier == nullptr || handler == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const AAX_StLock_Guard guard(mLockGuard);
    AAX_CPacket* packet = nullptr;
    if (portID >= 0)
    {
        auto& held = mPacketsHolder[portID];
        if (held == nullptr)
            held = std::make_unique<AAX_CPacket>(portID);
        packet = held.get();
    }

    std::unique_ptr<AAX_IPacketHandler> clone(handler->Clone());
    mPacketsHandlers.emplace(identifier, Registration(packet, std::move(clone)));
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::SetDirty(AAX_CParamID identifier, bool dirty)
{
    if (identifier == nullptr)
        return AAX_SUCCESS;

    const AAX_StLock_Guard guard(mLockGuard);
    const auto registrations = mPacketsHandlers.equal_range(identifier);
    for (auto registration = registrations.first; registration != registrations.second;
         ++registration)
    {
        if (AAX_CPacket* packet = registration->second.first)
            packet->SetDirty(dirty);
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    const AAX_StLock_Guard guard(mLockGuard);
    AAX_Result result = AAX_SUCCESS;
    if (mController == nullptr)
    {
        // Nothing to post to: the packets stay dirty for a controller to come.
        for (const auto& port : mPacketsHolder)
            if (port.second->IsDirty())
                result = AAX_ERROR_NULL_OBJECT;
        return result;
    }

    for (auto& [identifier, registration] : mPacketsHandlers)
    {
        AAX_CPacket* const packet = registration.first;
        if (packet == nullptr || !packet->IsDirty())
            continue;

        // A handler that fails leaves its packet unposted; the packet is clean either way, so it
        // goes out again only after its parameter changes.
        try
        {
            if (registration.second->Call(identifier.c_str(), *packet) == AAX_SUCCESS)
                result = Post(*packet);
        }
        catch (...)
        {
            result = ACF_E_UNEXPECTED;
        }
        packet->SetDirty(false);
    }
    return result;
}

AAX_Result AAX_CPacketDispatcher::Post(AAX_CPacket& packet)
{
    // A handler that gave no payload has nothing to post.
    if (packet.GetSize() == 0)
        return AAX_ERROR_NULL_OBJECT;
    return mController->PostPacket(packet.GetID(), packet.GetData(), packet.GetSize());
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket(AAX_CParamID identifier,
                                                            AAX_CPacket& packet)
{
    AAX_IParameter* parameter = nullptr;
    if (mEffectParameters == nullptr ||
        mEffectParameters->GetParameter(identifier, &parameter) != AAX_SUCCESS ||
        parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;
    if (parameter->GetValueAsBool(&boolValue))
        packet.SetValue<int32_t>(boolValue ? 1 : 0);
    else if (parameter->GetValueAsFloat(&floatValue))
        packet.SetValue(floatValue);
    else if (parameter->GetValueAsInt32(&intValue))
        packet.SetValue(intValue);
    else if (parameter->GetValueAsDouble(&doubleValue))
        packet.SetValue(doubleValue);
    else
        return AAX_ERROR_NULL_OBJECT;
    return AAX_SUCCESS;
}
