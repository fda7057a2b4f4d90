// libFuzzer target: the built AAX module, loaded and registered by the test host, with one
// instance per input driven through its data model as a host drives it. Each input is a sequence
// of host calls: chunks of the parameters ('elck'), of the processor's state ('juce') or of any
// other identifier handed to SetChunk and CompareActiveChunk; the module's own chunks fetched,
// restored and compared; the calls by parameter identifier, with the module's identifiers or
// fuzzed ones, fuzzed values, lengths and texts; notifications, field data and custom data;
// audio blocks; and the host's timer.
//
// A chunk is allocated to the byte for the data size it states (a host's record never claims more
// data than it holds), so AddressSanitizer reports any read beyond it. The editor is left out: it
// needs a window of the host's and a display.

#include "ChunkBuffer.h"
#include "EffectInstance.h"
#include "PluginModule.h"
#include "TestHost.h"

#include "AAX_CString.h"
#include "AAX_Errors.h"

#include <FuzzInput.h>
#include <FuzzTarget.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
using fuzztarget::check;

constexpr AAX_CTypeID parameterChunk = 0x656C636B; // 'elck'
constexpr AAX_CTypeID stateChunk = 0x6A756365;     // 'juce'
constexpr std::uint16_t maxFrames = 4096;

const char* const moduleIdentifiers[] = {
    "MasterBypassID", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "PreviewID"};
constexpr std::size_t numProcessorParameters = 10;

struct LoadedModule
{
    aaxhost::PluginModule module{STOMPIX_AAX_MODULE_PATH};
    aaxhost::TestHost host;
    IACFPluginDefinition* definition = nullptr;
    aaxhost::HostEffectDescriptor* effect = nullptr;
    std::unique_ptr<aaxhost::EffectInstance> keeper;
};

LoadedModule* loaded = nullptr;

AAX_CTypeID chunkIdentifier(FuzzInput& in)
{
    switch (in.byte() % 3)
    {
    case 0:
        return parameterChunk;
    case 1:
        return stateChunk;
    default:
        return in.read<AAX_CTypeID>();
    }
}

// A chunk record as a host hands one over: the stated size is at most the data it holds.
aaxhost::ChunkBuffer chunkFrom(FuzzInput& in, AAX_CTypeID identifier)
{
    const auto version = in.read<std::int32_t>();
    const auto statedSize = in.read<std::int32_t>();
    const auto name = in.bytes(32);
    const auto data = in.bytes();

    aaxhost::ChunkBuffer buffer(data.size());
    AAX_SPlugInChunk* chunk = buffer.chunk();
    std::copy(data.begin(), data.end(), chunk->fData);
    std::copy(name.begin(), name.end(), chunk->fName);
    chunk->fVersion = version;
    chunk->fChunkID = identifier;
    if (statedSize < static_cast<std::int64_t>(data.size()))
        chunk->fSize = statedSize;
    return buffer;
}

class Session
{
public:
    explicit Session(std::size_t component)
        : instance(
              loaded->host, *loaded->effect,
              *loaded->effect->components().at(component % loaded->effect->components().size()))
    {
        check(instance.createDataModel() == AAX_SUCCESS);
    }

    void run(FuzzInput& in)
    {
        while (!in.empty())
        {
            switch (in.byte() % 7)
            {
            case 0:
            {
                const auto identifier = chunkIdentifier(in);
                const auto chunk = chunkFrom(in, identifier);
                parameters().SetChunk(identifier, chunk.chunk());
                break;
            }
            case 1:
            {
                const auto chunk = chunkFrom(in, chunkIdentifier(in));
                AAX_CBoolean equal = 0;
                parameters().CompareActiveChunk(chunk.chunk(), &equal);
                break;
            }
            case 2:
                roundTripChunk(chunkIdentifier(in));
                break;
            case 3:
                callByIdentifier(in);
                break;
            case 4:
                process(in);
                break;
            case 5:
                instance.idle();
                break;
            case 6:
                otherCall(in);
                break;
            }
        }

        checkParameters();
    }

