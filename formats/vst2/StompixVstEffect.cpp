// First: it asks juce_gui_basics for its X11 declarations.
#include "LinuxMessageThread.h"

#include "StompixVstEffect.h"

#include "HostText.h"

#include <DispatchValues.h>
#include <Opcodes.h>
#include <PluginIdentity.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

namespace
{
constexpr std::int32_t effectCategory = 1;
constexpr std::int32_t singlePrecision = 0;

void setUpArrangement(VstSpeakerArrangement& header, VstSpeakerProperties* speakers,
                      int numChannels)
{
    header.numChannels = numChannels;
    header.type =
        numChannels == 2 ? SpeakerTypes::arrangementStereo : SpeakerTypes::arrangementMono;

    for (int channel = 0; channel < numChannels; ++channel)
    {
        auto& speaker = speakers[channel];
        std::memset(&speaker, 0, sizeof(speaker));

        if (numChannels == 2)
            speaker.type = channel == 0 ? SpeakerTypes::left : SpeakerTypes::right;
        else
            speaker.type = SpeakerTypes::mono;

        HostText::write(speaker.name, numChannels == 2 ? (channel == 0 ? "L" : "R") : "M",
                        sizeof(speaker.name));
    }
}
} // namespace

StompixVstEffect::StompixVstEffect(HostCallback callback)
    : AudioEffectX(callback, PluginRuntime::getProcessor().getNumPrograms(),
                   PluginRuntime::getProcessor().getNumParameters()),
      processor(PluginRuntime::getProcessor()), playHead(*this)
{
    if (processor.hasEditor())
        effect.flags |= EffectFlags::hasEditor;

    effect.version = vendorVersion;
    setUniqueID(uniqueId);
    updateChannelCounts();
    canProcessReplacing(true);
    canDoubleReplacing(processor.supportsDoublePrecisionProcessing());
    isSynth(false);
    setInitialDelay(processor.getLatencySamples());
    programsAreChunks(true);

    processor.setPlayHead(&playHead);
    processor.addListener(this);
}

// The editor goes first, on the message thread; the processor (in the runtime base) last.
StompixVstEffect::~StompixVstEffect()
{
    deleteEditor();
    hostEventLoop.reset();
    cancelPendingUpdate();
    processor.removeListener(this);
    processor.setPlayHead(nullptr);
}

std::int64_t StompixVstEffect::dispatcher(std::int32_t opcode, std::int32_t index,
                                          std::int64_t value, void* ptr, float opt)
{
    // Nothing thrown below (an allocation that fails, say) may reach the host.
    try
    {
        switch (opcode)
        {
        case EffectOpcode::editorGetRect:
        case EffectOpcode::editorOpen:
        case EffectOpcode::editorClose:
        case EffectOpcode::editorIdle:
            return dispatchEditor(opcode, ptr);
        default:
            return AudioEffectX::dispatcher(opcode, index, value, ptr, opt);
        }
    }
    catch (...)
    {
        return 0;
    }
}

void StompixVstEffect::close()
{
    deleteEditor();
    hostEventLoop.reset();
}

//==============================================================================
void StompixVstEffect::setParameter(std::int32_t index, float value)
{
    // The host's value goes to the processor only: it must not come back to the host as an
    // automation event.
    if (isParameterIndex(index))
        processor.setParameter(index, value);
}

float StompixVstEffect::getParameter(std::int32_t index)
{
    return isParameterIndex(index) ? processor.getParameter(index) : 0.0f;
}

void StompixVstEffect::getParameterLabel(std::int32_t index, char* label)
{
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
    const auto text = static_cast<juce::AudioProcessor&>(processor).getParameterLabel(index);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE
    HostText::write(label, text, HostTextSizes::parameterLabel);
}

void StompixVstEffect::getParameterDisplay(std::int32_t index, char* text)
{
    HostText::write(text, processor.getParameterText(index), HostTextSizes::parameterDisplay);
}

void StompixVstEffect::getParameterName(std::int32_t index, char* text)
{
    HostText::write(text, processor.getParameterName(index), HostTextSizes::parameterName);
}

bool StompixVstEffect::canParameterBeAutomated(std::int32_t index)
{
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
    return static_cast<juce::AudioProcessor&>(processor).isParameterAutomatable(index);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE
}

