#include "StompixZR7714AudioProcessor.h"

#include "NumberText.h"
#include "PluginIdentity.h"
#include "UserPresetFolder.h"
#include "VelmorFolderPaths.h"

int StompixZR7714AudioProcessor::getNumParameters()
{
    return kNumParameters;
}

const juce::String StompixZR7714AudioProcessor::getParameterName(int index)
{
    return ParameterTable::isValidIndex(index) ? juce::String(ParameterTable::keys[(size_t)index])
                                               : juce::String();
}

float StompixZR7714AudioProcessor::getParameter(int index)
{
    return ParameterTable::isValidIndex(index)
               ? getCurrentProgramSlot().activeValues()[(size_t)index]
               : 0.0f;
}

float StompixZR7714AudioProcessor::getParameterDefaultValue(int index)
{
    return ParameterTable::isValidIndex(index) ? ParameterTable::defaults[(size_t)index] : 0.0f;
}

float StompixZR7714AudioProcessor::getCurrentValue(int index) const noexcept
{
    return ParameterTable::isValidIndex(index)
               ? currentValues[(size_t)index].load(std::memory_order_relaxed)
               : 0.0f;
}

const juce::String StompixZR7714AudioProcessor::getParameterText(int index)
{
    if (!ParameterTable::isValidIndex(index))
        return {};

    const float value = getCurrentValue(index);

    if (ParameterTable::isSwitch(index))
        return value == 0.0f ? "Off" : "On";

    if (index == kPhaserType)
        return value <= 0.0f ? "Type 1" : (value <= 0.5f ? "Type 2" : "Type 3");

    const float scaled = value * 10.0f;
    return NumberText::fixed(scaled, 2);
}

void StompixZR7714AudioProcessor::setParameter(int index, float value)
{
    if (!ParameterTable::isValidIndex(index) || !ParameterTable::sanitise(value))
        return;

    getCurrentProgramSlot().activeValues()[(size_t)index] = value;
    currentValues[(size_t)index].store(value, std::memory_order_relaxed);
    parametersChanged = 1;

    if (index == kPhaserType)
        phaserTypeWrites.fetch_add(1, std::memory_order_release);
}

int StompixZR7714AudioProcessor::getNumPrograms()
{
    return numPrograms;
}

int StompixZR7714AudioProcessor::getCurrentProgram()
{
    return currentProgram;
}

void StompixZR7714AudioProcessor::setCurrentProgram(int index)
{
    if (!juce::isPositiveAndBelow(index, numPrograms))
        return;

    currentProgram = index;

    // Off its message thread the VST3 wrapper would keep these notifications to hand out with a
    // later process call, a parameter flush without audio included, which reaches no code of
    // ours. A state restore in between, whose own notifications it drops, would make them stale,
    // and the host would send them back into the restored program. There the first block tells
    // the wrapper the values it then holds instead (see announceLiveValues).
    const bool announceFromFirstBlock =
        wrapperType == wrapperType_VST3 && !juce::MessageManager::existsAndIsCurrentThread();

    for (int k = 0; k < kNumParameters; ++k)
    {
        const float value = getCurrentProgramSlot().activeValues()[(size_t)k];

        if (announceFromFirstBlock)
        {
            setParameter(k, value);
        }
        else
        {
            JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE("-Wdeprecated-declarations")
            setParameterNotifyingHost(k, value);
            JUCE_END_IGNORE_WARNINGS_GCC_LIKE
        }
    }

    if (announceFromFirstBlock)
        liveValuesUnannounced = true;

    programLoads.fetch_add(1, std::memory_order_release);
    presetLoaded = 1;
    parametersChanged = 1;
    activeChannelChanged = 1;
}

void StompixZR7714AudioProcessor::announceLiveValues()
{
    // The VST3 wrapper drops the notifications made while it restores a state, and keeps those
    // made off its message thread to hand out after a later block. Told the live values here, on
    // the audio thread before it gathers its output changes, it hands the host the restored
    // values (or a program's values as they stand now), not whatever it kept from before. The
    // other wrappers pass notifications on at once and keep nothing stale; from the audio thread
    // our VST2 adapter would turn these into host automation calls, and the AAX one into
    // parameter requests.
    if (wrapperType != wrapperType_VST3 || !liveValuesUnannounced.exchange(false))
        return;

    for (int k = 0; k < kNumParameters; ++k)
        sendParamChangeMessageToListeners(k, getCurrentValue(k));
}

const juce::String StompixZR7714AudioProcessor::getProgramName(int index)
{
    if (!juce::isPositiveAndBelow(index, numPrograms))
        return {};

    return velmor::fileNamedBy(getPresetFolder(), programSlots[(size_t)index].activePresetPath())
        .getFileNameWithoutExtension();
}

void StompixZR7714AudioProcessor::changeProgramName(int, const juce::String&) {}

const ProgramSlot& StompixZR7714AudioProcessor::getProgramSlot(int index) const noexcept
{
    return programSlots[(size_t)juce::jlimit(0, numPrograms - 1, index)];
}

void StompixZR7714AudioProcessor::initDefaultPreset()
{
    currentProgram = 0;

    for (auto& slot : programSlots)
    {
        slot.activeChannel = 0;

        for (int channel = 0; channel < ProgramSlot::numChannels; ++channel)
        {
            slot.presetPath[(size_t)channel] = PluginIdentity::defaultPresetPath;

            for (int k = 0; k < kNumParameters; ++k)
            {
                const float value = getParameterDefaultValue(k);
                slot.values[(size_t)channel][(size_t)k] = value;
                currentValues[(size_t)k].store(value, std::memory_order_relaxed);
            }
        }
    }
}

juce::File StompixZR7714AudioProcessor::getPresetFolder()
{
    return userPresetFolder();
}
