#include "ChunkBuffer.h"
#include "TestDataModel.h"
#include "TestHost.h"

#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "ACF/acfresult.h"
#include "ACF/acfuids.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
using aaxhost::AutomationEvent;
using aaxhost::ChunkBuffer;
using aaxtest::TestDataModel;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = AutomationEvent::Kind;

constexpr AAX_CTypeID elck = 0x656C636B;
constexpr AAX_CTypeID juce = 0x6A756365;

// A data model initialised on an instance of the test host, which answers every set-value
// request with an update, as a host that accepts the change does.
class DataModel : public ::testing::Test
{
protected:
    void SetUp() override { initialize(); }

    void TearDown() override
    {
        model = ACFPtr<TestDataModel>();
        EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
    }

    void initialize()
    {
        instance.automation().echoSetValueRequests(
            [this](const char* identifier, double value)
            { model->UpdateParameterNormalizedValue(identifier, value, {}); });
        ASSERT_EQ(model->Initialize(instance.unknown()), AAX_SUCCESS);
        instance.automation().clearEvents();
    }

    double valueOf(const char* identifier) const
    {
        double value = -1.0;
        EXPECT_EQ(model->GetParameterNormalizedValue(identifier, &value), AAX_SUCCESS);
        return value;
    }

    std::string text(const std::function<AAX_Result(AAX_IString*)>& call,
                     AAX_Result expected = AAX_SUCCESS) const
    {
        AAX_CString result("untouched");
        EXPECT_EQ(call(&result), expected);
        return result.Get();
    }

    // The parameter chunk as a host fetches it: size first, then the chunk of that size.
    ChunkBuffer fetchChunk() const
    {
        uint32_t size = 0;
        EXPECT_EQ(model->GetChunkSize(elck, &size), AAX_SUCCESS);
        ChunkBuffer buffer(size);
        EXPECT_EQ(model->GetChunk(elck, buffer.chunk()), AAX_SUCCESS);
        buffer.chunk()->fChunkID = elck;
        return buffer;
    }

    const std::vector<AutomationEvent>& events() const { return instance.automation().events(); }

    aaxhost::TestHost host;
    aaxhost::InstanceHost& instance = host.newInstance();
    ACFPtr<TestDataModel> model = aaxtest::MakeCounted<TestDataModel>();
};

TEST_F(DataModel, AnswersEveryOperationByIdentifierForAParameterItDoesNotHave)
{
    double real = 7.0;
    int32_t integer = 7;
    AAX_CBoolean flag = 7;
    AAX_EParameterType type = AAX_eParameterType_Continuous;
    AAX_IParameter* parameter = model->mParameterManager.GetParameter(0);
    const AAX_CString text("0.5");
    const std::vector<std::pair<const char*, std::function<AAX_Result(const char*)>>> calls = {
        {"steps", [&](const char* id) { return model->GetParameterNumberOfSteps(id, &integer); }},
        {"default",
         [&](const char* id) { return model->GetParameterDefaultNormalizedValue(id, &real); }},
        {"set default",
         [&](const char* id) { return model->SetParameterDefaultNormalizedValue(id, 0.5); }},
        {"type", [&](const char* id) { return model->GetParameterType(id, &type); }},
        {"orientation",
         [&](const char* id) { return model->GetParameterOrientation(id, &integer); }},
        {"parameter", [&](const char* id) { return model->GetParameter(id, &parameter); }},
        {"index", [&](const char* id) { return model->GetParameterIndex(id, &integer); }},
        {"from string",
         [&](const char* id) { return model->GetParameterValueFromString(id, &real, text); }},
        {"value", [&](const char* id) { return model->GetParameterNormalizedValue(id, &real); }},
        {"set value", [&](const char* id) { return model->SetParameterNormalizedValue(id, 0.5); }},
        {"set relative",
         [&](const char* id) { return model->SetParameterNormalizedRelative(id, 0.1); }},
        {"touch", [&](const char* id) { return model->TouchParameter(id); }},
        {"release", [&](const char* id) { return model->ReleaseParameter(id); }},
        {"update",
         [&](const char* id) { return model->UpdateParameterNormalizedValue(id, 0.5, {}); }},
        {"update relative",
         [&](const char* id) { return model->UpdateParameterNormalizedRelative(id, 0.1); }},
        {"automatable",
         [&](const char* id) { return model->GetParameterIsAutomatable(id, &flag); }},
    };
    for (const char* absent : {"9", "", static_cast<const char*>(nullptr)})
    {
        for (const auto& [name, call] : calls)
            EXPECT_EQ(call(absent), AAX_ERROR_INVALID_PARAMETER_ID)
                << name << " of " << (absent ? absent : "null");
    }
    EXPECT_EQ(real, 7.0);
    EXPECT_EQ(integer, -1); // the index lookup writes -1
    EXPECT_EQ(flag, 0);     // the automatable flag is written before the lookup
    EXPECT_EQ(parameter, nullptr);
    EXPECT_THAT(events(), IsEmpty());

    // Names and texts of a parameter that is not there.
    EXPECT_EQ(this->text([&](AAX_IString* out) { return model->GetParameterName("9", out); }), "");
    EXPECT_EQ(
        this->text([&](AAX_IString* out) { return model->GetParameterNameOfLength("9", out, 4); }),
        "");
    EXPECT_EQ(this->text([&](AAX_IString* out) { return model->GetParameterIDFromIndex(4, out); },
                         AAX_ERROR_INVALID_PARAMETER_ID),
              "");
    EXPECT_EQ(this->text([&](AAX_IString* out)
                         { return model->GetParameterStringFromValue("9", 0.5, out, 8); },
                         AAX_ERROR_INVALID_PARAMETER_ID),
              "untouched");
    EXPECT_EQ(this->text([&](AAX_IString* out)
                         { return model->GetParameterValueString("9", out, 8); },
                         AAX_ERROR_INVALID_PARAMETER_ID),
              "untouched");
}

