// libFuzzer target: the built VST2 module, loaded and driven through its record as a host drives
// it. Each input is a sequence of host calls: dispatcher opcodes with their index, value, float
// argument and a buffer of fuzzed bytes; parameter writes and reads; audio blocks through both
// process entries; the transport the host answers with; and closing and reopening the instance.
//
// Every buffer is allocated to the byte the host hands over: a text the plug-in fills gets
// exactly the capacity hosts give for it, a text the plug-in reads ends with its terminator or,
// as long as the longest the plug-in reads, without one, a chunk is exactly as long as the size
// passed with it, a speaker arrangement has room for the speakers it counts (at most eight).
// AddressSanitizer reports any access beyond them.
//
// Left out: opcodes 13 and 14 (the editor needs a window of the host's and a display), 25 and 38
// to 41 (events, offline tasks and variable-size blocks are records that point into the host's
// own event lists, files and audio buffers), and opcode 1 inside a sequence (it deletes the
// instance; a step of its own closes the instance and opens a new one).

#include "PluginInstance.h"
#include "PluginModule.h"
#include "RecordingHost.h"

#include <FuzzInput.h>
#include <FuzzTarget.h>
#include <HostRecordLayouts.h>
#include <Opcodes.h>
#include <SpeakerArrangement.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
using fuzztarget::check;

using Bytes = std::vector<std::uint8_t>;

const PluginModule* module = nullptr;

// What a dispatcher opcode takes through its pointer.
enum class Argument
{
    nothing,  // no pointer: the fuzzed bytes are handed over anyway, or null when there are none
    textIn,   // a text the plug-in reads, terminated or as long as it reads
    textOut,  // a text buffer of fixed capacity the plug-in fills
    chunkOut, // the address of the host's pointer to the chunk
    chunkIn,  // the chunk, its size in the value
    pin,      // a pin record the plug-in fills
    setSpeakers,
    getSpeakers,
    record, // a host record the plug-in does not use (its layout is not ours)
    leftOut,
};

// A host record the plug-in neither reads nor fills (the base classes answer 0) gets a generous
// buffer of fuzzed bytes.
constexpr std::size_t unusedRecordSize = 512;
// The name buffer of the shell-plug-in query.
constexpr std::size_t shellNameSize = 64;
// Room a fuzzed arrangement gets for its speakers, however many it claims.
constexpr std::int32_t maxSpeakers = 8;
// The longest audio block handed over.
constexpr std::uint16_t maxFrames = 4096;
// What one input may ask for of the costly calls, so that no input runs for seconds under the
// sanitizers (a resume for the largest block size alone takes tens of milliseconds there):
// resumes and suspends, each of which may prepare the processor again, instances closed and
// reopened, and audio frames processed.
constexpr int maxSuspendResumesPerInput = 8;
constexpr int maxReopensPerInput = 8;
constexpr std::size_t maxFramesPerInput = 1 << 17;

struct OpcodeArgument
{
    Argument kind;
    std::size_t capacity;
};

