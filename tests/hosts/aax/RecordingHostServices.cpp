#include "RecordingHostServices.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
namespace
{
std::string textOf(const char* text)
{
    return text != nullptr ? text : "";
}
} // namespace

RecordingHostServices::RecordingHostServices(std::shared_ptr<HostGrants> hostGrants)
    : HostObject("host services", std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXHostServicesV1, static_cast<AAX_IACFHostServices*>(this));
    offer(IID_IAAXHostServicesV2, static_cast<AAX_IACFHostServices_V2*>(this));
}

AAX_Result RecordingHostServices::Assert(const char* file, int32_t line, const char* note)
{
    recordedAssertions.push_back({textOf(file), line, textOf(note)});
    return 0;
}

AAX_Result RecordingHostServices::Trace(int32_t priority, const char* message)
{
    recordedTraces.push_back({priority, 0, textOf(message)});
    return 0;
}

AAX_Result RecordingHostServices::StackTrace(int32_t tracePriority, int32_t stackTracePriority,
                                             const char* message)
{
    recordedStackTraces.push_back({tracePriority, stackTracePriority, textOf(message)});
    return 0;
}
} // namespace aaxhost