TEST_F(DataModel, DescribesItsParametersByIdentifierAndIndex)
{
    int32_t count = 0;
    EXPECT_EQ(model->GetNumberOfParameters(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(text([&](AAX_IString* out) { return model->GetMasterBypassParameter(out); }),
              "MasterBypassID");
    EXPECT_EQ(text([&](AAX_IString* out) { return model->GetParameterIDFromIndex(1, out); }), "0");
    int32_t index = -5;
    EXPECT_EQ(model->GetParameterIndex("2", &index), AAX_SUCCESS);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(text([&](AAX_IString* out) { return model->GetParameterName("1", out); }), "Rate");

    int32_t steps = 0;
    EXPECT_EQ(model->GetParameterNumberOfSteps("MasterBypassID", &steps), AAX_SUCCESS);
    EXPECT_EQ(steps, 2);
    AAX_EParameterType type = AAX_eParameterType_Continuous;
    EXPECT_EQ(model->GetParameterType("MasterBypassID", &type), AAX_SUCCESS);
    EXPECT_EQ(type, AAX_eParameterType_Discrete);
    double real = 0.0;
    EXPECT_EQ(model->GetParameterDefaultNormalizedValue("1", &real), AAX_SUCCESS);
    EXPECT_EQ(real, 0.25);
    AAX_CBoolean automatable = 0;
    EXPECT_EQ(model->GetParameterIsAutomatable("0", &automatable), AAX_SUCCESS);
    EXPECT_EQ(automatable, 1);
    AAX_IParameter* parameter = nullptr;
    EXPECT_EQ(model->GetParameter("2", &parameter), AAX_SUCCESS);
    EXPECT_EQ(parameter, model->mParameterManager.GetParameter(3));

    // Texts: an unreadable one is refused and leaves the output alone.
    real = -1.0;
    EXPECT_EQ(model->GetParameterValueFromString("0", &real, AAX_CString("0.75")), AAX_SUCCESS);
    EXPECT_EQ(real, 0.75);
    EXPECT_EQ(model->GetParameterValueFromString("0", &real, AAX_CString("fast")),
              AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ(real, 0.75);
    EXPECT_EQ(text([&](AAX_IString* out)
                   { return model->GetParameterStringFromValue("0", 0.125, out, 5); }),
              "0.125");
    EXPECT_EQ(text([&](AAX_IString* out)
                   { return model->GetParameterStringFromValue("MasterBypassID", 1.0, out, 8); }),
              "on");
    EXPECT_EQ(text([&](AAX_IString* out) { return model->GetParameterValueString("0", out, 3); }),
              "0.5");

    // What the layer does not implement, and what it answers without doing anything.
    int32_t info = 9;
    EXPECT_EQ(model->GetParameterValueInfo("0", 1, &info), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(info, 0);
    float curve = 0.0f;
    EXPECT_EQ(model->GetCurveData(0, &curve, 1, &curve), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(model->RenderAudio_Hybrid(nullptr), AAX_ERROR_UNIMPLEMENTED);
    uint32_t meters[2] = {};
    EXPECT_EQ(model->GetCurveDataMeterIds(0, &meters[0], &meters[1]), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(model->GetCurveDataDisplayRange(0, &curve, &curve, &curve, &curve),
              AAX_ERROR_UNIMPLEMENTED);
    uint32_t written = 9;
    EXPECT_EQ(model->GetCustomData(1, 4, &info, &written), AAX_SUCCESS);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(model->SetCustomData(1, 4, &info), AAX_SUCCESS);
    EXPECT_EQ(model->UpdateParameterTouch("0", 1), AAX_SUCCESS);
    EXPECT_EQ(model->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ(model->DoMIDITransfers(), AAX_SUCCESS);
    unsigned char field[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(model->ResetFieldData(4, field, 5), AAX_SUCCESS);
    EXPECT_THAT(field, ElementsAre(0, 0, 0, 0, 0, 6));

    // A missing output is refused instead of written through.
    EXPECT_EQ(model->GetNumberOfParameters(nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(model->GetParameterName("0", nullptr), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ(model->GetParameterNormalizedValue("0", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(model->ResetFieldData(4, nullptr, 8), AAX_ERROR_NULL_OBJECT);
}

TEST_F(DataModel, RefusesAStepCountTheHostWouldReadAsNegative)
{
    auto parameter = TestDataModel::Float("steps", 0.0f);
    parameter->SetNumberOfSteps(0x80000000u);
    ASSERT_EQ(model->Uninitialize(), AAX_SUCCESS);
    model->extraParameters.push_back(std::move(parameter));
    initialize();

    int32_t steps = 12;
    EXPECT_EQ(model->GetParameterNumberOfSteps("steps", &steps), AAX_ERROR_INVALID_PARAMETER_STEPS);
    EXPECT_EQ(steps, 12);
}

TEST(DataModelLife, InitializeAsksForTheHostsInterfacesThenLetsTheEffectMakeItsParameters)
{
    aaxhost::TestHost host;
    auto& instance = host.newInstance();
    {
        const auto model = aaxtest::MakeCounted<TestDataModel>();
        EXPECT_EQ(model->Controller(), nullptr);
        ASSERT_EQ(model->Initialize(instance.unknown()), AAX_SUCCESS);

        EXPECT_THAT(instance.queries(),
                    ElementsAre(IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3,
                                IID_IAAXAutomationDelegateV1, IID_IAAXTransportV1,
                                IID_IAAXTransportV2));
        EXPECT_TRUE(model->controllerDuringInit);
        EXPECT_TRUE(model->transportDuringInit);
        EXPECT_THAT(instance.automation().events(),
                    ElementsAre(AutomationEvent{Kind::registerParameter, "MasterBypassID"},
                                AutomationEvent{Kind::registerParameter, "0"},
                                AutomationEvent{Kind::registerParameter, "1"},
                                AutomationEvent{Kind::registerParameter, "2"}));

        ASSERT_EQ(model->Uninitialize(), AAX_SUCCESS);
        EXPECT_EQ(model->Controller(), nullptr);
        EXPECT_EQ(model->Transport(), nullptr);
        EXPECT_EQ(instance.automation().registrations("0"), 0);
        EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
        // Nothing to post to once the host's objects are gone.
        EXPECT_EQ(model->GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ(model->Uninitialize(), AAX_SUCCESS);
    }
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST(DataModelLife, AnEffectInitThatFailsEndsInitialize)
{
    aaxhost::TestHost host;
    auto& instance = host.newInstance();
    const auto model = aaxtest::MakeCounted<TestDataModel>();
    model->effectInitResult = -42;
    EXPECT_EQ(model->Initialize(instance.unknown()), -42);
}

// A host may skip Uninitialize, or initialise twice: what the data model took from the host is
// given back all the same, the parameters first, as they unregister through the host.
TEST(DataModelLife, GivesBackWhatItTookFromTheHostWhateverTheHostSkipsOrRepeats)
{
    aaxhost::TestHost host;
    auto& first = host.newInstance();
    auto& second = host.newInstance();
    {
        const auto model = aaxtest::MakeCounted<TestDataModel>();
        ASSERT_EQ(model->Initialize(first.unknown()), AAX_SUCCESS);
        ASSERT_EQ(model->Initialize(second.unknown()), AAX_SUCCESS);
        EXPECT_EQ(first.automation().registrations("MasterBypassID"), 0);
        EXPECT_TRUE(first.controller().balanced());
        EXPECT_EQ(second.automation().registrations("MasterBypassID"), 1);

        // The new controller gets the bypass packet, although the first one had it already.
        EXPECT_EQ(model->GenerateCoefficients(), AAX_SUCCESS);
        EXPECT_EQ(second.controller().posts().size(), 1u);
    }
    EXPECT_EQ(second.automation().registrations("MasterBypassID"), 0);
    EXPECT_EQ(second.automation().registrations("2"), 0);
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST_F(DataModel, HostUpdatesStoreValuesMarkPacketsAndCountChanges)
{
    int32_t changes = -1;
    ASSERT_EQ(model->GetNumberOfChanges(&changes), AAX_SUCCESS);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(model->GenerateCoefficients(), AAX_SUCCESS); // the first post of the bypass
    instance.controller().clearPosts();

    EXPECT_EQ(model->UpdateParameterNormalizedValue("MasterBypassID", 1.0, {}), AAX_SUCCESS);
    EXPECT_EQ(model->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ(model->UpdateParameterNormalizedValue("MasterBypassID", 1.0, {}), AAX_SUCCESS);
    EXPECT_EQ(model->GenerateCoefficients(), AAX_SUCCESS);
    model->GetNumberOfChanges(&changes);
    EXPECT_EQ(changes, 1);
    // Both updates marked the packet; each dispatch posted the bypass word once.
    const auto& posts = instance.controller().posts();
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_THAT(posts[1].payload, ElementsAre(1, 0, 0, 0));
    EXPECT_EQ(posts[1].port, TestDataModel::bypassPort);

    EXPECT_EQ(model->UpdateParameterNormalizedValue("0", 0.75, {}), AAX_SUCCESS);
    EXPECT_EQ(valueOf("0"), 0.75);
    model->GetNumberOfChanges(&changes);
    EXPECT_EQ(changes, 2);
    EXPECT_THAT(events(), ElementsAre(AutomationEvent{Kind::currentValue, "MasterBypassID", 1.0},
                                      AutomationEvent{Kind::currentValue, "0", 0.75}));
}

TEST_F(DataModel, RelativeChangesAreLimitedToTheRange)
{
    struct Case
    {
        const char* identifier;
        double start;
        double delta;
        double expected;
    };
    const Case cases[] = {{"0", 0.9, 0.3, 1.0}, {"1", 0.1, -0.3, 0.0}, {"2", 0.5, 0.25, 0.75}};
    for (const Case& c : cases)
    {
        model->UpdateParameterNormalizedValue(c.identifier, c.start, {});
        instance.automation().clearEvents();
        EXPECT_EQ(model->SetParameterNormalizedRelative(c.identifier, c.delta), AAX_SUCCESS);
        EXPECT_THAT(events(),
                    ElementsAre(AutomationEvent{Kind::touch, c.identifier},
                                AutomationEvent{Kind::setValueRequest, c.identifier, c.expected},
                                AutomationEvent{Kind::currentValue, c.identifier, c.expected},
                                AutomationEvent{Kind::release, c.identifier}));

        model->UpdateParameterNormalizedValue(c.identifier, c.start, {});
        EXPECT_EQ(model->UpdateParameterNormalizedRelative(c.identifier, c.delta), AAX_SUCCESS);
        EXPECT_EQ(valueOf(c.identifier), c.expected) << c.identifier;
    }
}

TEST_F(DataModel, ChoosesTheLongestLineOfTheShortenedNameThatFits)
{
    model->mParameterManager.GetParameter(1)->SetName(AAX_CString("Frequency\nFreq\nF\n"));
    model->mParameterManager.GetParameter(2)->SetName(AAX_CString("Abcdef"));
    struct Case
    {
        const char* identifier;
        int32_t maxLength;
        const char* expected;
    };
    const Case cases[] = {{"0", 5, "Freq"},       {"0", 4, "Freq"},  {"0", 3, "F"},
                          {"0", 20, "Frequency"}, {"0", 0, ""},      {"0", -1, ""},
                          {"1", 3, "Abc"},        {"1", 6, "Abcdef"}};
    for (const Case& c : cases)
        EXPECT_EQ(text([&](AAX_IString* out)
                       { return model->GetParameterNameOfLength(c.identifier, out, c.maxLength); }),
                  c.expected)
            << c.identifier << " within " << c.maxLength;
    EXPECT_EQ(model->GetParameterNameOfLength("0", nullptr, 4),
              AAX_ERROR_INVALID_STRING_CONVERSION);
}

TEST_F(DataModel, ThePreviewNotificationSwitchesThePreviewParameterWhenItCarriesAWord)
{
    ASSERT_EQ(model->Uninitialize(), AAX_SUCCESS);
    model->extraParameters.push_back(std::make_unique<AAX_CParameter<bool>>(
        cPreviewID, AAX_CString("Preview"), false, AAX_CBinaryTaperDelegate<bool>(),
        AAX_CBinaryDisplayDelegate<bool>("off", "on"), true));
    initialize();

    const int32_t on = 1;
    EXPECT_EQ(model->NotificationReceived(cPreviewNotification, &on, 2), AAX_SUCCESS);
    EXPECT_EQ(model->NotificationReceived(cPreviewNotification, nullptr, 4), AAX_SUCCESS);
    EXPECT_EQ(model->NotificationReceived(0x12345678, &on, 4), AAX_SUCCESS);
    EXPECT_THAT(events(), IsEmpty());
    EXPECT_EQ(model->NotificationReceived(cPreviewNotification, &on, 4), AAX_SUCCESS);
    EXPECT_EQ(valueOf(cPreviewID), 1.0);
}

TEST_F(DataModel, WritesEveryParameterButTheBypassIntoTheChunkOnceItsSizeWasAsked)
{
    ChunkBuffer early(64);
    EXPECT_EQ(model->GetChunk(elck, early.chunk()), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    int32_t numChunks = 0;
    EXPECT_EQ(model->GetNumberOfChunks(&numChunks), AAX_SUCCESS);
    EXPECT_EQ(numChunks, 1);
    AAX_CTypeID identifier = 1;
    EXPECT_EQ(model->GetChunkIDFromIndex(0, &identifier), AAX_SUCCESS);
    EXPECT_EQ(identifier, elck);
    EXPECT_EQ(model->GetChunkIDFromIndex(1, &identifier), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ(identifier, 0u);
    uint32_t size = 9;
    EXPECT_EQ(model->GetChunkSize(juce, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(model->GetChunk(juce, early.chunk()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(model->SetChunk(juce, early.chunk()), AAX_ERROR_INVALID_CHUNK_ID);

    model->UpdateParameterNormalizedValue("MasterBypassID", 1.0, {});
    const ChunkBuffer chunk = fetchChunk();
    EXPECT_EQ(chunk.chunk()->fSize, 40);
    EXPECT_EQ(chunk.chunk()->fVersion, -1);
    EXPECT_STREQ(chunk.chunk()->fName, "Complete Controls State");
    EXPECT_EQ(chunk.DataHex(), aaxhost::WithoutSpaces("01010101 645F3000 3FE0000000000000"
                                                      " 645F3100 3FD0000000000000"
                                                      " 645F3200 3FF0000000000000"));

    // A change since the size was asked makes data of another size: refused.
    ASSERT_EQ(model->Uninitialize(), AAX_SUCCESS);
    model->extraParameters.push_back(TestDataModel::Float("grown", 0.5f));
    initialize();
    ChunkBuffer stale(40);
    EXPECT_EQ(model->GetChunk(elck, stale.chunk()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
}

TEST_F(DataModel, RestoresTheChunkThroughTheHostsAutomationAndLeavesTheBypassAlone)
{
    // Values for "0" and "2", a foreign entry, and a bypass entry that must not be taken.
    const ChunkBuffer chunk = ChunkBuffer::Holding("01010101 645F3000 3FC0000000000000"
                                                   " 6C5F4D6173746572427970617373494400 000000"
                                                   " 00000001 645F3200 3FE8000000000000");
    EXPECT_EQ(model->SetChunk(elck, chunk.chunk()), AAX_SUCCESS);
    EXPECT_THAT(
        events(),
        ElementsAre(
            AutomationEvent{Kind::touch, "0"}, AutomationEvent{Kind::setValueRequest, "0", 0.125},
            AutomationEvent{Kind::currentValue, "0", 0.125}, AutomationEvent{Kind::release, "0"},
            AutomationEvent{Kind::touch, "2"}, AutomationEvent{Kind::setValueRequest, "2", 0.75},
            AutomationEvent{Kind::currentValue, "2", 0.75}, AutomationEvent{Kind::release, "2"}));
    EXPECT_EQ(valueOf("0"), 0.125);
    EXPECT_EQ(valueOf("1"), 0.25);
    EXPECT_EQ(valueOf("MasterBypassID"), 0.0);

    // A chunk that does not parse restores nothing.
    instance.automation().clearEvents();
    EXPECT_EQ(model->SetChunk(elck, ChunkBuffer::Holding("00000000 645F3000").chunk()),
              AAX_SUCCESS);
    EXPECT_THAT(events(), IsEmpty());
    EXPECT_EQ(model->SetChunk(elck, nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST_F(DataModel, ComparesAChunkWithTheCurrentValues)
{
    const auto compare = [this](const ChunkBuffer& chunk)
    {
        AAX_CBoolean equal = 7;
        EXPECT_EQ(model->CompareActiveChunk(chunk.chunk(), &equal), AAX_SUCCESS);
        return equal;
    };
    ChunkBuffer saved = fetchChunk();
    EXPECT_EQ(compare(saved), 1);

    // The bypass is not compared; a float parameter is.
    model->UpdateParameterNormalizedValue("MasterBypassID", 1.0, {});
    EXPECT_EQ(compare(saved), 1);
    model->UpdateParameterNormalizedValue("1", 0.3, {});
    EXPECT_EQ(compare(saved), 0);

    // Another chunk's identifier compares as equal, data that do not parse as not equal.
    saved.chunk()->fChunkID = juce;
    EXPECT_EQ(compare(saved), 1);
    ChunkBuffer broken = ChunkBuffer::Holding("00000000");
    broken.chunk()->fChunkID = elck;
    EXPECT_EQ(compare(broken), 0);
    AAX_CBoolean equal = 0;
    EXPECT_EQ(model->CompareActiveChunk(nullptr, &equal), AAX_ERROR_NULL_OBJECT);
}

// A derived data model that counts more parameters than the manager holds: the chunk skips the
// indices without a parameter instead of reaching through a null pointer.
class OvercountingDataModel final : public TestDataModel
{
public:
    AAX_Result GetNumberOfParameters(int32_t* outNumParameters) const override
    {
        const AAX_Result result = TestDataModel::GetNumberOfParameters(outNumParameters);
        *outNumParameters += 3;
        return result;
    }
};

TEST(DataModelChunks, SkipIndicesWithoutAParameter)
{
    aaxhost::TestHost host;
    auto& instance = host.newInstance();
    const auto model = aaxtest::MakeCounted<OvercountingDataModel>();
    ASSERT_EQ(model->Initialize(instance.unknown()), AAX_SUCCESS);

    uint32_t size = 0;
    ASSERT_EQ(model->GetChunkSize(elck, &size), AAX_SUCCESS);
    EXPECT_EQ(size, 40u);
    ChunkBuffer chunk(size);
    ASSERT_EQ(model->GetChunk(elck, chunk.chunk()), AAX_SUCCESS);
    chunk.chunk()->fChunkID = elck;
    EXPECT_EQ(model->SetChunk(elck, chunk.chunk()), AAX_SUCCESS);
    AAX_CBoolean equal = 0;
    EXPECT_EQ(model->CompareActiveChunk(chunk.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 1);
}

TEST(DataModelObject, AnswersItsThreeInterfaceVersionsAndTheUnknownButNotTheGUI)
{
    const auto model = aaxtest::MakeCounted<TestDataModel>();
    const uint32_t liveBefore = CACFUnknown::GetActiveObjectCount();
    for (const acfIID& iid :
         {IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2, IID_IAAXEffectParametersV3})
    {
        void* out = nullptr;
        ASSERT_EQ(model->QueryInterface(iid, &out), ACF_OK);
        EXPECT_EQ(out, static_cast<AAX_IACFEffectParameters_V3*>(model.get()));
        EXPECT_EQ(model->Release(), 1u); // the holder's reference remains
    }
    void* unknown = nullptr;
    ASSERT_EQ(model->QueryInterface(IID_IACFUnknown, &unknown), ACF_OK);
    EXPECT_NE(unknown, nullptr);
    EXPECT_EQ(static_cast<IACFUnknown*>(unknown)->Release(), 1u);

    void* gui = &unknown;
    EXPECT_EQ(model->QueryInterface(IID_IAAXEffectGUIV1, &gui), ACF_E_NOINTERFACE);
    EXPECT_EQ(gui, nullptr);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), liveBefore);
}
} // namespace
