#include "AAX_CHostServices.h"

#include "AAX_Errors.h"
#include "AAX_VHostServices.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>

namespace
{
// Deliberately a plain owning pointer, not a static holder: a proxy still present when the
// process exits must not call into a host that has already gone.
std::atomic<AAX_VHostServices*> sHostServices{nullptr};

constexpr std::size_t traceBufferSize = 512;
} // namespace

void AAX_CHostServices::Set(IACFUnknown* host)
{
    if (host != nullptr)
    {
        if (sHostServices.load() == nullptr)
            sHostServices.store(std::make_unique<AAX_VHostServices>(host).release());
    }
    else
    {
        delete sHostServices.exchange(nullptr);
    }
}

AAX_Result AAX_CHostServices::Trace(AAX_ETracePriorityHost priority, const char* format, ...)
{
    AAX_VHostServices* const services = sHostServices.load();
    if (services == nullptr)
        return AAX_SUCCESS;
    if (format == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;

    // Longer messages are cut at the end of the buffer.
    char message[traceBufferSize] = {};
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    if (written < 0)
        message[0] = '\0';

    return services->Trace(priority, message);
}
