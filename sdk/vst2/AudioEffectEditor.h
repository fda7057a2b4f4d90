#pragma once

#include "HostRecords.h"

#include <cstdint>

// The optional editor object of an AudioEffect. The base classes only call it; a subclass that
// wants the editor opcodes answered for it installs one.
class AudioEffectEditor
{
public:
    virtual ~AudioEffectEditor() = default;

    virtual bool getRect(EditorRect** rect) = 0;
    virtual bool open(void* parentWindow) = 0;
    virtual void close() = 0;
    virtual void idle() = 0;
    virtual bool onKeyDown(const EditorKey& key) = 0;
    virtual bool onKeyUp(const EditorKey& key) = 0;
    virtual bool setKnobMode(std::int32_t mode) = 0;
};
