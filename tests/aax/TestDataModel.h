#pragma once

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "ACF/ACFPtr.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace aaxtest
{
// A new reference-counted object, held by the test with one reference.
template <class Object, class... Arguments> ACFPtr<Object> MakeCounted(Arguments&&... arguments)
{
    return ACFPtr<Object>(new Object(std::forward<Arguments>(arguments)...));
}

// A data model such as a plug-in derives: in EffectInit it adds a master bypass (with its packet
// on data port 3) and float parameters "0", "1" and "2" at 0.5, 0.25 and 1.0, and whatever a
// test adds to the list.
class TestDataModel : public AAX_CEffectParameters
{
public:
    static constexpr int32_t bypassPort = 3;

    static std::unique_ptr<AAX_IParameter> Bypass()
    {
        auto bypass = std::make_unique<AAX_CParameter<bool>>(
            cDefaultMasterBypassID, AAX_CString("Master Bypass"), false,
            AAX_CBinaryTaperDelegate<bool>(), AAX_CBinaryDisplayDelegate<bool>("bypass", "on"),
            true);
        bypass->SetNumberOfSteps(2);
        bypass->SetType(AAX_eParameterType_Discrete);
        return bypass;
    }

    static std::unique_ptr<AAX_IParameter> Float(const char* identifier, float defaultValue,
                                                 const char* name = "Rate")
    {
        return std::make_unique<AAX_CParameter<float>>(
            identifier, AAX_CString(name), defaultValue, AAX_CLinearTaperDelegate<float, 0>(0, 1),
            AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true);
    }

    // Parameters added after the standard ones, in order.
    std::vector<std::unique_ptr<AAX_IParameter>> extraParameters;
    AAX_Result effectInitResult = 0;
    // Whether the host's controller and transport were there when EffectInit ran.
    bool controllerDuringInit = false;
    bool transportDuringInit = false;

    using AAX_CEffectParameters::mPacketDispatcher;
    using AAX_CEffectParameters::mParameterManager;

protected:
    AAX_Result EffectInit() override
    {
        controllerDuringInit = Controller() != nullptr;
        transportDuringInit = Transport() != nullptr;
        mParameterManager.AddParameter(Bypass().release());
        const AAX_CPacketHandler<AAX_CPacketDispatcher> handler(
            &mPacketDispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
        mPacketDispatcher.RegisterPacket(cDefaultMasterBypassID, bypassPort, &handler);

        const std::pair<const char*, float> floats[] = {{"0", 0.5f}, {"1", 0.25f}, {"2", 1.0f}};
        for (const auto& [identifier, value] : floats)
            mParameterManager.AddParameter(Float(identifier, value).release());
        for (auto& parameter : extraParameters)
            mParameterManager.AddParameter(parameter.release());
        extraParameters.clear();
        return effectInitResult;
    }
};
} // namespace aaxtest
