#include "TestHost.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_VAutomationDelegate.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace
{
using ::testing::IsEmpty;

AAX_IParameter* NewRate(const char* identifier)
{
    return new AAX_CParameter<float>(identifier, AAX_CString("Rate"), 0.5f,
                                     AAX_CLinearTaperDelegate<float, 0>(0, 1),
                                     AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true);
}

AAX_IParameter* NewBypass()
{
    return new AAX_CParameter<bool>("MasterBypassID", AAX_CString("Master Bypass"), false,
                                    AAX_CBinaryTaperDelegate<bool>(),
                                    AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
}

class ParameterManager : public ::testing::Test
{
protected:
    ParameterManager()
    {
        manager->Initialize(&automation);
        manager->AddParameter(NewBypass());
        for (const char* identifier : {"0", "1", "2"})
            manager->AddParameter(NewRate(identifier));
    }

    int registrations(const char* identifier) const
    {
        return host.automation().registrations(identifier);
    }

    aaxhost::TestHost host;
    AAX_VAutomationDelegate automation{host.unknown()};
    std::unique_ptr<AAX_CParameterManager> manager = std::make_unique<AAX_CParameterManager>();
};

TEST_F(ParameterManager, KeepsTheOrderOfAdditionAndRegistersEachWithTheHost)
{
    ASSERT_EQ(manager->NumParameters(), 4);
    const char* order[] = {"MasterBypassID", "0", "1", "2"};
    for (int32_t index = 0; index < 4; ++index)
    {
        EXPECT_STREQ(manager->GetParameter(index)->Identifier(), order[index]);
        EXPECT_EQ(manager->GetParameterIndex(order[index]), index);
        EXPECT_EQ(manager->GetParameterByID(order[index]), manager->GetParameter(index));
        EXPECT_EQ(registrations(order[index]), 1) << order[index];
    }
    const AAX_CParameterManager& readOnly = *manager;
    EXPECT_EQ(readOnly.GetParameter(1), readOnly.GetParameterByID("0"));
}

TEST_F(ParameterManager, RefusesASecondParameterUnderAnIdentifier)
{
    const std::unique_ptr<AAX_IParameter> duplicate(NewRate("1"));
    manager->AddParameter(duplicate.get());
    manager->AddParameter(nullptr);
    EXPECT_EQ(manager->NumParameters(), 4);
    EXPECT_NE(manager->GetParameterByID("1"), duplicate.get());
    EXPECT_EQ(registrations("1"), 1);

    // The refused parameter stays the caller's: removing all does not delete it.
    manager->RemoveAllParameters();
    EXPECT_STREQ(duplicate->Identifier(), "1");
}

TEST_F(ParameterManager, FindsNothingOutsideItsParameters)
{
    const int32_t count = manager->NumParameters();
    EXPECT_EQ(manager->GetParameter(-1), nullptr);
    EXPECT_EQ(manager->GetParameter(count), nullptr);
    EXPECT_EQ(manager->GetParameterByID(nullptr), nullptr);
    EXPECT_EQ(manager->GetParameterByID("3"), nullptr);
    EXPECT_EQ(manager->GetParameterIndex(nullptr), -1);
    EXPECT_EQ(manager->GetParameterIndex("MasterBypass"), -1);
}

TEST_F(ParameterManager, RemovingAllDeletesAndUnregistersEveryParameter)
{
    manager->RemoveAllParameters();
    EXPECT_EQ(manager->NumParameters(), 0);
    EXPECT_EQ(manager->GetParameter(0), nullptr);
    EXPECT_EQ(manager->GetParameterByID("0"), nullptr);
    EXPECT_EQ(manager->GetParameterIndex("0"), -1);
    for (const char* identifier : {"MasterBypassID", "0", "1", "2"})
        EXPECT_EQ(registrations(identifier), 0) << identifier;

    // Parameters still held when the manager goes are deleted and unregistered with it.
    manager->AddParameter(NewRate("4"));
    EXPECT_EQ(registrations("4"), 1);
    manager.reset();
    EXPECT_EQ(registrations("4"), 0);
}

TEST(ParameterManagerWithoutDelegate, AddsParametersWithoutRegisteringThem)
{
    aaxhost::TestHost host;
    {
        AAX_CParameterManager manager;
        manager.AddParameter(NewRate("0"));
        EXPECT_EQ(manager.NumParameters(), 1);
        EXPECT_EQ(manager.GetParameterByID("0")->GetNormalizedValue(), 0.5);
    }
    EXPECT_THAT(host.automation().events(), IsEmpty());
}
} // namespace
