#include "AaxEffectGUI.h"

#include "AaxEffectParameters.h"
#include "AaxMessageLoop.h"

#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_IViewContainer.h"

AaxEffectGUI::~AaxEffectGUI()
{
    DeleteEditor();
}

AAX_IEffectGUI* AaxEffectGUI::Create()
{
    try
    {
        return new AaxEffectGUI();
    }
    catch (...)
    {
        return nullptr;
    }
}

AAX_Result AaxEffectGUI::Uninitialize()
{
    // The editor works on the processor, which may go once the data model is let go.
    DeleteEditor();
    return AAX_CEffectGUI::Uninitialize();
}

void AaxEffectGUI::CreateViewContents()
{
    if (editor != nullptr)
        return;
    auto* const effect = dynamic_cast<AaxEffectParameters*>(GetEffectParameters());
    if (effect != nullptr && effect->processor().hasEditor())
        editor.reset(effect->processor().createEditorIfNeeded());
}

void AaxEffectGUI::CreateViewContainer()
{
    void* const parent = GetViewContainerPtr();
    if (editor == nullptr || parent == nullptr ||
        GetViewContainerType() != AAX_eViewContainer_Type_XWindow)
        return;
    editor->setOpaque(true);
    editor->addToDesktop(0, parent);
    editor->setVisible(true);
    if (AAX_IViewContainer* container = GetViewContainer())
    {
        AAX_Point size{static_cast<float>(editor->getHeight()),
                       static_cast<float>(editor->getWidth())};
        container->SetViewSize(size);
    }
}

void AaxEffectGUI::DeleteViewContainer()
{
    if (editor != nullptr && editor->isOnDesktop())
        editor->removeFromDesktop();
}

AAX_Result AaxEffectGUI::GetViewSize(AAX_Point* outViewSize) const
{
    if (outViewSize != nullptr && editor != nullptr)
    {
        outViewSize->horz = static_cast<float>(editor->getWidth());
        outViewSize->vert = static_cast<float>(editor->getHeight());
    }
    return AAX_SUCCESS;
}

AAX_Result AaxEffectGUI::TimerWakeup()
{
    AaxMessageLoop::DispatchPendingMessages();
    return AAX_CEffectGUI::TimerWakeup();
}

void AaxEffectGUI::DeleteEditor()
{
    if (editor == nullptr)
        return;
    DeleteViewContainer();
    editor.reset();
}
