#include "AAX_VHostServices.h"

#include "AAX_Errors.h"
#include "AAX_HostComponentFactory.h"
#include "AAX_UIDs.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host)
{
    const ACFPtr<IACFComponentFactory> factory = AAX_GetHostComponentFactory(host);
    if (!factory)
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
