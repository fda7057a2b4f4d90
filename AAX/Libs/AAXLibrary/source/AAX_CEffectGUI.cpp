#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_GuardedCall.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_UIDs.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    AAX_CEffectGUI::Uninitialize();
}

AAX_Result AAX_CEffectGUI::Initialize(IACFUnknown* effectParameters)
{
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            // A second initialisation starts from nothing: what the first made is released.
            Uninitialize();

            mController = std::make_unique<AAX_VController>(effectParameters);
            if (effectParameters == nullptr)
                return AAX_ERROR_NOT_INITIALIZED;

            void* parameters = nullptr;
            if (effectParameters->QueryInterface(IID_IAAXEffectParametersV1, &parameters) ==
                    ACF_OK &&
                parameters != nullptr)
                mEffectParameters = static_cast<AAX_IACFEffectParameters*>(parameters);

            mTransport = std::make_unique<AAX_VTransport>(effectParameters);
            CreateViewContents();
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    if (mEffectParameters != nullptr)
    {
        mEffectParameters->Release();
        mEffectParameters = nullptr;
    }
    mController.reset();
    mViewContainer.reset();
    mTransport.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived(AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer(IACFUnknown* viewContainer)
{
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            if (viewContainer != nullptr)
            {
                mViewContainer.reset();
                mViewContainer = std::make_unique<AAX_VViewContainer>(viewContainer);
                CreateViewContainer();
                UpdateAllParameters();
            }
            else
            {
                mViewContainer.reset();
                DeleteViewContainer();
            }
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectGUI::GetViewSize(AAX_Point*) const
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Draw(AAX_Rect*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::TimerWakeup()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::ParameterUpdated(AAX_CParamID)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetCustomLabel(AAX_EPlugInStrings, AAX_IString*) const
{
    return AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_CEffectGUI::SetControlHighlightInfo(AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor)
{
    return AAX_SUCCESS;
}

void AAX_CEffectGUI::UpdateAllParameters()
{
    if (mEffectParameters == nullptr)
        return;

    int32_t numParameters = 0;
    if (mEffectParameters->GetNumberOfParameters(&numParameters) != AAX_SUCCESS)
        return;
    for (int32_t index = 0; index < numParameters; ++index)
    {
        AAX_CString identifier;
        if (mEffectParameters->GetParameterIDFromIndex(index, &identifier) == AAX_SUCCESS)
            ParameterUpdated(identifier.Get());
    }
}

AAX_IACFEffectParameters* AAX_CEffectGUI::GetEffectParameters()
{
    return mEffectParameters;
}

const AAX_IACFEffectParameters* AAX_CEffectGUI::GetEffectParameters() const
{
    return mEffectParameters;
}

AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer()
{
    return mViewContainer.get();
}

int32_t AAX_CEffectGUI::GetViewContainerType()
{
    return mViewContainer != nullptr ? mViewContainer->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_CEffectGUI::GetViewContainerPtr()
{
    return mViewContainer != nullptr ? mViewContainer->GetPtr() : nullptr;
}

AAX_IController* AAX_CEffectGUI::GetController()
{
    return mController.get();
}

AAX_ITransport* AAX_CEffectGUI::GetTransport()
{
    return mTransport.get();
}
