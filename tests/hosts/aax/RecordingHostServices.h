#pragma once

#include "HostObject.h"

#include "AAX_IACFHostServices.h"

#include <string>
#include <vector>

namespace aaxhost
{
// The host's trace and assertion services (both versions): records every call.
class RecordingHostServices final : public HostObject<AAX_IACFHostServices_V2>
{
public:
    struct TraceLine
    {
        int32_t priority;
        int32_t stackTracePriority; // 0 for a plain trace
        std::string message;
    };

    struct Assertion
    {
        std::string file;
        int32_t line;
        std::string note;
    };

    explicit RecordingHostServices(std::shared_ptr<HostGrants> hostGrants);

    const std::vector<TraceLine>& traces() const { return recordedTraces; }
    const std::vector<TraceLine>& stackTraces() const { return recordedStackTraces; }
    const std::vector<Assertion>& assertions() const { return recordedAssertions; }

    AAX_Result Assert(const char* file, int32_t line, const char* note) override;
    AAX_Result Trace(int32_t priority, const char* message) override;
    AAX_Result StackTrace(int32_t tracePriority, int32_t stackTracePriority,
                          const char* message) override;

private:
    std::vector<TraceLine> recordedTraces;
    std::vector<TraceLine> recordedStackTraces;
    std::vector<Assertion> recordedAssertions;
};
} // namespace aaxhost