// The inverse of the display texts: "On" or "Off" for the switches, "Type 1" to "Type 3" (or
// the digit alone) for the model, the shown number (ten times the value) for the others. A text
// that says none of these changes nothing.
bool StompixVstEffect::string2parameter(std::int32_t index, const char* text)
{
    const auto entered = HostText::read(text, HostTextSizes::incomingText).trim();
    float value = 0.0f;

    if (ParameterTable::isSwitch(index))
    {
        if (!entered.equalsIgnoreCase("on") && !entered.equalsIgnoreCase("off"))
            return false;
        value = entered.equalsIgnoreCase("on") ? 1.0f : 0.0f;
    }
    else if (index == kPhaserType)
    {
        const auto digit =
            entered.startsWithIgnoreCase("type") ? entered.substring(4).trim() : entered;
        if (digit != "1" && digit != "2" && digit != "3")
            return false;
        value = (float)(digit.getIntValue() - 1) * 0.5f;
    }
    else
    {
        if (entered.isEmpty() || !entered.containsOnly("0123456789.-+") ||
            !entered.containsAnyOf("0123456789"))
            return false;
        value = entered.getFloatValue() / 10.0f;
    }

    processor.setParameter(index, value);
    return true;
}

//==============================================================================
std::int32_t StompixVstEffect::getProgram()
{
    return processor.getCurrentProgram();
}

void StompixVstEffect::setProgram(std::int32_t program)
{
    processor.setCurrentProgram(program);
}

void StompixVstEffect::setProgramName(const char* name)
{
    processor.changeProgramName(processor.getCurrentProgram(),
                                HostText::read(name, HostTextSizes::programName));
}

void StompixVstEffect::getProgramName(char* name)
{
    HostText::write(name, processor.getProgramName(processor.getCurrentProgram()),
                    HostTextSizes::programName);
}

bool StompixVstEffect::getProgramNameIndexed(std::int32_t, std::int32_t index, char* text)
{
    HostText::write(text, processor.getProgramName(index), HostTextSizes::programName);
    return true;
}

//==============================================================================
// A bank chunk holds the whole state, a program chunk the current program's. The chunk stays
// ours, valid until the next call.
std::int32_t StompixVstEffect::getChunk(void** data, bool isPreset)
{
    chunk.reset();

    if (isPreset)
        processor.getCurrentProgramStateInformation(chunk);
    else
        processor.getStateInformation(chunk);

    if (chunk.getSize() == 0 || !DispatchValues::isPositiveInt32((std::int64_t)chunk.getSize()))
    {
        *data = nullptr;
        return 0;
    }

    *data = chunk.getData();
    return static_cast<std::int32_t>(chunk.getSize());
}

std::int32_t StompixVstEffect::setChunk(void* data, std::int32_t byteSize, bool isPreset)
{
    if (isPreset)
        processor.setCurrentProgramStateInformation(data, byteSize);
    else
        processor.setStateInformation(data, byteSize);

    return 0;
}

//==============================================================================
void StompixVstEffect::updateChannelCounts()
{
    const int ins = processor.getTotalNumInputChannels();
    const int outs = processor.getTotalNumOutputChannels();

    setNumInputs(ins);
    setNumOutputs(outs);
    setUpArrangement(inputArrangement.header, inputArrangement.speakers, ins);
    setUpArrangement(outputArrangement.header, outputArrangement.speakers, outs);
}

bool StompixVstEffect::fillPin(std::int32_t index, bool isInput, VstPinProperties* properties)
{
    const int count = isInput ? effect.numInputs : effect.numOutputs;
    const auto name =
        isInput ? processor.getInputChannelName(index) : processor.getOutputChannelName(index);
    const bool pairs = isInput ? processor.isInputChannelStereoPair(index)
                               : processor.isOutputChannelStereoPair(index);

    // Only the fields that carry something: the reserved bytes at the end are left alone, as
    // some hosts hand over a record without them (88 bytes instead of 128).
    std::memset(properties, 0, offsetof(VstPinProperties, future));
    HostText::write(properties->label, name, sizeof(properties->label));
    HostText::write(properties->shortLabel, name, sizeof(properties->shortLabel));
    properties->flags = PinFlags::isActive;

    // The stereo bit marks the first pin of a pair, so only an even pin with a partner has it.
    if (pairs && index % 2 == 0 && index + 1 < count)
        properties->flags |= PinFlags::isStereo;

    properties->arrangementType =
        count == 2 ? SpeakerTypes::arrangementStereo : SpeakerTypes::arrangementMono;
    return true;
}

