#include "AAX_CParameterManager.h"

#include <cstring>
#include <utility>

AAX_CParameterManager::~AAX_CParameterManager()
{
    RemoveAllParameters();
}

void AAX_CParameterManager::Initialize(AAX_IAutomationDelegate* automationDelegate)
{
    mAutomationDelegate = automationDelegate;
}

int32_t AAX_CParameterManager::NumParameters() const
{
    return static_cast<int32_t>(mParameters.size());
}

void AAX_CParameterManager::AddParameter(AAX_IParameter* parameter)
{
    if (parameter == nullptr || parameter->Identifier() == nullptr)
        return;
    const std::string identifier(parameter->Identifier());
    if (mParametersMap.count(identifier) != 0)
        return;

    // Everything that can fail comes first: once the parameter has registered with the host,
    // the manager owns it.
    mParameters.reserve(mParameters.size() + 1);
    mParametersMap.emplace(identifier, parameter);
    parameter->SetAutomationDelegate(mAutomationDelegate);
    mParameters.emplace_back(parameter);
}

void AAX_CParameterManager::RemoveAllParameters()
{
    for (auto& parameter : mParameters)
        parameter.reset();
    mParameters.clear();
    mParametersMap.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID identifier)
{
    return const_cast<AAX_IParameter*>(std::as_const(*this).GetParameterByID(identifier));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID identifier) const
{
    if (identifier == nullptr)
        return nullptr;
    const auto found = mParametersMap.find(identifier);
    return found != mParametersMap.end() ? found->second : nullptr;
}

int32_t AAX_CParameterManager::GetParameterIndex(AAX_CParamID identifier) const
{
    if (identifier == nullptr)
        return -1;
    for (std::size_t index = 0; index < mParameters.size(); ++index)
        if (std::strcmp(mParameters[index]->Identifier(), identifier) == 0)
            return static_cast<int32_t>(index);
    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index)
{
    return const_cast<AAX_IParameter*>(std::as_const(*this).GetParameter(index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index) const
{
    if (index < 0 || index >= NumParameters())
        return nullptr;
    return mParameters[static_cast<std::size_t>(index)].get();
}