    aaxhost::InstanceHost& host() { return instance.host(); }

private:
    AAX_IACFEffectParameters_V3& parameters() { return instance.dataModel(); }

    // The module's own chunk, fetched as a host does, restored and compared: a parameter chunk
    // just written compares as equal.
    void roundTripChunk(AAX_CTypeID identifier)
    {
        uint32_t size = 0;
        if (parameters().GetChunkSize(identifier, &size) != AAX_SUCCESS)
            return;
        aaxhost::ChunkBuffer chunk(size);
        if (parameters().GetChunk(identifier, chunk.chunk()) != AAX_SUCCESS)
            return;
        check(chunk.chunk()->fSize == static_cast<int32_t>(size));
        chunk.chunk()->fChunkID = identifier;

        if (identifier == parameterChunk)
        {
            AAX_CBoolean equal = 0;
            check(parameters().CompareActiveChunk(chunk.chunk(), &equal) == AAX_SUCCESS);
            check(equal == 1);
        }
        parameters().SetChunk(identifier, chunk.chunk());
    }

    // One call by parameter identifier. Flags: bit 0 null outputs, bit 1 a null identifier.
    void callByIdentifier(FuzzInput& in)
    {
        const auto selector = in.byte();
        const auto operation = in.byte();
        const auto flags = in.byte();
        const auto value = in.read<double>();
        const auto number = in.read<std::int32_t>();
        auto text = in.bytes();
        text.push_back(0);
        const auto* fuzzedText = reinterpret_cast<const char*>(text.data());

        const char* identifier =
            selector < std::size(moduleIdentifiers) ? moduleIdentifiers[selector] : fuzzedText;
        if ((flags & 2) != 0)
            identifier = nullptr;

        const bool nullOutputs = (flags & 1) != 0;
        double number64 = 0.0;
        int32_t number32 = 0;
        AAX_CBoolean boolean = 0;
        AAX_EParameterType type{};
        AAX_CString string;
        double* const outDouble = nullOutputs ? nullptr : &number64;
        int32_t* const outInt = nullOutputs ? nullptr : &number32;
        AAX_IString* const outString = nullOutputs ? nullptr : &string;
        AAX_EUpdateSource source{};
        std::memcpy(&source, &number, std::min(sizeof source, sizeof number));

        auto& p = parameters();
        switch (operation % 22)
        {
        case 0:
            p.GetParameterNormalizedValue(identifier, outDouble);
            break;
        case 1:
            p.SetParameterNormalizedValue(identifier, value);
            break;
        case 2:
            p.UpdateParameterNormalizedValue(identifier, value, source);
            break;
        case 3:
            p.SetParameterNormalizedRelative(identifier, value);
            break;
        case 4:
            p.UpdateParameterNormalizedRelative(identifier, value);
            break;
        case 5:
            p.GetParameterStringFromValue(identifier, value, outString, number);
            break;
        case 6:
            p.GetParameterValueFromString(identifier, outDouble, AAX_CString(fuzzedText));
            break;
        case 7:
            p.GetParameterValueString(identifier, outString, number);
            break;
        case 8:
            p.GetParameterName(identifier, outString);
            break;
        case 9:
            p.GetParameterNameOfLength(identifier, outString, number);
            break;
        case 10:
            p.GetParameterDefaultNormalizedValue(identifier, outDouble);
            break;
        case 11:
            p.SetParameterDefaultNormalizedValue(identifier, value);
            break;
        case 12:
            p.GetParameterIsAutomatable(identifier, nullOutputs ? nullptr : &boolean);
            break;
        case 13:
            p.GetParameterNumberOfSteps(identifier, outInt);
            break;
        case 14:
            p.GetParameterType(identifier, nullOutputs ? nullptr : &type);
            break;
        case 15:
            p.GetParameterOrientation(identifier, outInt);
            break;
        case 16:
            p.GetParameterIndex(identifier, outInt);
            break;
        case 17:
            p.GetParameterIDFromIndex(number, outString);
            break;
        case 18:
            p.TouchParameter(identifier);
            break;
        case 19:
            p.ReleaseParameter(identifier);
            break;
        case 20:
            p.UpdateParameterTouch(identifier, static_cast<AAX_CBoolean>(number));
            break;
        case 21:
            p.GetParameterValueInfo(identifier, number, outInt);
            break;
        }
    }

