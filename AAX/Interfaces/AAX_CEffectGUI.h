#pragma once

#include "AAX_IEffectGUI.h"

#include <memory>

class AAX_IACFEffectParameters;
class AAX_IController;
class AAX_ITransport;
class AAX_IViewContainer;

// Base of the plug-in's GUI object: connects it to the host's controller, transport and view
// container and to the instance's data model, and turns the host's view events into calls of
// the operations the concrete GUI supplies.
class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI();
    // Runs Uninitialize.
    ~AAX_CEffectGUI() override;

    AAX_Result Initialize(IACFUnknown* effectParameters) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result SetViewContainer(IACFUnknown* viewContainer) override;
    AAX_Result GetViewSize(AAX_Point* outViewSize) const override;
    AAX_Result Draw(AAX_Rect* drawRect) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated(AAX_CParamID parameterID) override;
    AAX_Result GetCustomLabel(AAX_EPlugInStrings selector, AAX_IString* outString) const override;
    AAX_Result SetControlHighlightInfo(AAX_CParamID parameterID, AAX_CBoolean isHighlighted,
                                       AAX_EHighlightColor color) override;

protected:
    // The view's contents, made once the GUI is initialised.
    virtual void CreateViewContents() = 0;
    // The view in the host's container, made when the host gives one, and removed when it takes
    // it away.
    virtual void CreateViewContainer() = 0;
    virtual void DeleteViewContainer() = 0;
    // ParameterUpdated for every parameter of the data model, in index order.
    virtual void UpdateAllParameters();

    // The data model's interface; null before Initialize or when the host gives none.
    AAX_IACFEffectParameters* GetEffectParameters();
    const AAX_IACFEffectParameters* GetEffectParameters() const;
    AAX_IViewContainer* GetViewContainer();
    int32_t GetViewContainerType();
    // The native parent view, or null.
    void* GetViewContainerPtr();
    AAX_IController* GetController();
    AAX_ITransport* GetTransport();

private:
    std::unique_ptr<AAX_IController> mController;
    AAX_IACFEffectParameters* mEffectParameters = nullptr;
    std::unique_ptr<AAX_IViewContainer> mViewContainer;
    std::unique_ptr<AAX_ITransport> mTransport;
};
