#include "TestHost.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_VAutomationDelegate.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

namespace
{
using aaxhost::AutomationEvent;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = AutomationEvent::Kind;

using LinearTaper = AAX_CLinearTaperDelegate<float, 0>;
using NumberDisplay = AAX_CNumberDisplayDelegate<float, 3u, 0u>;
using FloatParameter = AAX_CParameter<float>;
using BoolParameter = AAX_CParameter<bool>;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<FloatParameter> MakeFloat(const char* identifier = "0", float defaultValue = 0.5f)
{
    return std::make_unique<FloatParameter>(identifier, AAX_CString("Rate"), defaultValue,
                                            LinearTaper(0, 1), NumberDisplay(), true);
}

std::unique_ptr<BoolParameter> MakeBypass()
{
    return std::make_unique<BoolParameter>("MasterBypassID", AAX_CString("Master Bypass"), false,
                                           AAX_CBinaryTaperDelegate<bool>(),
                                           AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
}

float ValueOf(const FloatParameter& parameter)
{
    float value = -1.0f;
    EXPECT_TRUE(parameter.GetValueAsFloat(&value));
    return value;
}

std::string TextOf(const AAX_IParameter& parameter)
{
    AAX_CString text;
    EXPECT_TRUE(parameter.GetValueString(&text));
    return text.Get();
}

// A parameter registered with the test host's automation, which records every request.
class AutomatedParameter : public ::testing::Test
{
protected:
    AutomatedParameter() { parameter->SetAutomationDelegate(&automation); }

    void TearDown() override
    {
        parameter.reset();
        EXPECT_EQ(host.automation().registrations("0"), 0);
    }

    const std::vector<AutomationEvent>& events() { return host.automation().events(); }
    void forgetEvents() { host.automation().clearEvents(); }
    // The request road for a value: touch, set-value request, release.
    static std::vector<AutomationEvent> Requested(double normalized)
    {
        return {{Kind::touch, "0"}, {Kind::setValueRequest, "0", normalized}, {Kind::release, "0"}};
    }

    aaxhost::TestHost host;
    AAX_VAutomationDelegate automation{host.unknown()};
    std::unique_ptr<FloatParameter> parameter = MakeFloat();
};

TEST(Parameter, StartsAtItsDefaultWithContinuousStepsAndACutIdentifier)
{
    const auto parameter = MakeFloat("0123456789012345678901234567890123456789");
    EXPECT_STREQ(parameter->Identifier(), "0123456789012345678901234567890");
    EXPECT_EQ(parameter->GetNumberOfSteps(), 128u);
    EXPECT_EQ(parameter->GetType(), AAX_eParameterType_Continuous);
    EXPECT_EQ(parameter->GetOrientation(), 0);
    EXPECT_EQ(parameter->GetNormalizedValue(), 0.5);
    EXPECT_EQ(TextOf(*parameter), "0.500");
    EXPECT_STREQ(parameter->Name().Get(), "Rate");

    const std::unique_ptr<AAX_IParameterValue> value(parameter->CloneValue());
    EXPECT_STREQ(value->Identifier(), parameter->Identifier());
    float stored = 0.0f;
    EXPECT_TRUE(value->GetValueAsFloat(&stored));
    EXPECT_EQ(stored, 0.5f);

    EXPECT_STREQ(MakeFloat(nullptr)->Identifier(), "");
}

TEST_F(AutomatedParameter, ChangesAreRequestedAndStoredOnlyWhenTheHostUpdates)
{
    EXPECT_THAT(events(), ElementsAre(AutomationEvent{Kind::registerParameter, "0"}));
    forgetEvents();

    parameter->SetNormalizedValue(0.25);
    EXPECT_EQ(ValueOf(*parameter), 0.5f);
    EXPECT_EQ(events(), Requested(0.25));
    forgetEvents();

    parameter->UpdateNormalizedValue(0.25);
    EXPECT_EQ(ValueOf(*parameter), 0.25f);
    EXPECT_THAT(events(), ElementsAre(AutomationEvent{Kind::currentValue, "0", 0.25}));
    forgetEvents();

    parameter->UpdateNormalizedValue(0.25); // unchanged and nothing pending
    EXPECT_THAT(events(), IsEmpty());

    parameter->SetNormalizedValue(1.7);
    parameter->SetNormalizedValue(-3.0);
    auto expected = Requested(1.0);
    const auto low = Requested(0.0);
    expected.insert(expected.end(), low.begin(), low.end());
    EXPECT_EQ(events(), expected);
    EXPECT_EQ(ValueOf(*parameter), 0.25f);
}

TEST_F(AutomatedParameter, AHostThatEchoesRequestsStoresEachChangeInsideTheRequest)
{
    host.automation().echoSetValueRequests([this](const char*, double value)
                                           { parameter->UpdateNormalizedValue(value); });
    forgetEvents();

    EXPECT_TRUE(parameter->SetValueWithFloat(0.75f));
    EXPECT_EQ(ValueOf(*parameter), 0.75f);
    EXPECT_THAT(events(), ElementsAre(AutomationEvent{Kind::touch, "0"},
                                      AutomationEvent{Kind::setValueRequest, "0", 0.75},
                                      AutomationEvent{Kind::currentValue, "0", 0.75},
                                      AutomationEvent{Kind::release, "0"}));
}

TEST(Parameter, WithoutAutomationStoresAtOnce)
{
    const auto parameter = MakeFloat();
    parameter->SetNormalizedValue(0.25);
    EXPECT_EQ(ValueOf(*parameter), 0.25f);
    parameter->SetToDefaultValue();
    EXPECT_EQ(ValueOf(*parameter), 0.5f);
    parameter->SetNormalizedDefaultValue(1.5);
    EXPECT_EQ(parameter->GetNormalizedDefaultValue(), 1.0);
    EXPECT_EQ(ValueOf(*parameter), 0.5f);
}

TEST_F(AutomatedParameter, NeverRequestsOrStoresANaN)
{
    forgetEvents();
    parameter->UpdateNormalizedValue(nan);
    parameter->SetNormalizedValue(nan);
    parameter->SetValueWithFloat(std::numeric_limits<float>::quiet_NaN());
    parameter->SetNormalizedDefaultValue(nan);
    EXPECT_THAT(events(), IsEmpty());
    EXPECT_EQ(ValueOf(*parameter), 0.5f);
    EXPECT_EQ(parameter->GetNormalizedDefaultValue(), 0.5);
    EXPECT_EQ(parameter->GetStepValueFromNormalizedValue(nan), 0u);

    // A default without a position starts the parameter at the bottom of its range.
    const auto fromNaN = MakeFloat("1", std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(fromNaN->GetNormalizedDefaultValue(), 0.0);
    EXPECT_EQ(fromNaN->GetNormalizedValue(), 0.0);

    const auto bypass = MakeBypass();
    bypass->SetValueWithBool(true);
    bypass->UpdateNormalizedValue(nan);
    bool on = false;
    EXPECT_TRUE(bypass->GetValueAsBool(&on));
    EXPECT_TRUE(on);
}

TEST(Parameter, ConvertsBetweenStepsAndPositions)
{
    struct Case
    {
        uint32_t steps;
        double normalized;
        uint32_t step;
    };
    const Case toStep[] = {{2, 0.5, 1},    {2, 0.49, 0},    {128, 0.5, 64}, {128, 1.0, 127},
                           {128, -1.0, 0}, {128, 2.0, 127}, {1, 0.7, 0},    {1, 1.0, 0}};
    const Case fromStep[] = {
        {2, 1.0, 1}, {2, 1.0, 3}, {128, 64.0 / 127.0, 64}, {128, 0.0, 0}, {1, 0.0, 1}};
    auto parameter = MakeFloat();
    for (const Case& test : toStep)
    {
        parameter->SetNumberOfSteps(test.steps);
        EXPECT_EQ(parameter->GetStepValueFromNormalizedValue(test.normalized), test.step)
            << test.steps << " steps at " << test.normalized;
    }
    for (const Case& test : fromStep)
    {
        parameter->SetNumberOfSteps(test.steps);
        EXPECT_DOUBLE_EQ(parameter->GetNormalizedValueFromStep(test.step), test.normalized)
            << test.steps << " steps, step " << test.step;
    }

    parameter->SetNumberOfSteps(0); // ignored
    EXPECT_EQ(parameter->GetNumberOfSteps(), 1u);
    parameter->SetStepValue(0);
    EXPECT_EQ(ValueOf(*parameter), 0.5f);

    parameter->SetNumberOfSteps(5);
    parameter->SetStepValue(1);
    EXPECT_EQ(ValueOf(*parameter), 0.25f);
    EXPECT_EQ(parameter->GetStepValue(), 1u);
}

TEST(Parameter, OffersTheLongestShortenedNameThatFits)
{
    const auto parameter = MakeFloat();
    parameter->SetName(AAX_CString("Feedback Amt"));
    EXPECT_STREQ(parameter->ShortenedName(3).Get(), "Feedback Amt"); // none added yet
    parameter->AddShortenedName(AAX_CString("Fdbk"));
    parameter->AddShortenedName(AAX_CString("Feedback"));

    const std::pair<int32_t, const char*> cases[] = {{3, "Fdbk"},          {6, "Fdbk"},
                                                     {8, "Feedback"},      {11, "Feedback"},
                                                     {12, "Feedback Amt"}, {-1, "Feedback Amt"}};
    for (const auto& [maxChars, name] : cases)
        EXPECT_STREQ(parameter->ShortenedName(maxChars).Get(), name) << maxChars;

    parameter->AddShortenedName(AAX_CString("FdBk"));
    EXPECT_STREQ(parameter->ShortenedName(4).Get(), "FdBk");
    parameter->ClearShortenedNames();
    EXPECT_STREQ(parameter->ShortenedName(4).Get(), "Feedback Amt");
}

TEST(Parameter, TypedMembersAnswerOnlyForTheParametersOwnType)
{
    const auto rate = MakeFloat();
    const auto bypass = MakeBypass();
    int32_t integer = 7;
    double real = 7.0;
    bool flag = true;
    float single = 7.0f;

    EXPECT_FALSE(rate->GetValueAsInt32(&integer));
    EXPECT_FALSE(rate->GetValueAsDouble(&real));
    EXPECT_FALSE(rate->GetValueAsBool(&flag));
    EXPECT_FALSE(rate->GetNormalizedValueFromInt32(1, &real));
    EXPECT_FALSE(rate->GetDoubleFromNormalizedValue(0.5, &real));
    EXPECT_FALSE(rate->SetValueWithBool(true));
    EXPECT_FALSE(rate->SetValueWithDouble(0.1));
    EXPECT_FALSE(bypass->GetValueAsFloat(&single));
    EXPECT_FALSE(bypass->SetValueWithFloat(1.0f));
    EXPECT_EQ(integer, 7);
    EXPECT_EQ(real, 7.0);
    EXPECT_TRUE(flag);
    EXPECT_EQ(single, 7.0f);
    EXPECT_EQ(ValueOf(*rate), 0.5f);

    EXPECT_TRUE(rate->GetNormalizedValueFromFloat(2.0f, &real));
    EXPECT_EQ(real, 1.0);
    EXPECT_TRUE(rate->GetFloatFromNormalizedValue(0.25, &single));
    EXPECT_EQ(single, 0.25f);
    EXPECT_TRUE(bypass->GetBoolFromNormalizedValue(0.3, &flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(bypass->GetNormalizedValueFromBool(true, &real));
    EXPECT_EQ(real, 1.0);
}

TEST_F(AutomatedParameter, ReadsTextThroughItsDisplayAndLimitsItThroughItsTaper)
{
    forgetEvents();
    EXPECT_FALSE(parameter->SetValueFromString(AAX_CString("abc")));
    EXPECT_THAT(events(), IsEmpty());
    EXPECT_TRUE(parameter->SetValueFromString(AAX_CString("2.5")));
    EXPECT_EQ(events(), Requested(1.0));

    double normalized = -1.0;
    EXPECT_FALSE(parameter->GetNormalizedValueFromString(AAX_CString("2.5"), &normalized));
    EXPECT_EQ(normalized, 1.0);
    normalized = -1.0;
    EXPECT_FALSE(parameter->GetNormalizedValueFromString(AAX_CString("x"), &normalized));
    EXPECT_EQ(normalized, -1.0);
    EXPECT_TRUE(parameter->GetNormalizedValueFromString(AAX_CString("0.25"), &normalized));
    EXPECT_EQ(normalized, 0.25);

    AAX_CString text;
    EXPECT_TRUE(parameter->GetStringFromNormalizedValue(0.25, text));
    EXPECT_STREQ(text.Get(), "0.250");
    EXPECT_TRUE(parameter->GetStringFromNormalizedValue(0.25, 3, text));
    EXPECT_STREQ(text.Get(), "0.2");
    EXPECT_TRUE(parameter->GetValueString(2, &text));
    EXPECT_STREQ(text.Get(), "0");

    EXPECT_FALSE(parameter->GetValueAsString(nullptr));
    AAX_CString asString("old");
    EXPECT_TRUE(parameter->GetValueAsString(&asString));
    EXPECT_STREQ(asString.Get(), "0.500");
}

TEST(Parameter, BypassReadsAndShowsItsTwoTexts)
{
    const auto bypass = MakeBypass();
    EXPECT_EQ(TextOf(*bypass), "bypass");

    const std::pair<const char*, bool> accepted[] = {{"on", true}, {"bypass", false}};
    for (const auto& [text, on] : accepted)
    {
        EXPECT_TRUE(bypass->SetValueWithString(AAX_CString(text))) << text;
        bool value = !on;
        bypass->GetValueAsBool(&value);
        EXPECT_EQ(value, on) << text;
        EXPECT_EQ(TextOf(*bypass), text);
    }
    bypass->SetValueWithBool(true);
    EXPECT_FALSE(bypass->SetValueFromString(AAX_CString("On")));
    EXPECT_EQ(TextOf(*bypass), "on");
}

TEST(Parameter, ATaperChangeKeepsEitherTheRealValueOrThePosition)
{
    LinearTaper wide(0, 10);

    const auto keepsReal = MakeFloat();
    keepsReal->SetTaperDelegate(wide, true);
    EXPECT_EQ(ValueOf(*keepsReal), 0.5f);
    EXPECT_DOUBLE_EQ(keepsReal->GetNormalizedValue(), 0.05);

    const auto keepsPosition = MakeFloat();
    keepsPosition->SetTaperDelegate(wide, false);
    EXPECT_EQ(ValueOf(*keepsPosition), 5.0f);
    EXPECT_EQ(keepsPosition->GetNormalizedValue(), 0.5);

    // A delegate for another value type is ignored.
    AAX_CBinaryTaperDelegate<bool> binary;
    keepsPosition->SetTaperDelegate(binary, false);
    EXPECT_EQ(keepsPosition->GetNormalizedValue(), 0.5);
}

TEST_F(AutomatedParameter, ATaperChangeThatKeepsTheValueReportsTheHostsNextUpdate)
{
    LinearTaper wide(0, 10);
    forgetEvents();
    parameter->SetTaperDelegate(wide, true);
    EXPECT_EQ(events().size(), 3u);
    EXPECT_EQ(events()[1].kind, Kind::setValueRequest);
    EXPECT_DOUBLE_EQ(events()[1].value, 0.05);
    forgetEvents();

    // The value is unchanged, but the pending change is still stored and reported.
    parameter->UpdateNormalizedValue(0.05);
    EXPECT_THAT(events(), ElementsAre(AutomationEvent{Kind::currentValue, "0", 0.05}));

    NumberDisplay display;
    forgetEvents();
    parameter->SetDisplayDelegate(display);
    ASSERT_EQ(events().size(), 1u);
    EXPECT_EQ(events()[0].kind, Kind::currentValue);
    EXPECT_DOUBLE_EQ(events()[0].value, 0.05);
}

TEST_F(AutomatedParameter, ADelegateChangeMovesTheRegistration)
{
    aaxhost::TestHost otherHost;
    {
        AAX_VAutomationDelegate other(otherHost.unknown());
        parameter->SetAutomationDelegate(&other);
        EXPECT_EQ(host.automation().registrations("0"), 0);
        EXPECT_EQ(otherHost.automation().registrations("0"), 1);
        parameter->SetAutomationDelegate(nullptr);
        EXPECT_EQ(otherHost.automation().registrations("0"), 0);
    }
    EXPECT_THAT(otherHost.unbalancedObjects(), IsEmpty());
    parameter->SetAutomationDelegate(&automation);
}
} // namespace
