#pragma once

#include "HostComponentDescriptor.h"
#include "HostEffectDescriptor.h"
#include "InstanceHost.h"

#include "AAX_IACFEffectGUI.h"
#include "AAX_IACFEffectParameters.h"

#include <vector>

namespace aaxhost
{
class TestHost;

// The host's side of one plug-in instance of a described effect, on one of its components:
// makes the data model and the GUI through the registered procedures, initialises them with the
// instance's own host unknown, answers the data model's set-value requests with updates as a
// host that accepts every change does, builds the process procedure's context record from the
// component's fields, and runs blocks of audio through it.
class EffectInstance final
{
public:
    using Channels = std::vector<std::vector<float>>;

    // The controller reports the component's stem formats and the sample rate.
    EffectInstance(TestHost& host, const HostEffectDescriptor& effect,
                   const HostComponentDescriptor& component, float sampleRate = 48000.0f);
    // Releases what is still held, as a host closing the instance does.
    ~EffectInstance();

    EffectInstance(const EffectInstance&) = delete;
    EffectInstance& operator=(const EffectInstance&) = delete;

    InstanceHost& host() { return *instanceHost; }
    int numInputs() const { return inputs; }
    int numOutputs() const { return outputs; }

    // Makes the data model and initialises it, then has it set up the private fields of the
    // context; the result of Initialize (ACF_E_NOINTERFACE when no data model was made).
    AAX_Result createDataModel();
    AAX_IACFEffectParameters_V3& dataModel() { return *parameters; }
    bool hasDataModel() const { return parameters != nullptr; }

    AAX_Result createGui();
    // A GUI object made through the registered procedure, for the instance's data model but not
    // yet initialised (null when none was made): createGui's own, or another one that the
    // caller initialises with host().unknown(), uninitialises and releases.
    AAX_IACFEffectGUI* makeGui();
    AAX_IACFEffectGUI& gui() { return *guiObject; }
    bool hasGui() const { return guiObject != nullptr; }

    // One block: the data model generates its coefficients, the packets posted on the data
    // ports reach the context, and the process procedure runs on the input, out of place.
    AAX_Result process(const Channels& input, Channels& output);
    // The two halves of a block, for a host with buffers of its own: what the host does on its
    // main thread (the coefficients and the packets into the context), then on its audio
    // thread (the process procedure on the buffers, one per channel). The second makes no heap
    // call of its own.
    AAX_Result deliverPackets();
    void runProcessProcedure(float* const* inputBuffers, float* const* outputBuffers,
                             int32_t numSamples);
    // A pass of the host's main-thread timer over the data model and the GUI.
    void idle();

    void releaseGui();
    void releaseDataModel();

private:
    struct Storage
    {
        std::vector<unsigned char> bytes;
    };

    void buildContext();

    const HostEffectDescriptor* effectDescriptor;
    const HostComponentDescriptor* componentDescriptor;
    InstanceHost* instanceHost;
    int inputs = 0;
    int outputs = 0;
    AAX_IACFEffectParameters_V3* parameters = nullptr;
    AAX_IACFEffectGUI* guiObject = nullptr;

    std::vector<void*> context;
    std::vector<float*> inputPointers;
    std::vector<float*> outputPointers;
    int32_t bufferLength = 0;
    std::vector<std::pair<AAX_CFieldIndex, Storage>> fieldStorage;
};

// The channels of a stem format the test host knows (mono and stereo); 0 for any other.
int ChannelsOf(int32_t stemFormat);
} // namespace aaxhost
