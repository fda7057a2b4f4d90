#include "AudioEffectX.h"

#include "DispatchValues.h"
#include "Opcodes.h"

// The extended calls back to the host. Without a host callback each answers false, 0 or null;
// bool answers compare the host's whole 64-bit answer with 0, int32 answers truncate it.

using DispatchValues::recordAt;

bool AudioEffectX::beginEdit(std::int32_t index)
{
    return callHost(HostOpcode::beginEdit, index) != 0;
}

bool AudioEffectX::endEdit(std::int32_t index)
{
    return callHost(HostOpcode::endEdit, index) != 0;
}

bool AudioEffectX::ioChanged()
{
    return callHost(HostOpcode::ioChanged) != 0;
}

double AudioEffectX::updateSampleRate()
{
    const std::int64_t rate = callHost(HostOpcode::getSampleRate);
    if (rate > 0)
        sampleRate = static_cast<float>(rate);
    return sampleRate;
}

std::int32_t AudioEffectX::updateBlockSize()
{
    const auto size = static_cast<std::int32_t>(callHost(HostOpcode::getBlockSize));
    if (size > 0)
        blockSize = size;
    return blockSize;
}

std::int32_t AudioEffectX::getInputLatency()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getInputLatency));
}

std::int32_t AudioEffectX::getOutputLatency()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getOutputLatency));
}

bool AudioEffectX::getSpeakerArrangement(VstSpeakerArrangement** input,
                                         VstSpeakerArrangement** output)
{
    if (input != nullptr)
        *input = nullptr;
    if (output != nullptr)
        *output = nullptr;
    return false;
}

HostTimeInfo* AudioEffectX::getTimeInfo(std::int32_t filter)
{
    return recordAt<HostTimeInfo>(callHost(HostOpcode::getTime, 0, filter));
}

std::int32_t AudioEffectX::getCurrentProcessLevel()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getCurrentProcessLevel));
}

std::int32_t AudioEffectX::getAutomationState()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getAutomationState));
}

// The host writes its text into the buffer, so a missing buffer is never handed to it.
bool AudioEffectX::getHostVendorString(char* text)
{
    return text != nullptr && callHost(HostOpcode::getVendorString, 0, 0, text) != 0;
}

bool AudioEffectX::getHostProductString(char* text)
{
    return text != nullptr && callHost(HostOpcode::getProductString, 0, 0, text) != 0;
}

std::int32_t AudioEffectX::getHostVendorVersion()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getVendorVersion));
}

std::int64_t AudioEffectX::hostVendorSpecific(std::int32_t arg1, std::int64_t arg2, void* ptr,
                                              float arg3)
{
    return callHost(HostOpcode::vendorSpecific, arg1, arg2, ptr, arg3);
}

// Hosts differ in how they say yes; any non-zero answer counts as 1, -1 included.
std::int32_t AudioEffectX::canHostDo(const char* text)
{
    if (text == nullptr)
        return 0;
    return callHost(HostOpcode::canDo, 0, 0, const_cast<char*>(text)) != 0 ? 1 : 0;
}

std::int32_t AudioEffectX::getHostLanguage()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getLanguage));
}

void* AudioEffectX::getDirectory()
{
    return recordAt<void>(callHost(HostOpcode::getDirectory));
}

std::int32_t AudioEffectX::getPlugCategory()
{
    return (effect.flags & EffectFlags::isSynth) != 0 ? 2 : 0;
}

bool AudioEffectX::updateDisplay()
{
    return callHost(HostOpcode::updateDisplay) != 0;
}

bool AudioEffectX::sizeWindow(std::int32_t width, std::int32_t height)
{
    return callHost(HostOpcode::sizeWindow, width, height) != 0;
}

bool AudioEffectX::openFileSelector(VstFileSelect* select)
{
    return select != nullptr && callHost(HostOpcode::openFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::closeFileSelector(VstFileSelect* select)
{
    return select != nullptr && callHost(HostOpcode::closeFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::offlineRead(VstOfflineTask* offline, std::int32_t option, bool readSource)
{
    return callHost(HostOpcode::offlineRead, readSource ? 1 : 0, option, offline) != 0;
}

bool AudioEffectX::offlineWrite(VstOfflineTask* offline, std::int32_t option)
{
    return callHost(HostOpcode::offlineWrite, 0, option, offline) != 0;
}

bool AudioEffectX::offlineStart(VstAudioFile* files, std::int32_t numAudioFiles,
                                std::int32_t numNewAudioFiles)
{
    return callHost(HostOpcode::offlineStart, numNewAudioFiles, numAudioFiles, files) != 0;
}

std::int32_t AudioEffectX::offlineGetCurrentPass()
{
    return callHost(HostOpcode::offlineGetCurrentPass) != 0 ? 1 : 0;
}

std::int32_t AudioEffectX::offlineGetCurrentMetaPass()
{
    return callHost(HostOpcode::offlineGetCurrentMetaPass) != 0 ? 1 : 0;
}

void AudioEffectX::__wantEventsDeprecated(std::int32_t filter)
{
    callHost(HostOpcode::wantMidi, 0, filter);
}

std::int32_t AudioEffectX::__tempoAtDeprecated(std::int32_t position)
{
    return static_cast<std::int32_t>(callHost(HostOpcode::tempoAt, 0, position));
}

std::int32_t AudioEffectX::__getNumAutomatableParametersDeprecated()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getNumAutomatableParameters));
}

std::int32_t AudioEffectX::__getParameterQuantizationDeprecated()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::getParameterQuantization));
}

bool AudioEffectX::__needIdleDeprecated()
{
    return callHost(HostOpcode::needIdle) != 0;
}

AEffect* AudioEffectX::__getPreviousPlugDeprecated(std::int32_t)
{
    return recordAt<AEffect>(callHost(HostOpcode::getPreviousPlug));
}

AEffect* AudioEffectX::__getNextPlugDeprecated(std::int32_t)
{
    return recordAt<AEffect>(callHost(HostOpcode::getNextPlug));
}

std::int32_t AudioEffectX::__willProcessReplacingDeprecated()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::willProcessReplacing));
}

void AudioEffectX::__setOutputSamplerateDeprecated(float rate)
{
    callHost(HostOpcode::setOutputSampleRate, 0, 0, nullptr, rate);
}

VstSpeakerArrangement* AudioEffectX::__getInputSpeakerArrangementDeprecated()
{
    return recordAt<VstSpeakerArrangement>(callHost(HostOpcode::getInputSpeakerArrangement));
}

VstSpeakerArrangement* AudioEffectX::__getOutputSpeakerArrangementDeprecated()
{
    return recordAt<VstSpeakerArrangement>(callHost(HostOpcode::getOutputSpeakerArrangement));
}

void* AudioEffectX::__openWindowDeprecated(HostWindow* window)
{
    return recordAt<void>(callHost(HostOpcode::openWindow, 0, 0, window));
}

bool AudioEffectX::__closeWindowDeprecated(HostWindow* window)
{
    return callHost(HostOpcode::closeWindow, 0, 0, window) != 0;
}

bool AudioEffectX::__getChunkFileDeprecated(void* nativePath)
{
    return nativePath != nullptr && callHost(HostOpcode::getChunkFile, 0, 0, nativePath) != 0;
}
