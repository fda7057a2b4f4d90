#include "AudioEffectX.h"

#include "DispatchValues.h"
#include "Opcodes.h"

using DispatchValues::fromBool;
using DispatchValues::recordAt;
using DispatchValues::toInt32;

// Every text and record address is checked before a callee could read or fill it, and every
// parameter, program and pin index before it reaches the subclass: a host that sends a null
// pointer or a stray index gets 0.
std::int64_t AudioEffectX::dispatcher(std::int32_t opcode, std::int32_t index, std::int64_t value,
                                      void* ptr, float opt)
{
    auto* text = static_cast<char*>(ptr);
    const bool hasPtr = ptr != nullptr;

    switch (opcode)
    {
    case EffectOpcode::processEvents:
        return hasPtr ? processEvents(static_cast<VstEvents*>(ptr)) : 0;
    case EffectOpcode::canBeAutomated:
        return isParameterIndex(index) ? fromBool(canParameterBeAutomated(index)) : 0;
    case EffectOpcode::string2parameter:
        return hasPtr && isParameterIndex(index) ? fromBool(string2parameter(index, text)) : 0;
    case EffectOpcode::getProgramNameIndexed:
        if (!hasPtr || !isProgramIndex(index))
            return 0;
        return fromBool(getProgramNameIndexed(static_cast<std::int32_t>(value), index, text));
    case EffectOpcode::getInputProperties:
        if (!hasPtr || !isPin(index, effect.numInputs))
            return 0;
        return fromBool(getInputProperties(index, static_cast<VstPinProperties*>(ptr)));
    case EffectOpcode::getOutputProperties:
        if (!hasPtr || !isPin(index, effect.numOutputs))
            return 0;
        return fromBool(getOutputProperties(index, static_cast<VstPinProperties*>(ptr)));
    case EffectOpcode::getPlugCategory:
        return static_cast<std::uint32_t>(getPlugCategory());
    case EffectOpcode::offlineNotify:
        if (!hasPtr)
            return 0;
        return fromBool(offlineNotify(static_cast<VstAudioFile*>(ptr),
                                      static_cast<std::int32_t>(value), index != 0));
    case EffectOpcode::offlinePrepare:
        if (!hasPtr)
            return 0;
        return fromBool(
            offlinePrepare(static_cast<VstOfflineTask*>(ptr), static_cast<std::int32_t>(value)));
    case EffectOpcode::offlineRun:
        if (!hasPtr)
            return 0;
        return fromBool(
            offlineRun(static_cast<VstOfflineTask*>(ptr), static_cast<std::int32_t>(value)));
    case EffectOpcode::processVariableIo:
        return hasPtr ? fromBool(processVariableIo(static_cast<VstVariableIo*>(ptr))) : 0;
    case EffectOpcode::setSpeakerArrangement:
    {
        const auto* input = recordAt<const VstSpeakerArrangement>(value);
        if (input == nullptr || !hasPtr)
            return 0;
        return fromBool(
            setSpeakerArrangement(input, static_cast<const VstSpeakerArrangement*>(ptr)));
    }
    case EffectOpcode::setBypass:
        return fromBool(setBypass(value != 0));
    case EffectOpcode::getEffectName:
        return hasPtr ? fromBool(getEffectName(text)) : 0;
    case EffectOpcode::getVendorString:
        return hasPtr ? fromBool(getVendorString(text)) : 0;
    case EffectOpcode::getProductString:
        return hasPtr ? fromBool(getProductString(text)) : 0;
    case EffectOpcode::getVendorVersion:
        return getVendorVersion();
    case EffectOpcode::vendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case EffectOpcode::canDo:
        return hasPtr ? canDo(text) : 0;
    case EffectOpcode::getTailSize:
        return getGetTailSize();
    case EffectOpcode::getParameterProperties:
        if (!hasPtr || !isParameterIndex(index))
            return 0;
        return fromBool(getParameterProperties(index, static_cast<VstParameterProperties*>(ptr)));
    case EffectOpcode::getVstVersion:
        return getVstVersion();
    case EffectOpcode::editorKeyDown:
    case EffectOpcode::editorKeyUp:
        return dispatchEditorKey(opcode, index, value, opt);
    case EffectOpcode::editorSetKnobMode:
        if (editor == nullptr)
            return 0;
        return fromBool(editor->setKnobMode(static_cast<std::int32_t>(value)));
    case EffectOpcode::getMidiProgramName:
        return hasPtr ? getMidiProgramName(index, static_cast<MidiProgramName*>(ptr)) : 0;
    case EffectOpcode::getCurrentMidiProgram:
        return hasPtr ? getCurrentMidiProgram(index, static_cast<MidiProgramName*>(ptr)) : 0;
    case EffectOpcode::getMidiProgramCategory:
        return hasPtr ? getMidiProgramCategory(index, static_cast<MidiProgramCategory*>(ptr)) : 0;
    case EffectOpcode::hasMidiProgramsChanged:
        return fromBool(hasMidiProgramsChanged(index));
    case EffectOpcode::getMidiKeyName:
        return hasPtr ? fromBool(getMidiKeyName(index, static_cast<MidiKeyName*>(ptr))) : 0;
    case EffectOpcode::beginSetProgram:
        return fromBool(beginSetProgram());
    case EffectOpcode::endSetProgram:
        return fromBool(endSetProgram());
    case EffectOpcode::getSpeakerArrangement:
    {
        auto** input = recordAt<VstSpeakerArrangement*>(value);
        if (input == nullptr || !hasPtr)
            return 0;
        return fromBool(getSpeakerArrangement(input, static_cast<VstSpeakerArrangement**>(ptr)));
    }
    case EffectOpcode::getNextShellPlugin:
        return hasPtr ? getNextShellPlugin(text) : 0;
    case EffectOpcode::startProcess:
        return startProcess();
    case EffectOpcode::stopProcess:
        return stopProcess();
    case EffectOpcode::setTotalSampleToProcess:
        return setTotalSampleToProcess(static_cast<std::int32_t>(value));
    case EffectOpcode::setPanLaw:
        return fromBool(setPanLaw(static_cast<std::int32_t>(value), opt));
    case EffectOpcode::beginLoadBank:
        return hasPtr ? beginLoadBank(static_cast<VstPatchChunkInfo*>(ptr)) : 0;
    case EffectOpcode::beginLoadProgram:
        return hasPtr ? beginLoadProgram(static_cast<VstPatchChunkInfo*>(ptr)) : 0;
    case EffectOpcode::setProcessPrecision:
        return fromBool(setProcessPrecision(static_cast<std::int32_t>(value)));
    case EffectOpcode::getNumMidiInputChannels:
        return getNumMidiInputChannels();
    case EffectOpcode::getNumMidiOutputChannels:
        return getNumMidiOutputChannels();
    default:
        // Opcodes 0 to 24, the obsolete numbers in between and everything above 79.
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

std::int64_t AudioEffectX::dispatchEditorKey(std::int32_t opcode, std::int32_t index,
                                             std::int64_t value, float opt)
{
    if (editor == nullptr)
        return 0;
    const EditorKey key{index, static_cast<std::uint8_t>(value),
                        static_cast<std::uint8_t>(toInt32(opt))};
    return fromBool(opcode == EffectOpcode::editorKeyDown ? editor->onKeyDown(key)
                                                          : editor->onKeyUp(key));
}

void AudioEffectX::resume()
{
    if ((effect.flags & EffectFlags::isSynth) != 0 ||
        canDo(PlugCanDos::canDoReceiveVstMidiEvent) == 1)
        __wantEventsDeprecated(1);
}