bool StompixVstEffect::getInputProperties(std::int32_t index, VstPinProperties* properties)
{
    return fillPin(index, true, properties);
}

bool StompixVstEffect::getOutputProperties(std::int32_t index, VstPinProperties* properties)
{
    return fillPin(index, false, properties);
}

// The host may pick any layout the processor supports, while processing is off.
bool StompixVstEffect::setSpeakerArrangement(const VstSpeakerArrangement* input,
                                             const VstSpeakerArrangement* output)
{
    const auto ins = input->numChannels;
    const auto outs = output->numChannels;

    if (ins == effect.numInputs && outs == effect.numOutputs)
        return true;

    if (isProcessing || ins < 1 || ins > 2 || outs < 1 || outs > 2)
        return false;

    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(juce::AudioChannelSet::canonicalChannelSet(ins));
    layout.outputBuses.add(juce::AudioChannelSet::canonicalChannelSet(outs));

    if (!processor.setBusesLayout(layout))
        return false;

    updateChannelCounts();
    return true;
}

bool StompixVstEffect::getSpeakerArrangement(VstSpeakerArrangement** input,
                                             VstSpeakerArrangement** output)
{
    *input = &inputArrangement.header;
    *output = &outputArrangement.header;
    return true;
}

bool StompixVstEffect::setBypass(bool onOff)
{
    isBypassed = onOff;
    return true;
}

bool StompixVstEffect::setProcessPrecision(std::int32_t precision)
{
    return precision == singlePrecision || processor.supportsDoublePrecisionProcessing();
}

std::int32_t StompixVstEffect::getGetTailSize()
{
    const double samples = processor.getTailLengthSeconds() * getSampleRate();

    if (!(samples >= 0.0))
        return 0;

    if (samples >= (double)std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();

    return static_cast<std::int32_t>(std::lround(samples));
}

//==============================================================================
bool StompixVstEffect::getEffectName(char* name)
{
    HostText::write(name, processor.getName(), HostTextSizes::effectName);
    return true;
}

bool StompixVstEffect::getVendorString(char* text)
{
    HostText::write(text, PluginIdentity::vendorName, HostTextSizes::vendorString);
    return true;
}

bool StompixVstEffect::getProductString(char* text)
{
    HostText::write(text, PluginIdentity::productName, HostTextSizes::productString);
    return true;
}

std::int32_t StompixVstEffect::getVendorVersion()
{
    return vendorVersion;
}

std::int32_t StompixVstEffect::canDo(const char* text)
{
    static constexpr const char* yes[] = {"receiveVstTimeInfo",
                                          "bypass",
                                          "plugAsChannelInsert",
                                          "plugAsSend",
                                          "mixDryWet",
                                          "1in1out",
                                          "1in2out",
                                          "2in2out"};
    static constexpr const char* no[] = {PlugCanDos::canDoReceiveVstMidiEvent,
                                         "receiveVstEvents",
                                         "sendVstEvents",
                                         "sendVstMidiEvent",
                                         "midiProgramNames",
                                         "offline"};

    const auto asked = HostText::read(text, HostTextSizes::incomingText);

    for (const char* answer : yes)
        if (asked == answer)
            return 1;

    for (const char* answer : no)
        if (asked == answer)
            return -1;

    return 0;
}

std::int32_t StompixVstEffect::getPlugCategory()
{
    return effectCategory;
}

//==============================================================================
void StompixVstEffect::audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value)
{
    callHost(HostOpcode::automate, index, 0, nullptr, value);
}

void StompixVstEffect::audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails& details)
{
    if (details.latencyChanged)
    {
        setInitialDelay(processor.getLatencySamples());
        updateDisplay();
        triggerAsyncUpdate();
    }
    else if (details.programChanged || details.parameterInfoChanged)
    {
        updateDisplay();
    }
}

void StompixVstEffect::audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int index)
{
    beginEdit(index);
}

void StompixVstEffect::audioProcessorParameterChangeGestureEnd(juce::AudioProcessor*, int index)
{
    endEdit(index);
}

void StompixVstEffect::handleAsyncUpdate()
{
    ioChanged();
}