OpcodeArgument argumentOf(std::int32_t opcode)
{
    namespace Op = EffectOpcode;
    namespace Size = HostTextSizes;

    switch (opcode)
    {
    case Op::setProgramName:
        return {Argument::textIn, Size::programName};
    case Op::string2parameter:
    case Op::canDo:
        return {Argument::textIn, Size::incomingText};
    case Op::getProgramName:
    case Op::getProgramNameIndexed:
        return {Argument::textOut, Size::programName};
    case Op::getParameterLabel:
        return {Argument::textOut, Size::parameterLabel};
    case Op::getParameterDisplay:
        return {Argument::textOut, Size::parameterDisplay};
    case Op::getParameterName:
        return {Argument::textOut, Size::parameterName};
    case Op::getEffectName:
        return {Argument::textOut, Size::effectName};
    case Op::getVendorString:
        return {Argument::textOut, Size::vendorString};
    case Op::getProductString:
        return {Argument::textOut, Size::productString};
    case Op::getNextShellPlugin:
        return {Argument::textOut, shellNameSize};
    case Op::getChunk:
        return {Argument::chunkOut, 0};
    case Op::setChunk:
        return {Argument::chunkIn, 0};
    case Op::getInputProperties:
    case Op::getOutputProperties:
        return {Argument::pin, sizeof(VstPinProperties)};
    case Op::setSpeakerArrangement:
        return {Argument::setSpeakers, 0};
    case Op::getSpeakerArrangement:
        return {Argument::getSpeakers, 0};
    case Op::vendorSpecific:
    case Op::getParameterProperties:
    case Op::getMidiProgramName:
    case Op::getCurrentMidiProgram:
    case Op::getMidiProgramCategory:
    case Op::getMidiKeyName:
    case Op::beginLoadBank:
    case Op::beginLoadProgram:
        return {Argument::record, unusedRecordSize};
    case Op::close:
    case Op::editorGetRect:
    case Op::editorOpen:
    case Op::processEvents:
    case Op::offlineNotify:
    case Op::offlinePrepare:
    case Op::offlineRun:
    case Op::processVariableIo:
        return {Argument::leftOut, 0};
    default:
        return {Argument::nothing, 0};
    }
}

// A buffer of exactly `size` bytes holding the fuzzed bytes (cut or zero-padded).
Bytes bufferOf(const Bytes& fuzzed, std::size_t size)
{
    Bytes buffer(size, 0);
    std::copy_n(fuzzed.begin(), std::min(size, fuzzed.size()), buffer.begin());
    return buffer;
}

// A text as a host hands it in: shorter than the longest the plug-in reads, it ends with its
// terminator; otherwise it is cut to exactly that length, without one.
Bytes textFrom(const Bytes& fuzzed, std::size_t longest)
{
    if (fuzzed.size() >= longest)
        return Bytes(fuzzed.begin(), fuzzed.begin() + static_cast<std::ptrdiff_t>(longest));
    Bytes text = fuzzed;
    text.push_back(0);
    return text;
}

// A text the plug-in wrote into a buffer of fixed capacity must end inside it.
void checkWrittenText(const Bytes& before, const Bytes& after)
{
    if (after != before)
        check(std::find(after.begin(), after.end(), 0) != after.end());
}

// A speaker arrangement as a host builds one: its header and room for the speakers it counts.
Bytes arrangementFrom(FuzzInput& in)
{
    const auto type = in.read<std::int32_t>();
    const auto channels = in.read<std::int32_t>();
    const auto room = static_cast<std::size_t>(std::clamp(channels, 0, maxSpeakers));
    Bytes block(VstSpeakerArrangement::bytesFor(room), 0);
    std::memcpy(block.data(), &type, sizeof type);
    std::memcpy(block.data() + 4, &channels, sizeof channels);
    const auto speakers = in.bytes(room * sizeof(VstSpeakerProperties));
    std::copy(speakers.begin(), speakers.end(), block.begin() + sizeof(VstSpeakerArrangement));
    return block;
}

// What a host reads of an arrangement the plug-in answers with: the header and every speaker.
void readArrangement(const VstSpeakerArrangement* arrangement)
{
    check(arrangement != nullptr);
    check(arrangement->numChannels >= 1 && arrangement->numChannels <= 2);

    for (std::int32_t channel = 0; channel < arrangement->numChannels; ++channel)
    {
        const auto& speaker = arrangement->speakers()[channel];
        check(std::memchr(speaker.name, 0, sizeof speaker.name) != nullptr);
    }
}

class Session
{
public:
    Session() { open(); }

