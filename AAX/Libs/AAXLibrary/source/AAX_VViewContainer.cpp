#include "AAX_VViewContainer.h"

#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_UIDs.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* host)
{
    if (host == nullptr)
        return;

    host->QueryInterface(IID_IAAXViewContainerV1, mIViewContainer.AsOutParameter());
    host->QueryInterface(IID_IAAXViewContainerV2, mIViewContainerV2.AsOutParameter());
}

// The members release the newest version first.
AAX_VViewContainer::~AAX_VViewContainer() = default;

int32_t AAX_VViewContainer::GetType()
{
    if (!mIViewContainer)
        return AAX_eViewContainer_Type_NULL;
    return mIViewContainer->GetType();
}

void* AAX_VViewContainer::GetPtr()
{
    if (!mIViewContainer)
        return nullptr;
    return mIViewContainer->GetPtr();
}

AAX_Result AAX_VViewContainer::GetModifiers(uint32_t* outModifiers)
{
    if (!mIViewContainer)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIViewContainer->GetModifiers(outModifiers);
}

AAX_Result AAX_VViewContainer::SetViewSize(AAX_Point& size)
{
    if (!mIViewContainer)
        return AAX_SUCCESS;
    return mIViewContainer->SetViewSize(size);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown(AAX_CParamID parameterID,
                                                        uint32_t modifiers)
{
    if (!mIViewContainer)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIViewContainer->HandleParameterMouseDown(parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag(AAX_CParamID parameterID,
                                                        uint32_t modifiers)
{
    if (!mIViewContainer)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIViewContainer->HandleParameterMouseDrag(parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp(AAX_CParamID parameterID, uint32_t modifiers)
{
    if (!mIViewContainer)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIViewContainer->HandleParameterMouseUp(parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs,
                                                                 uint32_t numParameters,
                                                                 uint32_t modifiers)
{
    if (!mIViewContainerV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIViewContainerV2->HandleMultipleParametersMouseDown(parameterIDs, numParameters,
                                                                modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs,
                                                                 uint32_t numParameters,
                                                                 uint32_t modifiers)
{
    if (!mIViewContainerV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIViewContainerV2->HandleMultipleParametersMouseDrag(parameterIDs, numParameters,
                                                                modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs,
                                                               uint32_t numParameters,
                                                               uint32_t modifiers)
{
    if (!mIViewContainerV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIViewContainerV2->HandleMultipleParametersMouseUp(parameterIDs, numParameters,
                                                              modifiers);
}
