#include "AaxEffectGUI.h"

#include "AaxEffectParameters.h"
#include "AaxMessageLoop.h"

#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_IViewContainer.h"

namespace
{
AAX_Point SizeOf(const juce::Component& component)
{
    return AAX_Point{static_cast<float>(component.getHeight()),
                     static_cast<float>(component.getWidth())};
}
} // namespace

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
    if (effect == nullptr || !effect->processor().hasEditor())
        return;
    // A processor has one editor: a second GUI object on the same data model gets none, instead
    // of a second owner of the first one's.
    juce::AudioProcessor& processor = effect->processor();
    if (processor.getActiveEditor() == nullptr)
        editor.reset(processor.createEditorIfNeeded());
}

void AaxEffectGUI::CreateViewContainer()
{
    // A host may hand a new container without taking the old one away first.
    DeleteViewContainer();

    void* const parent = GetViewContainerPtr();
    AAX_IViewContainer* const container = GetViewContainer();
    if (editor == nullptr || container == nullptr || parent == nullptr ||
        GetViewContainerType() != AAX_eViewContainer_Type_XWindow)
        return;

    editor->setOpaque(true);
    editor->addToDesktop(0, parent);
    editor->setVisible(true);
    // The view now has the editor's size.
    AAX_Point size = SizeOf(*editor);
    container->SetViewSize(size);
}

void AaxEffectGUI::DeleteViewContainer()
{
    if (editor == nullptr || !editor->isOnDesktop())
        return;
    editor->setVisible(false);
    editor->removeFromDesktop();
}

AAX_Result AaxEffectGUI::GetViewSize(AAX_Point* outViewSize) const
{
    if (outViewSize != nullptr && editor != nullptr)
        *outViewSize = SizeOf(*editor);
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
    // The processor forgets its editor before the editor goes.
    editor->processor.editorBeingDeleted(editor.get());
    editor.reset();
}
