#pragma once

#include "AAX_IParameter.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;

// Owns the parameters the plug-in publishes, in the order they were added (the host's index
// order), finds them by identifier, and hands each the host's automation delegate as it joins.
// An identifier is registered once: a second parameter under it is refused and stays the
// caller's.
class AAX_CParameterManager final
{
public:
    AAX_CParameterManager() = default;
    ~AAX_CParameterManager();

    AAX_CParameterManager(const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator=(const AAX_CParameterManager&) = delete;

    // The delegate given to every parameter added from now on; not owned.
    void Initialize(AAX_IAutomationDelegate* automationDelegate);

    int32_t NumParameters() const;
    void AddParameter(AAX_IParameter* parameter);
    void RemoveAllParameters();

    AAX_IParameter* GetParameterByID(AAX_CParamID identifier);
    const AAX_IParameter* GetParameterByID(AAX_CParamID identifier) const;
    int32_t GetParameterIndex(AAX_CParamID identifier) const;
    AAX_IParameter* GetParameter(int32_t index);
    const AAX_IParameter* GetParameter(int32_t index) const;

private:
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::vector<std::unique_ptr<AAX_IParameter>> mParameters;
    std::map<std::string, AAX_IParameter*> mParametersMap;
};
