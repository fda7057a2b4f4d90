#include "TestDataModel.h"
#include "TestHost.h"

#include "AAX_CEffectGUI.h"
#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_ICollection.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_Init.h"
#include "AAX_UIDs.h"
#include "ACF/acfresult.h"
#include "ACF/acfuids.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace
{
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// What the describing function does in the running test.
std::function<AAX_Result(AAX_ICollection*)> describe;
int descriptions = 0;
} // namespace

// The plug-in's describing function, as the entry points call it.
AAX_Result GetEffectDescriptions(AAX_ICollection* collection)
{
    ++descriptions;
    return describe ? describe(collection) : AAX_SUCCESS;
}

namespace
{
class MinimalGui final : public AAX_CEffectGUI
{
protected:
    void CreateViewContents() override {}
    void CreateViewContainer() override {}
    void DeleteViewContainer() override {}
};

class EntryPoints : public ::testing::Test
{
protected:
    void SetUp() override
    {
        describe = nullptr;
        descriptions = 0;
    }

    void TearDown() override
    {
        describe = nullptr;
        EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
    }

    aaxhost::TestHost host;
};

TEST_F(EntryPoints, ReportTheSDKVersionAndOfferNoFactoriesOrComponents)
{
    uint64_t version = 0;
    EXPECT_EQ(ACFGetSDKVersion(&version), AAX_SUCCESS);
    EXPECT_EQ(version, 0x0000020200B45B38ull);
    EXPECT_EQ(ACFGetSDKVersion(nullptr), AAX_ERROR_NULL_OBJECT);

    void* factory = &version;
    EXPECT_EQ(
        ACFGetClassFactory(host.unknown(), IID_IACFUnknown, IID_IACFComponentFactory, &factory),
        AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(factory, nullptr);
    for (acfUInt32 index : {0u, 1u, 99u})
    {
        auto* definition = reinterpret_cast<IACFComponentDefinition*>(&version);
        EXPECT_EQ(ACFRegisterComponent(host.unknown(), index, &definition), AAX_SUCCESS);
        EXPECT_EQ(definition, nullptr);
    }
}

TEST_F(EntryPoints, RegistrationDescribesIntoTheHostsCollectionAndHandsBackItsDefinition)
{
    describe = [](AAX_ICollection* collection)
    {
        AAX_IEffectDescriptor* effect = collection->NewDescriptor();
        effect->AddName("Effect");
        collection->AddEffect("test.effect", effect);
        return collection->SetManufacturerName("Maker");
    };
    IACFPluginDefinition* definition = nullptr;
    ASSERT_EQ(ACFRegisterPlugin(host.unknown(), &definition), AAX_SUCCESS);
    ASSERT_EQ(host.collections().size(), 1u);
    aaxhost::HostCollection& collection = *host.collections().front();
    EXPECT_EQ(definition, static_cast<IACFPluginDefinition*>(&collection));
    EXPECT_EQ(collection.manufacturer(), "Maker");
    EXPECT_THAT(host.effectDescriptors().front()->names(), ElementsAre("Effect"));
    // The definition is the host's now: its one reference is the host's to drop.
    EXPECT_EQ(collection.references(), 1u);
    definition->Release();
}

TEST_F(EntryPoints, RegistrationPassesTheDescribingFunctionsFailureOn)
{
    const auto untouched = reinterpret_cast<IACFPluginDefinition*>(&host);
    struct Case
    {
        const char* description;
        std::function<AAX_Result(AAX_ICollection*)> describing;
        ACFRESULT expected;
    };
    const Case cases[] = {
        {"an error", [](AAX_ICollection*) { return -123; }, -123},
        {"an exception", [](AAX_ICollection*) -> AAX_Result { throw std::runtime_error("no"); },
         ACF_E_UNEXPECTED},
        {"a thrown integer", [](AAX_ICollection*) -> AAX_Result { throw 7; }, ACF_E_UNEXPECTED},
    };
    for (const Case& c : cases)
    {
        describe = c.describing;
        IACFPluginDefinition* definition = untouched;
        EXPECT_EQ(ACFRegisterPlugin(host.unknown(), &definition), c.expected) << c.description;
        EXPECT_EQ(definition, untouched) << c.description;
    }
}

TEST_F(EntryPoints, RegistrationWithoutTheHostsCollectionOrDefinitionIsRefused)
{
    const acfUID withheld[] = {IID_IACFComponentFactory, AAXCompID_AAXCollection,
                               IID_IACFPluginDefinition};
    for (const acfUID& identifier : withheld)
    {
        host.grants().withhold(identifier);
        IACFPluginDefinition* definition = nullptr;
        EXPECT_EQ(ACFRegisterPlugin(host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ(definition, nullptr);
        host.grants().grant(identifier);
    }
    // Only a host with a collection gets described.
    EXPECT_EQ(descriptions, 1);
    EXPECT_EQ(ACFRegisterPlugin(nullptr, nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST_F(EntryPoints, CanUnloadOnlyOnceEveryObjectIsGone)
{
    EXPECT_EQ(ACFCanUnloadNow(host.unknown()), 0);
    {
        const auto model = aaxtest::MakeCounted<aaxtest::TestDataModel>();
        const auto gui = aaxtest::MakeCounted<MinimalGui>();
        EXPECT_EQ(ACFCanUnloadNow(host.unknown()), 2);
    }
    EXPECT_EQ(ACFCanUnloadNow(host.unknown()), 0);
}

TEST_F(EntryPoints, StartupAndShutdownSetTheHostServicesOnce)
{
    EXPECT_EQ(ACFShutdown(host.unknown()), AAX_SUCCESS);
    EXPECT_EQ(ACFStartup(host.unknown()), AAX_SUCCESS);
    EXPECT_EQ(ACFStartup(host.unknown()), AAX_SUCCESS);
    AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, "started");
    EXPECT_EQ(ACFShutdown(nullptr), AAX_SUCCESS);
    AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, "stopped");

    ASSERT_EQ(host.hostServices().traces().size(), 1u);
    EXPECT_EQ(host.hostServices().traces()[0].message, "started");
}
} // namespace
