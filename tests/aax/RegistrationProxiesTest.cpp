#include "HostOffers.h"
#include "TestHost.h"

#include "AAX_Errors.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "AAX_UIDs.h"
#include "AAX_VCollection.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using aaxtest::HostOffer;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A property map of another kind than the proxies make.
class ForeignMap final : public AAX_IPropertyMap
{
public:
    AAX_CBoolean GetProperty(AAX_EProperty, AAX_CPropertyValue*) const override { return 0; }
    AAX_Result AddProperty(AAX_EProperty, AAX_CPropertyValue) override { return 0; }
    AAX_Result RemoveProperty(AAX_EProperty) override { return 0; }
    AAX_Result AddPropertyWithIDArray(AAX_EProperty, const AAX_SPlugInIdentifierTriad*,
                                      uint32_t) override
    {
        return 0;
    }
    AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty, const AAX_SPlugInIdentifierTriad**,
                                        uint32_t*) const override
    {
        return 0;
    }
};

class RegistrationProxiesOn : public aaxtest::ProxiesOn
{
protected:
    AAX_Result answer(bool granted, AAX_Result missing = AAX_ERROR_NULL_OBJECT) const
    {
        return granted ? AAX_SUCCESS : missing;
    }
};

TEST_P(RegistrationProxiesOn, CollectionForwardsToTheHostsCollection)
{
    const bool made = factoryMakes(AAXCompID_AAXCollection) && grants(IID_IAAXCollectionV1);
    {
        AAX_VCollection collection(hostUnknown());
        EXPECT_EQ(collection.GetIUnknown() != nullptr, made);
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        ASSERT_NE(effect, nullptr);
        EXPECT_EQ(collection.AddEffect("test.effect", effect), answer(made));
        EXPECT_EQ(collection.AddEffect("null", nullptr), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ(collection.SetManufacturerName("Maker"), answer(made));
        EXPECT_EQ(collection.AddPackageName("Short"), answer(made));
        EXPECT_EQ(collection.AddPackageName("Long name"), answer(made));
        EXPECT_EQ(collection.SetPackageVersion(0x00010001), answer(made));
        EXPECT_EQ(collection.SetProperties(nullptr), answer(made));
        ForeignMap foreign;
        EXPECT_EQ(collection.SetProperties(&foreign), AAX_ERROR_NULL_OBJECT);
        ASSERT_NE(collection.NewPropertyMap(), nullptr);
    }
    if (made)
    {
        const aaxhost::HostCollection& recorded = *host.collections().front();
        ASSERT_EQ(recorded.effects().size(), 1u);
        EXPECT_EQ(recorded.effects()[0].first, "test.effect");
        EXPECT_EQ(recorded.effects()[0].second != nullptr,
                  factoryMakes(AAXCompID_AAXEffectDescriptor));
        EXPECT_EQ(recorded.manufacturer(), "Maker");
        EXPECT_THAT(recorded.packageNames(), ElementsAre("Short", "Long name"));
        EXPECT_EQ(recorded.packageVersion(), 0x00010001u);
        EXPECT_EQ(recorded.propertiesCalls(), 1);
        EXPECT_EQ(recorded.properties(), nullptr);
    }
    // Every descriptor and map the collection made has gone with it, exactly once.
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST_P(RegistrationProxiesOn, ComponentDescriptorForwardsInTheHostsTerms)
{
    const bool v1 =
        factoryMakes(AAXCompID_AAXComponentDescriptor) && grants(IID_IAAXComponentDescriptorV1);
    const bool v2 = v1 && grants(IID_IAAXComponentDescriptorV2);
    {
        AAX_VComponentDescriptor component(hostUnknown());
        EXPECT_EQ(component.AddAudioIn(0), answer(v1));
        EXPECT_EQ(component.AddDataInPort(3, 4, AAX_eDataInPortType_Unbuffered), answer(v1));
        EXPECT_EQ(component.AddPrivateData(4, 8, 0), answer(v1));
        EXPECT_EQ(component.AddTemporaryData(7, 16), answer(v2, AAX_ERROR_UNIMPLEMENTED));
        AAX_IPropertyMap* map = component.NewPropertyMap();
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(component.AddProcessProc_Native(nullptr, map, nullptr, nullptr, nullptr),
                  answer(v1));
        ForeignMap foreign;
        EXPECT_EQ(component.AddProcessProc_Native(nullptr, &foreign, nullptr, nullptr, nullptr),
                  AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ(component.Clear(), answer(v1));
    }
    if (v1)
    {
        std::vector<std::string> expected = {"AddAudioIn(0)", "AddDataInPort(3, 4, 1)",
                                             "AddPrivateData(4, 8, 0)"};
        if (v2)
            expected.push_back("AddTemporaryData(7, 16)");
        expected.push_back("AddProcessProc_Native(null, map, null, null, null)");
        expected.push_back("Clear()");
        EXPECT_EQ(host.componentDescriptors().front()->calls(), expected);
    }
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST_P(RegistrationProxiesOn, EffectDescriptorForwardsAndOwnsWhatItMakes)
{
    const bool v1 =
        factoryMakes(AAXCompID_AAXEffectDescriptor) && grants(IID_IAAXEffectDescriptorV1);
    const bool v2 = v1 && grants(IID_IAAXEffectDescriptorV2);
    int procedureMark = 0;
    {
        AAX_VEffectDescriptor effect(hostUnknown());
        EXPECT_EQ(effect.GetIUnknown() != nullptr, v1);
        AAX_IComponentDescriptor* first = effect.NewComponentDescriptor();
        AAX_IComponentDescriptor* second = effect.NewComponentDescriptor();
        EXPECT_NE(first, second);
        EXPECT_EQ(effect.AddName("Name"), answer(v1));
        EXPECT_EQ(effect.AddCategory(32), answer(v1));
        EXPECT_EQ(effect.AddProcPtr(&procedureMark, 1), answer(v1));
        EXPECT_EQ(effect.AddComponent(first), answer(v1));
        EXPECT_EQ(effect.AddComponent(nullptr), answer(v1));
        EXPECT_EQ(effect.SetProperties(effect.NewPropertyMap()), answer(v1));
        EXPECT_EQ(effect.AddMeterDescription(1, "Meter", nullptr), answer(v1));
        EXPECT_EQ(effect.AddControlMIDINode(1, AAX_eMIDINodeType_LocalInput, "MIDI", 0xFFFF),
                  answer(v2, AAX_ERROR_UNIMPLEMENTED));
        ForeignMap foreign;
        EXPECT_EQ(effect.SetProperties(&foreign), AAX_ERROR_NULL_OBJECT);
    }
    if (v1)
    {
        const aaxhost::HostEffectDescriptor& recorded = *host.effectDescriptors().front();
        EXPECT_THAT(recorded.names(), ElementsAre("Name"));
        EXPECT_EQ(recorded.procedure(1), &procedureMark);
        ASSERT_EQ(recorded.components().size(), 2u);
        EXPECT_EQ(recorded.components()[0] != nullptr,
                  factoryMakes(AAXCompID_AAXComponentDescriptor) &&
                      grants(IID_IAAXComponentDescriptorV1));
        EXPECT_EQ(recorded.components()[1], nullptr);
    }
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Host, RegistrationProxiesOn,
    ::testing::Values(
        HostOffer{"everything", {}, false}, HostOffer{"no host", {}, true},
        HostOffer{"no component factory", {IID_IACFComponentFactory}, false},
        HostOffer{"no collection class", {AAXCompID_AAXCollection}, false},
        HostOffer{"no effect descriptor class", {AAXCompID_AAXEffectDescriptor}, false},
        HostOffer{"no component descriptor class", {AAXCompID_AAXComponentDescriptor}, false},
        HostOffer{"first versions only",
                  {IID_IAAXComponentDescriptorV2, IID_IAAXEffectDescriptorV2},
                  false}),
    aaxtest::OfferName);

TEST(ComponentDescriptor, DuplicatesOnlyThePropertiesTheHostDefinesForComponents)
{
    aaxhost::TestHost host;
    {
        AAX_VComponentDescriptor component(host.unknown());
        AAX_IPropertyMap* source = component.NewPropertyMap();
        for (int32_t property : {5, 10, 401, 402})
            source->AddProperty(static_cast<AAX_EProperty>(property), property * 2);

        component.DuplicatePropertyMap(source);
        ASSERT_EQ(host.propertyMaps().size(), 2u);
        EXPECT_THAT(host.propertyMaps()[1]->properties(),
                    ElementsAre(std::make_pair(10, 20), std::make_pair(401, 802)));

        // Nothing to copy from: a new, empty map.
        ASSERT_NE(component.DuplicatePropertyMap(nullptr), nullptr);
        ASSERT_EQ(host.propertyMaps().size(), 3u);
        EXPECT_THAT(host.propertyMaps()[2]->properties(), IsEmpty());
    }
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}
} // namespace
