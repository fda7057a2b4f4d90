#include "AudioEffect.h"

#include "Opcodes.h"
#include "TextFormatting.h"

#include <cmath>
#include <cstring>

AudioEffect::AudioEffect(HostCallback callback, std::int32_t programCount,
                         std::int32_t parameterCount)
    : hostCallback(callback), numPrograms(programCount), numParams(parameterCount)
{
    std::memset(&effect, 0, sizeof(effect));
    effect.magic = effectMagic;
    effect.dispatcher = dispatchEffectClass;
    effect.process = __processClassDeprecated;
    effect.setParameter = setParameterClass;
    effect.getParameter = getParameterClass;
    effect.numPrograms = programCount;
    effect.numParams = parameterCount;
    effect.numInputs = 1;
    effect.numOutputs = 2;
    effect.flags = EffectFlags::canReplacing;
    effect.ioRatio = 1.0f;
    effect.object = this;
    effect.uniqueID = 0x4E6F4566; // 'NoEf'
    effect.version = 1;
    effect.processReplacing = processClassReplacing;
    effect.processDoubleReplacing = processClassDoubleReplacing;
}

AudioEffect::~AudioEffect() = default;

AudioEffect* AudioEffect::objectOf(AEffect* record)
{
    return record != nullptr ? static_cast<AudioEffect*>(record->object) : nullptr;
}

std::int64_t AudioEffect::dispatchEffectClass(AEffect* effect, std::int32_t opcode,
                                              std::int32_t index, std::int64_t value, void* ptr,
                                              float opt)
{
    AudioEffect* object = objectOf(effect);
    if (object == nullptr)
        return 0;

    if (opcode == EffectOpcode::close)
    {
        object->dispatcher(opcode, index, value, ptr, opt);
        // The host created the object through the entry point and hands it back here.
        delete object;
        return 1;
    }
    return object->dispatcher(opcode, index, value, ptr, opt);
}

float AudioEffect::getParameterClass(AEffect* effect, std::int32_t index)
{
    AudioEffect* object = objectOf(effect);
    return object != nullptr ? object->getParameter(index) : 0.0f;
}

void AudioEffect::setParameterClass(AEffect* effect, std::int32_t index, float value)
{
    if (AudioEffect* object = objectOf(effect))
        object->setParameter(index, value);
}

void AudioEffect::__processClassDeprecated(AEffect* effect, float** inputs, float** outputs,
                                           std::int32_t frames)
{
    if (AudioEffect* object = objectOf(effect))
        object->__processDeprecated(inputs, outputs, frames);
}

void AudioEffect::processClassReplacing(AEffect* effect, float** inputs, float** outputs,
                                        std::int32_t frames)
{
    if (AudioEffect* object = objectOf(effect))
        object->processReplacing(inputs, outputs, frames);
}

void AudioEffect::processClassDoubleReplacing(AEffect* effect, double** inputs, double** outputs,
                                              std::int32_t frames)
{
    if (AudioEffect* object = objectOf(effect))
        object->processDoubleReplacing(inputs, outputs, frames);
}

void AudioEffect::setParameterAutomated(std::int32_t index, float value)
{
    setParameter(index, value);
    callHost(HostOpcode::automate, index, 0, nullptr, value);
}

void AudioEffect::getProgramName(char* name)
{
    TextFormatting::writeText(name, "", 0);
}

void AudioEffect::getParameterLabel(std::int32_t, char* label)
{
    TextFormatting::writeText(label, "", 0);
}

void AudioEffect::getParameterDisplay(std::int32_t, char* text)
{
    TextFormatting::writeText(text, "", 0);
}

void AudioEffect::getParameterName(std::int32_t, char* text)
{
    TextFormatting::writeText(text, "", 0);
}

std::int32_t AudioEffect::getMasterVersion()
{
    const auto version = static_cast<std::int32_t>(callHost(HostOpcode::version));
    return version != 0 ? version : 1;
}

std::int32_t AudioEffect::getCurrentUniqueId()
{
    return static_cast<std::int32_t>(callHost(HostOpcode::currentId));
}

void AudioEffect::masterIdle()
{
    callHost(HostOpcode::idle);
}

bool AudioEffect::__isInputConnectedDeprecated(std::int32_t input)
{
    return callHost(HostOpcode::pinConnected, input, 0) == 0;
}

bool AudioEffect::__isOutputConnectedDeprecated(std::int32_t output)
{
    return callHost(HostOpcode::pinConnected, output, 1) == 0;
}

void AudioEffect::dB2string(float value, char* text, std::int32_t maxLen)
{
    if (value <= 0.0f)
        TextFormatting::writeText(text, "-oo", maxLen);
    else
        float2string(static_cast<float>(20.0 * std::log10(static_cast<double>(value))), text,
                     maxLen);
}

void AudioEffect::Hz2string(float samples, char* text, std::int32_t maxLen)
{
    float2string(samples == 0.0f ? 0.0f : sampleRate / samples, text, maxLen);
}

void AudioEffect::ms2string(float samples, char* text, std::int32_t maxLen)
{
    const double milliseconds =
        static_cast<double>(samples) * 1000.0 / static_cast<double>(sampleRate);
    float2string(static_cast<float>(milliseconds), text, maxLen);
}

void AudioEffect::float2string(float value, char* text, std::int32_t maxLen)
{
    TextFormatting::writeFloat(text, value, maxLen);
}

void AudioEffect::int2string(std::int32_t value, char* text, std::int32_t maxLen)
{
    TextFormatting::writeInt(text, value, maxLen);
}

std::int64_t AudioEffect::callHost(std::int32_t opcode, std::int32_t index, std::int64_t value,
                                   void* ptr, float opt)
{
    return hostCallback != nullptr ? hostCallback(&effect, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setFlag(std::int32_t bit, bool state)
{
    if (state)
        effect.flags |= bit;
    else
        effect.flags &= ~bit;
}