    // The native process callback on a block of fuzzed samples.
    void process(FuzzInput& in)
    {
        const auto frames = static_cast<std::size_t>(in.read<std::uint16_t>() % (maxFrames + 1));
        aaxhost::EffectInstance::Channels input(static_cast<std::size_t>(instance.numInputs()),
                                                std::vector<float>(frames, 0.0f));
        fillWithSamples(input, in.bytes());

        aaxhost::EffectInstance::Channels output;
        instance.process(input, output);
    }

    // The calls whose arguments are a type, a size and a block of the host's bytes, and the
    // chunk and change queries by index.
    void otherCall(FuzzInput& in)
    {
        const auto operation = in.byte();
        const auto number = in.read<std::int32_t>();
        auto data = in.bytes();
        auto* bytes = data.empty() ? nullptr : data.data();
        const auto size = static_cast<uint32_t>(data.size());

        auto& p = parameters();
        switch (operation % 6)
        {
        case 0:
            p.NotificationReceived(static_cast<AAX_CTypeID>(number), bytes, size);
            break;
        case 1:
            p.ResetFieldData(number, bytes, size);
            break;
        case 2:
        {
            uint32_t written = 0;
            p.GetCustomData(static_cast<AAX_CTypeID>(number), size, bytes, &written);
            check(written <= size);
            break;
        }
        case 3:
            p.SetCustomData(static_cast<AAX_CTypeID>(number), size, bytes);
            break;
        case 4:
        {
            AAX_CTypeID identifier = 0;
            p.GetChunkIDFromIndex(number, &identifier);
            break;
        }
        case 5:
        {
            int32_t changes = 0;
            p.GetNumberOfChanges(&changes);
            check(changes >= 0);
            break;
        }
        }
    }

    // Whatever the host sent, the processor's parameters hold values a host can show.
    void checkParameters()
    {
        for (std::size_t index = 1; index <= numProcessorParameters; ++index)
        {
            double value = -1.0;
            check(parameters().GetParameterNormalizedValue(moduleIdentifiers[index], &value) ==
                  AAX_SUCCESS);
            check(value >= 0.0 && value <= 1.0);
        }
    }

    aaxhost::EffectInstance instance;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzztarget::runHeadless();
    // Loaded, started and registered once, before the first input, so that the fuzzer counts
    // the module's coverage from the start; never shut down, as in a host that keeps it. An
    // instance stays open for the whole run: the framework inside the module then lives as long
    // as in a host with a project open, instead of starting and ending with every input.
    loaded = new LoadedModule;
    check(loaded->module.loaded());
    check(loaded->module.startup(loaded->host.unknown()) == AAX_SUCCESS);
    check(loaded->module.registerPlugin(loaded->host.unknown(), &loaded->definition) ==
          AAX_SUCCESS);
    check(loaded->host.collections().size() == 1 &&
          loaded->host.collections()[0]->effects().size() == 1);
    loaded->effect = loaded->host.collections()[0]->effects()[0].second;
    check(loaded->effect != nullptr && !loaded->effect->components().empty());
    loaded->keeper = std::make_unique<aaxhost::EffectInstance>(
        loaded->host, *loaded->effect, *loaded->effect->components().front());
    check(loaded->keeper->createDataModel() == AAX_SUCCESS);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    aaxhost::InstanceHost* instanceHost = nullptr;
    {
        Session session(in.byte());
        instanceHost = &session.host();
        session.run(in);
    }
    // The instance has ended: the module holds none of its host objects any more.
    check(loaded->host.discardInstance(*instanceHost));
    return 0;
}
