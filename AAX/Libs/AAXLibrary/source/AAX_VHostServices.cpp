#include "AAX_VHostServices.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "ACF/IACFComponentFactory.h"
#include "ACF/acfuids.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host)
{
    if (host == nullptr)
        return;

    ACFPtr<IACFComponentFactory> factory;
    if (host->QueryInterface(IID_IACFComponentFactory, factory.AsOutParameter()) != 0 || !factory)
        return;

    factory->CreateComponent(AAXCompID_HostServices, nullptr, IID_IAAXHostServicesV1,
                             mIACFHostServices.AsOutParameter());
    factory->CreateComponent(AAXCompID_HostServices, nullptr, IID_IAAXHostServicesV2,
                             mIACFHostServicesV2.AsOutParameter());
}

AAX_Result AAX_VHostServices::Assert(const char* file, int32_t line, const char* note)
{
    if (!mIACFHostServices)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFHostServices->Assert(file, line, note);
}

AAX_Result AAX_VHostServices::Trace(int32_t priority, const char* message)
{
    if (!mIACFHostServices)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFHostServices->Trace(priority, message);
}

AAX_Result AAX_VHostServices::StackTrace(int32_t tracePriority, int32_t stackTracePriority,
                                         const char* message)
{
    if (!mIACFHostServicesV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIACFHostServicesV2->StackTrace(tracePriority, stackTracePriority, message);
}
