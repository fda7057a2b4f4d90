#pragma once

#include "AAX_IACFHostServices.h"
#include "AAX_IHostServices.h"
#include "ACF/ACFPtr.h"

// Proxy for the host's services, created once through the host's component factory. Assert
// and Trace need version 1 (AAX_ERROR_NULL_OBJECT without it), StackTrace version 2
// (AAX_ERROR_UNIMPLEMENTED without it).
class AAX_VHostServices final : public AAX_IHostServices
{
public:
    explicit AAX_VHostServices(IACFUnknown* host);
    ~AAX_VHostServices() override = default;

    AAX_VHostServices(const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator=(const AAX_VHostServices&) = delete;

    AAX_Result Assert(const char* file, int32_t line, const char* note) override;
    AAX_Result Trace(int32_t priority, const char* message) override;
    AAX_Result StackTrace(int32_t tracePriority, int32_t stackTracePriority,
                          const char* message) override;

private:
    ACFPtr<AAX_IACFHostServices> mIACFHostServices;
    ACFPtr<AAX_IACFHostServices_V2> mIACFHostServicesV2;
};
