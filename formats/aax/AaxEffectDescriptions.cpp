#include "AaxContext.h"
#include "AaxEffectGUI.h"
#include "AaxEffectParameters.h"
#include "AaxIdentity.h"
#include "AaxProcessorFactory.h"

#include "AAX_Callbacks.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "AAX_Init.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstring>

namespace
{
struct Layout
{
    int numInputs;
    int numOutputs;
};

// The layouts offered to the processor, in the order the host lists them.
constexpr Layout candidateLayouts[] = {{2, 2}, {1, 2}, {2, 1}, {1, 1}};

AAX_EStemFormat StemFormatOf(int numChannels)
{
    return numChannels == 1 ? AAX_eStemFormat_Mono : AAX_eStemFormat_Stereo;
}

template <typename Procedure> void* AddressOf(Procedure procedure)
{
    void* address = nullptr;
    static_assert(sizeof address == sizeof procedure);
    std::memcpy(&address, &procedure, sizeof address);
    return address;
}

bool Supports(const juce::AudioProcessor& processor, const Layout& layout)
{
    juce::AudioProcessor::BusesLayout buses;
    buses.inputBuses.add(juce::AudioChannelSet::canonicalChannelSet(layout.numInputs));
    buses.outputBuses.add(juce::AudioChannelSet::canonicalChannelSet(layout.numOutputs));
    return processor.checkBusesLayoutSupported(buses);
}

void DescribeComponent(AAX_IEffectDescriptor& effect, const Layout& layout)
{
    AAX_IComponentDescriptor* const component = effect.NewComponentDescriptor();
    if (component == nullptr)
        return;
    component->AddAudioIn(AaxContext::inputChannels);
    component->AddAudioOut(AaxContext::outputChannels);
    component->AddAudioBufferLength(AaxContext::bufferLength);
    component->AddDataInPort(AaxContext::bypass, sizeof(int32_t), AAX_eDataInPortType_Unbuffered);
    component->AddPrivateData(AaxContext::instance, AaxContext::instanceFieldSize, 0);
    component->AddPrivateData(AaxContext::prepared, AaxContext::preparedFieldSize, 0);

    AAX_IPropertyMap* const properties = component->NewPropertyMap();
    if (properties != nullptr)
    {
        properties->AddProperty(AAX_eProperty_ManufacturerID,
                                static_cast<AAX_CPropertyValue>(AaxIdentity::manufacturerID));
        properties->AddProperty(AAX_eProperty_ProductID,
                                static_cast<AAX_CPropertyValue>(AaxIdentity::productID));
        properties->AddProperty(AAX_eProperty_PlugInID_Native,
                                static_cast<AAX_CPropertyValue>(
                                    AaxIdentity::PlugInIDFor(layout.numInputs, layout.numOutputs)));
        properties->AddProperty(AAX_eProperty_InputStemFormat, StemFormatOf(layout.numInputs));
        properties->AddProperty(AAX_eProperty_OutputStemFormat, StemFormatOf(layout.numOutputs));
        properties->AddProperty(AAX_eProperty_CanBypass, 1);
    }
    component->AddProcessProc_Native(&AaxContext::Process, properties, nullptr, nullptr, nullptr);
    effect.AddComponent(component);
}
} // namespace

AAX_Result GetEffectDescriptions(AAX_ICollection* collection)
{
    if (collection == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    const juce::ScopedJuceInitialiser_GUI framework;

    AAX_IEffectDescriptor* const effect = collection->NewDescriptor();
    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    effect->AddName(AaxIdentity::shortName);
    effect->AddName(AaxIdentity::fullName);
    effect->AddCategory(AaxIdentity::category);
    effect->AddProcPtr(AddressOf<AAX_CCreateEffectGUIProc>(&AaxEffectGUI::Create),
                       kAAX_ProcPtrID_Create_EffectGUI);
    effect->AddProcPtr(AddressOf<AAX_CCreateEffectParametersProc>(&AaxEffectParameters::Create),
                       kAAX_ProcPtrID_Create_EffectParameters);
    {
        // A processor of its own tells which layouts it takes.
        const std::unique_ptr<juce::AudioProcessor> processor = CreateAaxProcessor();
        for (const Layout& layout : candidateLayouts)
            if (Supports(*processor, layout))
                DescribeComponent(*effect, layout);
    }

    collection->AddEffect(AaxIdentity::effectID, effect);
    collection->SetManufacturerName(AaxIdentity::manufacturerName);
    collection->AddPackageName(AaxIdentity::shortName);
    collection->AddPackageName(AaxIdentity::fullName);
    collection->SetPackageVersion(AaxIdentity::packageVersion);
    return AAX_SUCCESS;
}
