#include "PluginInstance.h"

#include "MemoryStream.h"

#include <pluginterfaces/vst/ivstprocesscontext.h>
#include <pluginterfaces/vst/vstspeaker.h>

#include <algorithm>

namespace vst3host
{
namespace
{
template <typename Interface>
Interface* queryFrom(Steinberg::FUnknown* object, const Steinberg::TUID iid)
{
    void* found = nullptr;

    if (object == nullptr || object->queryInterface(iid, &found) != Steinberg::kResultOk)
        return nullptr;

    return static_cast<Interface*>(found);
}

template <typename Interface> void releaseAndClear(Interface*& object)
{
    if (object != nullptr)
        object->release();

    object = nullptr;
}

constexpr Steinberg::int32 maxChannels = 2;

Steinberg::Vst::SpeakerArrangement arrangementOf(Steinberg::int32 channels)
{
    return channels == 1 ? Steinberg::Vst::SpeakerArr::kMono : Steinberg::Vst::SpeakerArr::kStereo;
}
} // namespace

PluginInstance::PluginInstance(const PluginModule& module)
{
    if (!create(module) && error.empty())
        error = "the plug-in could not be created";
}

bool PluginInstance::create(const PluginModule& module)
{
    Steinberg::TUID componentClass{};

    if (!module.findClass(kVstAudioEffectClass, componentClass))
    {
        error = "no audio effect class";
        return false;
    }

    auto* factory = module.getFactory();

    if (factory->createInstance(componentClass, Steinberg::Vst::IComponent_iid,
                                reinterpret_cast<void**>(&component)) != Steinberg::kResultOk ||
        component == nullptr)
        return false;

    if (component->initialize(&host) != Steinberg::kResultOk)
        return false;

    Steinberg::TUID controllerClass{};

    if (component->getControllerClassId(controllerClass) != Steinberg::kResultOk ||
        factory->createInstance(controllerClass, Steinberg::Vst::IEditController_iid,
                                reinterpret_cast<void**>(&controller)) != Steinberg::kResultOk ||
        controller == nullptr)
    {
        error = "no edit controller";
        return false;
    }

    if (controller->initialize(&host) != Steinberg::kResultOk)
        return false;

    audioProcessor =
        queryFrom<Steinberg::Vst::IAudioProcessor>(component, Steinberg::Vst::IAudioProcessor_iid);
    componentPoint = queryFrom<Steinberg::Vst::IConnectionPoint>(
        component, Steinberg::Vst::IConnectionPoint_iid);
    controllerPoint = queryFrom<Steinberg::Vst::IConnectionPoint>(
        controller, Steinberg::Vst::IConnectionPoint_iid);

    if (audioProcessor == nullptr || componentPoint == nullptr || controllerPoint == nullptr)
    {
        error = "no audio processor or connection points";
        return false;
    }

    if (componentPoint->connect(controllerPoint) != Steinberg::kResultOk ||
        controllerPoint->connect(componentPoint) != Steinberg::kResultOk)
    {
        error = "component and controller would not connect";
        return false;
    }

    return controller->setComponentHandler(&handler) == Steinberg::kResultOk;
}

PluginInstance::~PluginInstance()
{
    if (processing)
        audioProcessor->setProcessing(false);

    if (active)
        component->setActive(false);

    if (componentPoint != nullptr && controllerPoint != nullptr)
    {
        componentPoint->disconnect(controllerPoint);
        controllerPoint->disconnect(componentPoint);
    }

    releaseAndClear(componentPoint);
    releaseAndClear(controllerPoint);
    releaseAndClear(audioProcessor);

    if (controller != nullptr)
    {
        controller->setComponentHandler(nullptr);
        controller->terminate();
    }

    if (component != nullptr)
        component->terminate();

    releaseAndClear(controller);
    releaseAndClear(component);
}

std::optional<Steinberg::Vst::ParameterInfo> PluginInstance::findParameter(Steinberg::int32 flag)
{
    for (Steinberg::int32 i = 0; i < controller->getParameterCount(); ++i)
    {
        Steinberg::Vst::ParameterInfo info{};

        if (controller->getParameterInfo(i, info) == Steinberg::kResultOk &&
            (info.flags & flag) != 0)
            return info;
    }

    return std::nullopt;
}

bool PluginInstance::setState(const std::vector<char>& state)
{
    MemoryStream forComponent(state), forController(state);

    if (component->setState(&forComponent) != Steinberg::kResultOk)
        return false;

    // Hosts pass on what the component took whatever the controller answers: a controller that
    // keeps nothing of its own may say it did not implement this.
    controller->setComponentState(&forController);
    return true;
}

std::vector<char> PluginInstance::getState()
{
    MemoryStream stream;

    if (component->getState(&stream) != Steinberg::kResultOk)
        return {};

    return stream.getContents();
}

bool PluginInstance::activateBuses(Steinberg::Vst::BusDirection direction)
{
    const auto count = component->getBusCount(Steinberg::Vst::kAudio, direction);

    for (Steinberg::int32 bus = 0; bus < count; ++bus)
        if (component->activateBus(Steinberg::Vst::kAudio, direction, bus, true) !=
            Steinberg::kResultOk)
            return false;

    return count == 1;
}

bool PluginInstance::setChannels(Steinberg::int32 inputs, Steinberg::int32 outputs)
{
    if (inputs < 1 || inputs > maxChannels || outputs < 1 || outputs > maxChannels)
        return false;

    auto inputArrangement = arrangementOf(inputs), outputArrangement = arrangementOf(outputs);

    if (audioProcessor->setBusArrangements(&inputArrangement, 1, &outputArrangement, 1) !=
        Steinberg::kResultTrue)
        return false;

    numInputs = inputs;
    numOutputs = outputs;
    return true;
}

bool PluginInstance::startProcessing(double sampleRate, Steinberg::int32 blockSize)
{
    if (!activateBuses(Steinberg::Vst::kInput) || !activateBuses(Steinberg::Vst::kOutput))
        return false;

    Steinberg::Vst::ProcessSetup setup{Steinberg::Vst::kRealtime, Steinberg::Vst::kSample32,
                                       blockSize, sampleRate};

    if (audioProcessor->setupProcessing(setup) != Steinberg::kResultOk)
        return false;

    samplesPerBlock = blockSize;
    input.assign((size_t)(numInputs * blockSize), 0.0f);
    output.assign((size_t)(numOutputs * blockSize), 0.0f);

    active = component->setActive(true) == Steinberg::kResultOk;
    processing = active && audioProcessor->setProcessing(true) == Steinberg::kResultOk;
    return processing;
}

bool PluginInstance::process(ParameterChanges& in, ParameterChanges& out)
{
    return process(in, out, samplesPerBlock);
}

bool PluginInstance::process(Steinberg::Vst::IParameterChanges& in,
                             Steinberg::Vst::IParameterChanges& out, Steinberg::int32 numSamples,
                             Steinberg::Vst::ProcessContext* context)
{
    if (!processing || numSamples < 0 || numSamples > samplesPerBlock)
        return false;

    std::fill(input.begin(), input.end(), 0.0f);
    float* inputChannels[maxChannels] = {input.data(), input.data() + samplesPerBlock};
    float* outputChannels[maxChannels] = {output.data(), output.data() + samplesPerBlock};

    Steinberg::Vst::AudioBusBuffers inputBus, outputBus;
    inputBus.numChannels = numInputs;
    inputBus.channelBuffers32 = inputChannels;
    outputBus.numChannels = numOutputs;
    outputBus.channelBuffers32 = outputChannels;

    Steinberg::Vst::ProcessData data;
    data.processMode = Steinberg::Vst::kRealtime;
    data.symbolicSampleSize = Steinberg::Vst::kSample32;
    data.numSamples = numSamples;
    data.numInputs = 1;
    data.numOutputs = 1;
    data.inputs = &inputBus;
    data.outputs = &outputBus;
    data.inputParameterChanges = &in;
    data.outputParameterChanges = &out;
    data.processContext = context;

    return audioProcessor->process(data) == Steinberg::kResultOk;
}

bool PluginInstance::flush(ParameterChanges& in, ParameterChanges& out)
{
    if (!processing)
        return false;

    Steinberg::Vst::ProcessData data;
    data.processMode = Steinberg::Vst::kRealtime;
    data.symbolicSampleSize = Steinberg::Vst::kSample32;
    data.inputParameterChanges = &in;
    data.outputParameterChanges = &out;

    return audioProcessor->process(data) == Steinberg::kResultOk;
}

} // namespace vst3host