    void run(FuzzInput& in)
    {
        while (!in.empty())
        {
            switch (in.byte() % 9)
            {
            case 0:
                dispatch(in);
                break;
            case 1:
            {
                const auto index = in.read<std::int32_t>();
                plugin->setParameter(index, in.read<float>());
                break;
            }
            case 2:
                getParameter(in.read<std::int32_t>());
                break;
            case 3:
                process<float>(in, plugin->getRecord().processReplacing);
                break;
            case 4:
                process<double>(in, plugin->getRecord().processDoubleReplacing);
                break;
            case 5:
            {
                host.answersTime = (in.byte() & 1) == 0;
                const auto info = bufferOf(in.bytes(sizeof(HostTimeInfo)), sizeof(HostTimeInfo));
                std::memcpy(&host.timeInfo, info.data(), sizeof(HostTimeInfo));
                break;
            }
            case 6:
                host.processLevel = in.read<std::int32_t>();
                break;
            case 7:
                roundTripChunk((in.byte() & 1) != 0);
                break;
            case 8:
                if (++reopens <= maxReopensPerInput)
                {
                    plugin.reset();
                    open();
                }
                break;
            }
        }

        checkInvariants();
    }

private:
    void open()
    {
        host.clearCalls();
        plugin = std::make_unique<PluginInstance>(*module, host);
        check(plugin->isValid());
        plugin->dispatch(EffectOpcode::open);
        plugin->prepare(44100.0f, 512);
    }

    void getParameter(std::int32_t index)
    {
        const float value = plugin->getParameter(index);
        if (index >= 0 && index < plugin->getRecord().numParams)
            check(value >= 0.0f && value <= 1.0f);
    }

    void dispatch(FuzzInput& in)
    {
        const std::int32_t opcode = in.byte();
        const auto index = in.read<std::int32_t>();
        auto value = in.read<std::int64_t>();
        const auto opt = in.read<float>();
        auto fuzzed = in.bytes();

        if (opcode == EffectOpcode::suspendResume && ++suspendResumes > maxSuspendResumesPerInput)
            return;

        const auto argument = argumentOf(opcode);

        switch (argument.kind)
        {
        case Argument::leftOut:
            return;
        case Argument::nothing:
            plugin->dispatch(opcode, index, value, fuzzed.empty() ? nullptr : fuzzed.data(), opt);
            return;
        case Argument::textIn:
        {
            auto text = textFrom(fuzzed, argument.capacity);
            plugin->dispatch(opcode, index, value, text.data(), opt);
            return;
        }
        case Argument::textOut:
        case Argument::pin:
        case Argument::record:
        {
            const auto before = bufferOf(fuzzed, argument.capacity);
            auto buffer = before;
            plugin->dispatch(opcode, index, value, buffer.data(), opt);
            if (argument.kind == Argument::textOut)
                checkWrittenText(before, buffer);
            return;
        }
        case Argument::chunkOut:
            getChunk(index, value, opt);
            return;
        case Argument::chunkIn:
            // A host hands over its bytes with their size; no bytes, a null pointer and any size.
            if (!fuzzed.empty())
                value = static_cast<std::int64_t>(fuzzed.size());
            plugin->dispatch(opcode, index, value, fuzzed.empty() ? nullptr : fuzzed.data(), opt);
            return;
        case Argument::setSpeakers:
            setSpeakers(fuzzed, index, opt);
            return;
        case Argument::getSpeakers:
            getSpeakers(index, opt);
            return;
        }
    }

    // Opcode 23; the host copies the chunk it is pointed to.
    void getChunk(std::int32_t index, std::int64_t value, float opt)
    {
        void* data = reinterpret_cast<void*>(std::intptr_t{-1});
        const auto size = plugin->dispatch(EffectOpcode::getChunk, index, value, &data, opt);
        if (size <= 0)
            return;
        check(data != nullptr);
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        lastChunk.assign(bytes, bytes + size);
    }

    void roundTripChunk(bool programOnly)
    {
        getChunk(programOnly ? 1 : 0, 0, 0.0f);
        if (!lastChunk.empty())
            plugin->setChunk(std::vector<char>(lastChunk.begin(), lastChunk.end()), programOnly);
    }

