#pragma once

#include <cstdint>

// Records that travel through the extended opcodes and host calls. The base classes only pass
// their addresses along, so they stay incomplete here; a subclass that reads or fills one
// defines it with the host's binary layout.
struct VstPinProperties;
struct VstEvents;
struct VstParameterProperties;
struct VstPatchChunkInfo;
struct VstVariableIo;
struct VstOfflineTask;
struct VstAudioFile;
struct VstFileSelect;
struct MidiProgramName;
struct MidiProgramCategory;
struct MidiKeyName;
struct HostTimeInfo; // what the host's time-info call answers
struct HostWindow;   // the window record of the deprecated window calls
struct EditorRect;   // the editor's size, answered through opcode 13

// A key press handed to the editor (opcodes 59 and 60).
struct EditorKey
{
    std::int32_t character;
    std::uint8_t virtualKey;
    std::uint8_t modifiers;
};

namespace PlugCanDos
{
inline constexpr const char* canDoReceiveVstMidiEvent = "receiveVstMidiEvent";
} // namespace PlugCanDos
