#include "ChunkBuffer.h"
#include "FrameworkChunk.h"
#include "HeapCallCount.h"
#include "LoadedModule.h"
#include "ProcessHeapCases.h"
#include "StompixZR7714AudioProcessor.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
using aaxhost::AutomationEvent;
using aaxhost::ChunkBuffer;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = AutomationEvent::Kind;

constexpr AAX_CTypeID elck = 0x656C636B;
constexpr AAX_CTypeID juce = 0x6A756365;

struct ProcessorParameter
{
    const char* identifier;
    const char* name;
    double defaultValue;
};

const ProcessorParameter processorParameters[] = {
    {"0", "onBypass", 1.0}, {"1", "phaserType", 0.0}, {"2", "rate", 0.5}, {"3", "rateSync", 0.5},
    {"4", "depth", 0.5},    {"5", "feedback", 0.5},   {"6", "mix", 0.5},  {"7", "level", 0.5},
    {"8", "stereo", 0.0},   {"9", "sync", 0.0}};

std::string BigEndianHexOf(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llX", static_cast<unsigned long long>(bits));
    return hex;
}

// A document in a chunk as the host hands the state chunk 'juce' back.
ChunkBuffer chunkOf(const juce::XmlElement& document)
{
    const auto bytes = testsupport::frameworkChunkOf(document);
    return ChunkBuffer::Holding(
        juce::String::toHexString(bytes.data(), (int)bytes.size(), 0).toStdString());
}

class ModuleParameters : public aaxtest::LoadedModule
{
protected:
    static std::vector<std::string> RequestedIn(aaxhost::EffectInstance& instance)
    {
        std::vector<std::string> requested;
        for (const AutomationEvent& event : instance.host().automation().events())
            if (event.kind == Kind::setValueRequest)
                requested.push_back(event.parameterID);
        return requested;
    }

    double valueOf(aaxhost::EffectInstance& instance, const char* identifier)
    {
        double value = -1.0;
        EXPECT_EQ(instance.dataModel().GetParameterNormalizedValue(identifier, &value),
                  AAX_SUCCESS);
        return value;
    }

    ChunkBuffer fetchChunk(aaxhost::EffectInstance& instance, AAX_CTypeID chunkID)
    {
        uint32_t size = 0;
        EXPECT_EQ(instance.dataModel().GetChunkSize(chunkID, &size), AAX_SUCCESS);
        ChunkBuffer chunk(size);
        EXPECT_EQ(instance.dataModel().GetChunk(chunkID, chunk.chunk()), AAX_SUCCESS);
        chunk.chunk()->fChunkID = chunkID;
        return chunk;
    }
};

// A host may initialise one data model again and again, with or without Uninitialize between:
// each Initialize makes anew what the one before released, and the packet registrations the
// data model keeps for its whole life are made once. So the data model holds no more heap
// blocks after the fifth Initialize than after the second.
TEST_F(ModuleParameters, RepeatedInitializeRegistersNothingTwice)
{
    if (const auto reason = testsupport::whyHeapCallsAreNotCounted())
        GTEST_SKIP() << *reason;

    for (const bool uninitializeBetween : {false, true})
    {
        aaxhost::EffectInstance& instance = newInstance();
        const auto initializeAgain = [&]
        {
            if (uninitializeBetween)
            {
                ASSERT_EQ(instance.dataModel().Uninitialize(), AAX_SUCCESS);
            }
            ASSERT_EQ(instance.dataModel().Initialize(instance.host().unknown()), AAX_SUCCESS);
        };
        initializeAgain();

        const testsupport::HeapCallCount count;
        for (int time = 0; time < 3; ++time)
            initializeAgain();
        EXPECT_GT(count.allocated(), 0) << "the module's blocks are counted";
        EXPECT_EQ(count.held(), 0)
            << (uninitializeBetween ? "with" : "without") << " Uninitialize between";
    }
}

