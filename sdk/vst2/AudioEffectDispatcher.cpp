#include "AudioEffect.h"

#include "DispatchValues.h"
#include "Opcodes.h"
#include "TextFormatting.h"

#include <cmath>

using DispatchValues::fromBool;

std::int64_t AudioEffect::dispatcher(std::int32_t opcode, std::int32_t index, std::int64_t value,
                                     void* ptr, float opt)
{
    auto* text = static_cast<char*>(ptr);

    switch (opcode)
    {
    case EffectOpcode::open:
        open();
        return 0;
    case EffectOpcode::close:
        close();
        return 0;
    case EffectOpcode::setProgram:
        if (isProgramIndex(value))
            setProgram(static_cast<std::int32_t>(value));
        return 0;
    case EffectOpcode::getProgram:
        return getProgram();
    case EffectOpcode::setProgramName:
        if (text != nullptr)
            setProgramName(text);
        return 0;
    case EffectOpcode::getProgramName:
        if (text != nullptr)
            getProgramName(text);
        return 0;
    case EffectOpcode::getParameterLabel:
    case EffectOpcode::getParameterDisplay:
    case EffectOpcode::getParameterName:
        return dispatchParameterText(opcode, index, text);
    case EffectOpcode::setSampleRate:
        // A host that has no rate yet may send 0; nothing downstream can work with it.
        if (std::isfinite(opt) && opt > 0.0f)
            setSampleRate(opt);
        return 0;
    case EffectOpcode::setBlockSize:
        if (DispatchValues::isPositiveInt32(value))
            setBlockSize(static_cast<std::int32_t>(value));
        return 0;
    case EffectOpcode::suspendResume:
        if (value != 0)
            resume();
        else
            suspend();
        return 0;
    case EffectOpcode::editorGetRect:
        if (editor == nullptr || ptr == nullptr)
            return 0;
        return fromBool(editor->getRect(static_cast<EditorRect**>(ptr)));
    case EffectOpcode::editorOpen:
        if (editor == nullptr || ptr == nullptr)
            return 0;
        return fromBool(editor->open(ptr));
    case EffectOpcode::editorClose:
        if (editor != nullptr)
            editor->close();
        return 0;
    case EffectOpcode::editorIdle:
        if (editor != nullptr)
            editor->idle();
        return 0;
    case EffectOpcode::identify:
        return EffectOpcode::identifyAnswer;
    case EffectOpcode::getChunk:
        return dispatchGetChunk(index, ptr);
    case EffectOpcode::setChunk:
        return dispatchSetChunk(index, value, ptr);
    default:
        return 0;
    }
}

std::int64_t AudioEffect::dispatchParameterText(std::int32_t opcode, std::int32_t index, char* text)
{
    if (text == nullptr)
        return 0;
    if (!isParameterIndex(index))
    {
        // The host reads the buffer whatever we answer, so it gets the empty text.
        TextFormatting::writeText(text, "", 0);
        return 0;
    }

    if (opcode == EffectOpcode::getParameterLabel)
        getParameterLabel(index, text);
    else if (opcode == EffectOpcode::getParameterDisplay)
        getParameterDisplay(index, text);
    else
        getParameterName(index, text);
    return 0;
}

std::int64_t AudioEffect::dispatchGetChunk(std::int32_t index, void* address)
{
    if (address == nullptr)
        return 0;

    auto** data = static_cast<void**>(address);
    *data = nullptr;
    const std::int32_t size = getChunk(data, index != 0);
    if (size <= 0 || *data == nullptr)
    {
        *data = nullptr;
        return 0;
    }
    return size;
}

std::int64_t AudioEffect::dispatchSetChunk(std::int32_t index, std::int64_t byteSize, void* data)
{
    if (data == nullptr || !DispatchValues::isPositiveInt32(byteSize))
        return 0;
    return setChunk(data, static_cast<std::int32_t>(byteSize), index != 0);
}