    // Opcode 42: the input arrangement's address in the value, the output's in the pointer. Bits
    // 0 and 1 of the index make either of them null.
    void setSpeakers(const Bytes& fuzzed, std::int32_t index, float opt)
    {
        FuzzInput arrangements(fuzzed.data(), fuzzed.size());
        auto input = arrangementFrom(arrangements);
        auto output = arrangementFrom(arrangements);
        const bool noInput = (index & 1) != 0;
        const bool noOutput = (index & 2) != 0;
        plugin->dispatch(EffectOpcode::setSpeakerArrangement, index,
                         noInput ? 0 : reinterpret_cast<std::intptr_t>(input.data()),
                         noOutput ? nullptr : output.data(), opt);
    }

    // Opcode 69: the plug-in points the host's two pointers at its arrangements.
    void getSpeakers(std::int32_t index, float opt)
    {
        VstSpeakerArrangement* input = nullptr;
        VstSpeakerArrangement* output = nullptr;
        const bool noInput = (index & 1) != 0;
        const bool noOutput = (index & 2) != 0;
        const auto answer = plugin->dispatch(EffectOpcode::getSpeakerArrangement, index,
                                             noInput ? 0 : reinterpret_cast<std::intptr_t>(&input),
                                             noOutput ? nullptr : &output, opt);
        if (answer == 0)
            return;
        readArrangement(input);
        readArrangement(output);
    }

    // One block of fuzzed samples through a process entry. Flags: bit 0 in place, bit 1 no input
    // array, bit 2 a null output channel.
    template <typename Sample, typename Entry> void process(FuzzInput& in, Entry entry)
    {
        const auto frames = static_cast<std::size_t>(in.read<std::uint16_t>() % (maxFrames + 1));
        const auto flags = in.byte();
        const auto samples = in.bytes();
        framesProcessed += frames;
        if (framesProcessed > maxFramesPerInput)
            return;
        const auto& record = plugin->getRecord();

        const auto numInputs = static_cast<std::size_t>(std::max(record.numInputs, 0));
        const auto numOutputs = static_cast<std::size_t>(std::max(record.numOutputs, 0));
        std::vector<std::vector<Sample>> inputs(numInputs, std::vector<Sample>(frames));
        std::vector<std::vector<Sample>> outputs(numOutputs, std::vector<Sample>(frames));
        fillWithSamples(inputs, samples);

        std::vector<Sample*> inputPointers, outputPointers;
        for (auto& channel : inputs)
            inputPointers.push_back(channel.data());
        for (std::size_t channel = 0; channel < numOutputs; ++channel)
            outputPointers.push_back((flags & 1) != 0 && channel < numInputs
                                         ? inputs[channel].data()
                                         : outputs[channel].data());
        if ((flags & 4) != 0 && !outputPointers.empty())
            outputPointers.back() = nullptr;

        auto* effect = &plugin->getRecord();
        entry(effect, (flags & 2) != 0 ? nullptr : inputPointers.data(), outputPointers.data(),
              static_cast<std::int32_t>(frames));
    }

    void checkInvariants()
    {
        const auto program = plugin->dispatch(EffectOpcode::getProgram);
        check(program >= 0 && program < plugin->getRecord().numPrograms);
        for (std::int32_t index = 0; index < plugin->getRecord().numParams; ++index)
            getParameter(index);
    }

    RecordingHost host;
    std::unique_ptr<PluginInstance> plugin;
    Bytes lastChunk;
    int suspendResumes = 0;
    int reopens = 0;
    std::size_t framesProcessed = 0;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzztarget::runHeadless();
    // Loaded before the first input, so that the fuzzer counts the module's coverage from the
    // start. An instance stays open for the whole run: the framework and the message thread the
    // module shares among its instances then live as long as in a host with a project open.
    static const PluginModule loaded(STOMPIX_VST2_PLUGIN_PATH);
    check(loaded.isLoaded());
    module = &loaded;
    static RecordingHost keeperHost;
    static PluginInstance keeper(loaded, keeperHost);
    check(keeper.isValid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    Session().run(in);
    return 0;
}