TEST_F(ModuleParameters, PublishesTheMasterBypassAndTheProcessorsTenParameters)
{
    AAX_IACFEffectParameters_V3& parameters = newInstance().dataModel();
    int32_t count = 0;
    ASSERT_EQ(parameters.GetNumberOfParameters(&count), AAX_SUCCESS);
    ASSERT_EQ(count, 11);
    EXPECT_EQ(TextOf([&](AAX_IString* out) { return parameters.GetMasterBypassParameter(out); }),
              "MasterBypassID");
    EXPECT_EQ(TextOf([&](AAX_IString* out)
                     { return parameters.GetParameterName("MasterBypassID", out); }),
              "Master Bypass");
    int32_t steps = 0;
    AAX_EParameterType type = AAX_eParameterType_Continuous;
    EXPECT_EQ(parameters.GetParameterNumberOfSteps("MasterBypassID", &steps), AAX_SUCCESS);
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(parameters.GetParameterType("MasterBypassID", &type), AAX_SUCCESS);
    EXPECT_EQ(type, AAX_eParameterType_Discrete);
    EXPECT_EQ(TextOf([&](AAX_IString* out)
                     { return parameters.GetParameterValueString("MasterBypassID", out, 8); }),
              "bypass");

    for (std::size_t index = 0; index < std::size(processorParameters); ++index)
    {
        const ProcessorParameter& expected = processorParameters[index];
        const char* const id = expected.identifier;
        EXPECT_EQ(TextOf([&](AAX_IString* out)
                         { return parameters.GetParameterIDFromIndex(int32_t(index + 1), out); }),
                  id);
        EXPECT_EQ(TextOf([&](AAX_IString* out) { return parameters.GetParameterName(id, out); }),
                  expected.name);
        EXPECT_EQ(TextOf([&](AAX_IString* out)
                         { return parameters.GetParameterNameOfLength(id, out, 4); }),
                  std::string(expected.name).substr(0, 4));
        double value = -1.0;
        EXPECT_EQ(parameters.GetParameterDefaultNormalizedValue(id, &value), AAX_SUCCESS);
        EXPECT_EQ(value, expected.defaultValue) << id;
        EXPECT_EQ(parameters.GetParameterNormalizedValue(id, &value), AAX_SUCCESS);
        EXPECT_EQ(value, expected.defaultValue) << id;
        // The framework's default step count for a parameter: continuous to the host.
        EXPECT_EQ(parameters.GetParameterNumberOfSteps(id, &steps), AAX_SUCCESS);
        EXPECT_EQ(steps, 0x7FFFFFFF) << id;
        EXPECT_EQ(parameters.GetParameterType(id, &type), AAX_SUCCESS);
        EXPECT_EQ(type, AAX_eParameterType_Continuous) << id;
        AAX_EParameterOrientation orientation = -1;
        EXPECT_EQ(parameters.GetParameterOrientation(id, &orientation), AAX_SUCCESS);
        EXPECT_EQ(orientation, 0) << id;
        AAX_CBoolean automatable = 0;
        EXPECT_EQ(parameters.GetParameterIsAutomatable(id, &automatable), AAX_SUCCESS);
        EXPECT_EQ(automatable, 1) << id;
    }
    EXPECT_EQ(parameters.GetParameterNormalizedValue("10", nullptr), AAX_ERROR_NULL_OBJECT);
    double value = 0.0;
    EXPECT_EQ(parameters.GetParameterNormalizedValue("10", &value), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(parameters.GetParameterNormalizedValue("01", &value), AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST_F(ModuleParameters, WritesTheDefaultParameterChunkByteForByte)
{
    aaxhost::EffectInstance& instance = newInstance();
    AAX_IACFEffectParameters_V3& parameters = instance.dataModel();
    int32_t numChunks = 0;
    ASSERT_EQ(parameters.GetNumberOfChunks(&numChunks), AAX_SUCCESS);
    EXPECT_EQ(numChunks, 2);
    AAX_CTypeID first = 0;
    AAX_CTypeID second = 0;
    EXPECT_EQ(parameters.GetChunkIDFromIndex(0, &first), AAX_SUCCESS);
    EXPECT_EQ(parameters.GetChunkIDFromIndex(1, &second), AAX_SUCCESS);
    EXPECT_EQ(first, elck);
    EXPECT_EQ(second, juce);
    EXPECT_EQ(parameters.GetChunkIDFromIndex(2, &second), AAX_ERROR_INVALID_CHUNK_INDEX);

    // The bytes 01 01 01 01, then "d_", the identifier and a NUL, and the default as a
    // big-endian double, for each of the ten; the master bypass is never stored.
    std::string expected = "01010101";
    for (const ProcessorParameter& parameter : processorParameters)
        expected += "645F3" + std::string(1, parameter.identifier[0]) + "00" +
                    BigEndianHexOf(parameter.defaultValue);
    const ChunkBuffer chunk = fetchChunk(instance, elck);
    EXPECT_EQ(chunk.chunk()->fSize, 124);
    EXPECT_EQ(chunk.DataHex(), expected);
    EXPECT_STREQ(chunk.chunk()->fName, "Complete Controls State");
}

TEST_F(ModuleParameters, AHostChangeReachesTheProcessorWhoseTextReadsBack)
{
    aaxhost::EffectInstance& instance = newInstance();
    AAX_IACFEffectParameters_V3& parameters = instance.dataModel();
    struct Case
    {
        const char* identifier;
        double value;
        const char* processorText;
        const char* hostText;
    };
    const Case cases[] = {{"2", 0.25, "2.50", "0.250"},
                          {"1", 0.5, "Type 2", "0.500"},
                          {"0", 0.0, "Off", "0.000"},
                          {"9", 1.0, "On", "1.000"}};
    for (const Case& c : cases)
    {
        instance.host().automation().clearEvents();
        ASSERT_EQ(parameters.SetParameterNormalizedValue(c.identifier, c.value), AAX_SUCCESS);
        // Asked of the host as touch, request and release; the host's answer stores it.
        EXPECT_THAT(instance.host().automation().events(),
                    ElementsAre(AutomationEvent{Kind::touch, c.identifier},
                                AutomationEvent{Kind::setValueRequest, c.identifier, c.value},
                                AutomationEvent{Kind::currentValue, c.identifier, c.value},
                                AutomationEvent{Kind::release, c.identifier}));
        EXPECT_EQ(valueOf(instance, c.identifier), c.value);
        EXPECT_EQ(
            TextOf(
                [&](AAX_IString* out)
                { return parameters.GetParameterStringFromValue(c.identifier, c.value, out, 32); }),
            c.processorText);
        EXPECT_EQ(TextOf([&](AAX_IString* out)
                         { return parameters.GetParameterValueString(c.identifier, out, 32); }),
                  c.hostText);
    }

    // An update the host sends on its own (automation playing back) reaches the processor too.
    ASSERT_EQ(parameters.UpdateParameterNormalizedValue("5", 0.75, {}), AAX_SUCCESS);
    EXPECT_EQ(valueOf(instance, "5"), 0.75);
    EXPECT_EQ(TextOf([&](AAX_IString* out)
                     { return parameters.GetParameterStringFromValue("5", 0.75, out, 32); }),
              "7.50");
    // A value other than the current one is shown by the host parameter's number display.
    EXPECT_EQ(TextOf([&](AAX_IString* out)
                     { return parameters.GetParameterStringFromValue("5", 0.125, out, 32); }),
              "0.125");
}

// The processor's state goes in the chunk 'juce'. Restored into a fresh instance, the processor
// reports every value to the host, which stores them: both instances then agree on every
// parameter and on the parameter chunk.
TEST_F(ModuleParameters, TheStateChunkRestoresAFreshInstance)
{
    aaxhost::EffectInstance& original = newInstance();
    const std::pair<const char*, double> settings[] = {{"1", 1.0},  {"2", 0.25},  {"3", 0.5},
                                                       {"4", 0.75}, {"5", 0.125}, {"8", 1.0}};
    for (const auto& [identifier, value] : settings)
        ASSERT_EQ(original.dataModel().SetParameterNormalizedValue(identifier, value), AAX_SUCCESS);
    const ChunkBuffer state = fetchChunk(original, juce);
    EXPECT_STREQ(state.chunk()->fName, "Plug-in State");
    EXPECT_EQ(state.DataHex().substr(0, 8), "56433221"); // "VC2!"

    aaxhost::EffectInstance& restored = newInstance();
    restored.host().automation().clearEvents();
    ASSERT_EQ(restored.dataModel().SetChunk(juce, state.chunk()), AAX_SUCCESS);
    for (const ProcessorParameter& parameter : processorParameters)
        EXPECT_EQ(valueOf(restored, parameter.identifier), valueOf(original, parameter.identifier))
            << parameter.identifier;
    EXPECT_THAT(RequestedIn(restored),
                ElementsAre("0", "1", "2", "3", "4", "5", "6", "7", "8", "9"));

    const ChunkBuffer parametersChunk = fetchChunk(original, elck);
    AAX_CBoolean equal = 0;
    EXPECT_EQ(restored.dataModel().CompareActiveChunk(parametersChunk.chunk(), &equal),
              AAX_SUCCESS);
    EXPECT_EQ(equal, 1);

    // A state that does not parse changes nothing.
    restored.host().automation().clearEvents();
    const ChunkBuffer garbage = ChunkBuffer::Holding("0102030405");
    EXPECT_EQ(restored.dataModel().SetChunk(juce, garbage.chunk()), AAX_SUCCESS);
    EXPECT_THAT(restored.host().automation().events(), IsEmpty());
}

// A well-formed state without a "Properties" element holds nothing to read: the program in use,
// its channel and every value stay as they are, and the host hears of no change.
TEST_F(ModuleParameters, AStateWithoutPropertiesChangesNothing)
{
    // A session's state: program 3 in use, on its channel B, with an edit.
    StompixZR7714AudioProcessor session;
    session.setCurrentProgram(3);
    session.getCurrentProgramSlot().activeChannel = 1;
    session.setCurrentProgram(3);
    session.setParameter(kMix, 0.25f);

    aaxhost::EffectInstance& instance = newInstance();
    ASSERT_EQ(instance.dataModel().SetChunk(juce, chunkOf(session.writePreset(false)).chunk()),
              AAX_SUCCESS);
    ASSERT_EQ(valueOf(instance, "6"), 0.25);
    const std::string before = fetchChunk(instance, juce).DataHex();

    instance.host().automation().clearEvents();
    EXPECT_EQ(instance.dataModel().SetChunk(juce, chunkOf(juce::XmlElement("velmorPatch")).chunk()),
              AAX_SUCCESS);
    EXPECT_TRUE(fetchChunk(instance, juce).DataHex() == before) << "the state changed";
    EXPECT_EQ(valueOf(instance, "6"), 0.25);
    EXPECT_THAT(instance.host().automation().events(), IsEmpty());
}

TEST_F(ModuleParameters, TheParameterChunkRestoresThroughTheHostsAutomation)
{
    aaxhost::EffectInstance& original = newInstance();
    ASSERT_EQ(original.dataModel().SetParameterNormalizedValue("6", 0.875), AAX_SUCCESS);
    ASSERT_EQ(original.dataModel().SetParameterNormalizedValue("MasterBypassID", 1.0), AAX_SUCCESS);
    const ChunkBuffer chunk = fetchChunk(original, elck);

    aaxhost::EffectInstance& restored = newInstance();
    AAX_CBoolean equal = 1;
    EXPECT_EQ(restored.dataModel().CompareActiveChunk(chunk.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 0);
    restored.host().automation().clearEvents();
    ASSERT_EQ(restored.dataModel().SetChunk(elck, chunk.chunk()), AAX_SUCCESS);
    EXPECT_EQ(valueOf(restored, "6"), 0.875);
    EXPECT_EQ(valueOf(restored, "MasterBypassID"), 0.0);
    EXPECT_EQ(restored.dataModel().CompareActiveChunk(chunk.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 1);
    EXPECT_THAT(RequestedIn(restored),
                ElementsAre("0", "1", "2", "3", "4", "5", "6", "7", "8", "9"));
}
} // namespace
