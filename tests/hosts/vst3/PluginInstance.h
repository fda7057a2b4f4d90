#pragma once

#include "HostApplication.h"
#include "ParameterChanges.h"
#include "PluginModule.h"
#include "RecordingComponentHandler.h"

#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <pluginterfaces/vst/ivsteditcontroller.h>
#include <pluginterfaces/vst/ivstmessage.h>

#include <optional>
#include <string>
#include <vector>

namespace vst3host
{

// One plug-in as a host holds it: the component and its edit controller, both made by the
// module's factory and initialised with our host context, connected to each other both ways,
// the controller reporting to a recording component handler. Every call is made on the thread
// that calls the member, as a host makes them on its own threads.
class PluginInstance
{
public:
    explicit PluginInstance(const PluginModule& module);
    ~PluginInstance();

    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    bool isValid() const { return error.empty(); }
    const std::string& getError() const { return error; }

    Steinberg::Vst::IComponent& getComponent() { return *component; }
    Steinberg::Vst::IEditController& getController() { return *controller; }
    const RecordingComponentHandler& getHandler() const { return handler; }

    // The first of the controller's parameters whose flags include `flag`.
    std::optional<Steinberg::Vst::ParameterInfo> findParameter(Steinberg::int32 flag);

    // A saved state into the component, then the same bytes into the controller, as a host
    // restores a session. False when the component refuses it.
    bool setState(const std::vector<char>& state);
    std::vector<char> getState();

    // The channels of the input bus and the output bus (1 or 2 each), asked for before
    // startProcessing; stereo in and out otherwise. False when the plug-in refuses them.
    bool setChannels(Steinberg::int32 inputs, Steinberg::int32 outputs);

    // Every audio bus on, 32-bit real-time processing set up, active and processing.
    bool startProcessing(double sampleRate, Steinberg::int32 blockSize);

    // One block of silence through process(), on the buses' channels, with the host's parameter
    // changes in and the plug-in's out.
    bool process(ParameterChanges& in, ParameterChanges& out);
    // The same with `numSamples` samples (up to the block size processing started with), and
    // the transport when one is given. Makes no heap call of its own.
    bool process(Steinberg::Vst::IParameterChanges& in, Steinberg::Vst::IParameterChanges& out,
                 Steinberg::int32 numSamples, Steinberg::Vst::ProcessContext* context = nullptr);

    // process() with no samples and no buses, as a host flushes parameter changes without audio.
    bool flush(ParameterChanges& in, ParameterChanges& out);

private:
    bool create(const PluginModule& module);
    bool activateBuses(Steinberg::Vst::BusDirection direction);

    HostApplication host;
    RecordingComponentHandler handler;
    Steinberg::Vst::IComponent* component = nullptr;
    Steinberg::Vst::IAudioProcessor* audioProcessor = nullptr;
    Steinberg::Vst::IEditController* controller = nullptr;
    Steinberg::Vst::IConnectionPoint* componentPoint = nullptr;
    Steinberg::Vst::IConnectionPoint* controllerPoint = nullptr;
    bool active = false;
    bool processing = false;
    Steinberg::int32 samplesPerBlock = 0;
    Steinberg::int32 numInputs = 2, numOutputs = 2;
    std::vector<float> input, output; // the channels, one after the other
    std::string error;
};

} // namespace vst3host
