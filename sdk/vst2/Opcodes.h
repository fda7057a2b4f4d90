#pragma once

#include <cstdint>

// Opcodes a host sends through AEffect::dispatcher. Numbers without a name here are obsolete
// and answer 0.
namespace EffectOpcode
{
inline constexpr std::int32_t open = 0;
inline constexpr std::int32_t close = 1;
inline constexpr std::int32_t setProgram = 2;
inline constexpr std::int32_t getProgram = 3;
inline constexpr std::int32_t setProgramName = 4;
inline constexpr std::int32_t getProgramName = 5;
inline constexpr std::int32_t getParameterLabel = 6;
inline constexpr std::int32_t getParameterDisplay = 7;
inline constexpr std::int32_t getParameterName = 8;
inline constexpr std::int32_t setSampleRate = 10;
inline constexpr std::int32_t setBlockSize = 11;
inline constexpr std::int32_t suspendResume = 12;
inline constexpr std::int32_t editorGetRect = 13;
inline constexpr std::int32_t editorOpen = 14;
inline constexpr std::int32_t editorClose = 15;
inline constexpr std::int32_t editorIdle = 19;
inline constexpr std::int32_t identify = 22;
inline constexpr std::int32_t getChunk = 23;
inline constexpr std::int32_t setChunk = 24;
inline constexpr std::int32_t processEvents = 25;
inline constexpr std::int32_t canBeAutomated = 26;
inline constexpr std::int32_t string2parameter = 27;
inline constexpr std::int32_t getProgramNameIndexed = 29;
inline constexpr std::int32_t getInputProperties = 33;
inline constexpr std::int32_t getOutputProperties = 34;
inline constexpr std::int32_t getPlugCategory = 35;
inline constexpr std::int32_t offlineNotify = 38;
inline constexpr std::int32_t offlinePrepare = 39;
inline constexpr std::int32_t offlineRun = 40;
inline constexpr std::int32_t processVariableIo = 41;
inline constexpr std::int32_t setSpeakerArrangement = 42;
inline constexpr std::int32_t setBypass = 44;
inline constexpr std::int32_t getEffectName = 45;
inline constexpr std::int32_t getVendorString = 47;
inline constexpr std::int32_t getProductString = 48;
inline constexpr std::int32_t getVendorVersion = 49;
inline constexpr std::int32_t vendorSpecific = 50;
inline constexpr std::int32_t canDo = 51;
inline constexpr std::int32_t getTailSize = 52;
inline constexpr std::int32_t getParameterProperties = 56;
inline constexpr std::int32_t getVstVersion = 58;
inline constexpr std::int32_t editorKeyDown = 59;
inline constexpr std::int32_t editorKeyUp = 60;
inline constexpr std::int32_t editorSetKnobMode = 61;
inline constexpr std::int32_t getMidiProgramName = 62;
inline constexpr std::int32_t getCurrentMidiProgram = 63;
inline constexpr std::int32_t getMidiProgramCategory = 64;
inline constexpr std::int32_t hasMidiProgramsChanged = 65;
inline constexpr std::int32_t getMidiKeyName = 66;
inline constexpr std::int32_t beginSetProgram = 67;
inline constexpr std::int32_t endSetProgram = 68;
inline constexpr std::int32_t getSpeakerArrangement = 69;
inline constexpr std::int32_t getNextShellPlugin = 70;
inline constexpr std::int32_t startProcess = 71;
inline constexpr std::int32_t stopProcess = 72;
inline constexpr std::int32_t setTotalSampleToProcess = 73;
inline constexpr std::int32_t setPanLaw = 74;
inline constexpr std::int32_t beginLoadBank = 75;
inline constexpr std::int32_t beginLoadProgram = 76;
inline constexpr std::int32_t setProcessPrecision = 77;
inline constexpr std::int32_t getNumMidiInputChannels = 78;
inline constexpr std::int32_t getNumMidiOutputChannels = 79;

// What opcode 22 answers: 'NvEf' read as a big-endian four-character code.
inline constexpr std::int64_t identifyAnswer = 0x4E764566;
} // namespace EffectOpcode

// Opcodes the plug-in sends through the host callback.
namespace HostOpcode
{
inline constexpr std::int32_t automate = 0;
inline constexpr std::int32_t version = 1;
inline constexpr std::int32_t currentId = 2;
inline constexpr std::int32_t idle = 3;
inline constexpr std::int32_t pinConnected = 4; // deprecated
inline constexpr std::int32_t wantMidi = 6;     // deprecated
inline constexpr std::int32_t getTime = 7;
inline constexpr std::int32_t tempoAt = 10;                     // deprecated
inline constexpr std::int32_t getNumAutomatableParameters = 11; // deprecated
inline constexpr std::int32_t getParameterQuantization = 12;    // deprecated
inline constexpr std::int32_t ioChanged = 13;
inline constexpr std::int32_t needIdle = 14; // deprecated
inline constexpr std::int32_t sizeWindow = 15;
inline constexpr std::int32_t getSampleRate = 16;
inline constexpr std::int32_t getBlockSize = 17;
inline constexpr std::int32_t getInputLatency = 18;
inline constexpr std::int32_t getOutputLatency = 19;
inline constexpr std::int32_t getPreviousPlug = 20;      // deprecated
inline constexpr std::int32_t getNextPlug = 21;          // deprecated
inline constexpr std::int32_t willProcessReplacing = 22; // deprecated
inline constexpr std::int32_t getCurrentProcessLevel = 23;
inline constexpr std::int32_t getAutomationState = 24;
inline constexpr std::int32_t offlineStart = 25;
inline constexpr std::int32_t offlineRead = 26;
inline constexpr std::int32_t offlineWrite = 27;
inline constexpr std::int32_t offlineGetCurrentPass = 28;
inline constexpr std::int32_t offlineGetCurrentMetaPass = 29;
inline constexpr std::int32_t setOutputSampleRate = 30;         // deprecated
inline constexpr std::int32_t getOutputSpeakerArrangement = 31; // deprecated
inline constexpr std::int32_t getVendorString = 32;
inline constexpr std::int32_t getProductString = 33;
inline constexpr std::int32_t getVendorVersion = 34;
inline constexpr std::int32_t vendorSpecific = 35;
inline constexpr std::int32_t canDo = 37;
inline constexpr std::int32_t getLanguage = 38;
inline constexpr std::int32_t openWindow = 39;  // deprecated
inline constexpr std::int32_t closeWindow = 40; // deprecated
inline constexpr std::int32_t getDirectory = 41;
inline constexpr std::int32_t updateDisplay = 42;
inline constexpr std::int32_t beginEdit = 43;
inline constexpr std::int32_t endEdit = 44;
inline constexpr std::int32_t openFileSelector = 45;
inline constexpr std::int32_t closeFileSelector = 46;
inline constexpr std::int32_t getChunkFile = 48;               // deprecated
inline constexpr std::int32_t getInputSpeakerArrangement = 49; // deprecated
} // namespace HostOpcode
