#include "EffectInstance.h"

#include "PropertyMapStore.h"
#include "TestHost.h"

#include "AAX_Callbacks.h"
#include "AAX_Enums.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IEffectParameters.h"
#include "AAX_UIDs.h"
#include "ACF/acfresult.h"

#include <algorithm>
#include <cstring>

namespace aaxhost
{
namespace
{
int32_t PropertyOf(const HostComponentDescriptor& component, AAX_EProperty property)
{
    const PropertyMapStore* map = component.properties();
    if (map == nullptr)
        return 0;
    const auto found = map->properties().find(property);
    return found != map->properties().end() ? found->second : 0;
}

template <typename Procedure>
Procedure ProcedureOf(const HostEffectDescriptor& effect, AAX_CProcPtrID procID)
{
    void* const pointer = effect.procedure(procID);
    Procedure procedure = nullptr;
    static_assert(sizeof procedure == sizeof pointer);
    std::memcpy(&procedure, &pointer, sizeof procedure);
    return procedure;
}
} // namespace

int ChannelsOf(int32_t stemFormat)
{
    switch (stemFormat)
    {
    case AAX_eStemFormat_Mono:
        return 1;
    case AAX_eStemFormat_Stereo:
        return 2;
    default:
        return 0;
    }
}

EffectInstance::EffectInstance(TestHost& host, const HostEffectDescriptor& effect,
                               const HostComponentDescriptor& component, float sampleRate)
    : effectDescriptor(&effect), componentDescriptor(&component), instanceHost(&host.newInstance())
{
    const auto input =
        static_cast<AAX_EStemFormat>(PropertyOf(component, AAX_eProperty_InputStemFormat));
    const auto output =
        static_cast<AAX_EStemFormat>(PropertyOf(component, AAX_eProperty_OutputStemFormat));
    inputs = ChannelsOf(input);
    outputs = ChannelsOf(output);
    instanceHost->controller().setStemFormats(input, output);
    instanceHost->controller().setSampleRate(sampleRate);
    buildContext();
}

EffectInstance::~EffectInstance()
{
    releaseGui();
    releaseDataModel();
}

void EffectInstance::buildContext()
{
    AAX_CFieldIndex lastField = -1;
    for (const auto& field : componentDescriptor->fields())
        lastField = std::max(lastField, field.index);
    context.assign(static_cast<std::size_t>(lastField + 1), nullptr);
    inputPointers.assign(static_cast<std::size_t>(inputs), nullptr);
    outputPointers.assign(static_cast<std::size_t>(outputs), nullptr);

    using Kind = HostComponentDescriptor::Field::Kind;
    fieldStorage.clear();
    fieldStorage.reserve(componentDescriptor->fields().size());
    for (const auto& field : componentDescriptor->fields())
    {
        if (field.index < 0)
            continue;
        void*& slot = context[static_cast<std::size_t>(field.index)];
        if (field.kind == Kind::audioIn)
            slot = inputPointers.data();
        else if (field.kind == Kind::audioOut)
            slot = outputPointers.data();
        else if (field.kind == Kind::bufferLength)
            slot = &bufferLength;
        else if (field.kind == Kind::dataInPort || field.kind == Kind::privateData ||
                 field.kind == Kind::temporaryData)
        {
            // The fields the host itself does not fill are plain memory of the size asked for.
            fieldStorage.push_back(
                {field.index, Storage{std::vector<unsigned char>(
                                  static_cast<std::size_t>(std::max<int64_t>(field.size, 0)))}});
            slot = fieldStorage.back().second.bytes.data();
        }
    }
}

AAX_Result EffectInstance::createDataModel()
{
    const auto create = ProcedureOf<AAX_CCreateEffectParametersProc>(
        *effectDescriptor, kAAX_ProcPtrID_Create_EffectParameters);
    AAX_IEffectParameters* made = create != nullptr ? create() : nullptr;
    if (made == nullptr)
        return ACF_E_NOINTERFACE;

    void* queried = nullptr;
    if (static_cast<IACFUnknown*>(made)->QueryInterface(IID_IAAXEffectParametersV3, &queried) !=
        ACF_OK)
        return ACF_E_NOINTERFACE;
    parameters = static_cast<AAX_IACFEffectParameters_V3*>(queried);

    instanceHost->automation().echoSetValueRequests(
        [this](const char* identifier, double value) {
            parameters->UpdateParameterNormalizedValue(identifier, value,
                                                       AAX_eUpdateSource_Unspecified);
        });

    const AAX_Result result = parameters->Initialize(instanceHost->unknown());
    for (const auto& field : componentDescriptor->fields())
    {
        if (field.kind != HostComponentDescriptor::Field::Kind::privateData)
            continue;
        for (auto& [index, storage] : fieldStorage)
            if (index == field.index)
                parameters->ResetFieldData(index, storage.bytes.data(),
                                           static_cast<uint32_t>(storage.bytes.size()));
    }
    return result;
}

AAX_Result EffectInstance::createGui()
{
    guiObject = makeGui();
    if (guiObject == nullptr)
        return ACF_E_NOINTERFACE;
    return guiObject->Initialize(instanceHost->unknown());
}

AAX_IACFEffectGUI* EffectInstance::makeGui()
{
    const auto create =
        ProcedureOf<AAX_CCreateEffectGUIProc>(*effectDescriptor, kAAX_ProcPtrID_Create_EffectGUI);
    AAX_IEffectGUI* made = create != nullptr ? create() : nullptr;
    if (made == nullptr)
        return nullptr;

    void* queried = nullptr;
    if (static_cast<IACFUnknown*>(made)->QueryInterface(IID_IAAXEffectGUIV1, &queried) != ACF_OK)
        return nullptr;
    instanceHost->answerForDataModel(parameters);
    return static_cast<AAX_IACFEffectGUI*>(queried);
}

AAX_Result EffectInstance::process(const Channels& input, Channels& output)
{
    if (parameters == nullptr || componentDescriptor->nativeProcessProc() == nullptr ||
        input.size() != static_cast<std::size_t>(inputs))
        return ACF_E_UNEXPECTED;

    const AAX_Result coefficients = deliverPackets();

    const std::size_t numSamples = inputs > 0 ? input.front().size() : 0;
    output.assign(static_cast<std::size_t>(outputs), std::vector<float>(numSamples, 0.0f));
    Channels inputCopy = input; // the process procedure gets writable buffers, as from a host
    std::vector<float*> inputBuffers, outputBuffers;
    for (auto& channel : inputCopy)
        inputBuffers.push_back(channel.data());
    for (auto& channel : output)
        outputBuffers.push_back(channel.data());

    runProcessProcedure(inputBuffers.data(), outputBuffers.data(),
                        static_cast<int32_t>(numSamples));
    return coefficients;
}

AAX_Result EffectInstance::deliverPackets()
{
    if (parameters == nullptr)
        return ACF_E_UNEXPECTED;

    const AAX_Result coefficients = parameters->GenerateCoefficients();
    for (auto& [index, storage] : fieldStorage)
    {
        const std::vector<unsigned char> packet = instanceHost->controller().latestPacket(index);
        std::copy_n(packet.begin(), std::min(packet.size(), storage.bytes.size()),
                    storage.bytes.begin());
    }
    return coefficients;
}

void EffectInstance::runProcessProcedure(float* const* inputBuffers, float* const* outputBuffers,
                                         int32_t numSamples)
{
    if (componentDescriptor->nativeProcessProc() == nullptr)
        return;

    std::copy_n(inputBuffers, inputs, inputPointers.begin());
    std::copy_n(outputBuffers, outputs, outputPointers.begin());
    bufferLength = numSamples;

    void* const instances[] = {context.data()};
    componentDescriptor->nativeProcessProc()(instances, instances + 1);
}

void EffectInstance::idle()
{
    if (parameters != nullptr)
        parameters->TimerWakeup();
    if (guiObject != nullptr)
        guiObject->TimerWakeup();
}

void EffectInstance::releaseGui()
{
    if (guiObject == nullptr)
        return;
    guiObject->Uninitialize();
    guiObject->Release();
    guiObject = nullptr;
    instanceHost->answerForDataModel(nullptr);
}

void EffectInstance::releaseDataModel()
{
    releaseGui();
    if (parameters == nullptr)
        return;
    parameters->Uninitialize();
    instanceHost->automation().echoSetValueRequests(nullptr);
    parameters->Release();
    parameters = nullptr;
}
} // namespace aaxhost
