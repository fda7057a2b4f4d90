#include "PropertyMapStore.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "ACF/ACFPtr.h"
#include "ACF/CACFUnknown.h"
#include "ACF/acfresult.h"
#include "ACF/acfuids.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <type_traits>

namespace
{
std::string TextOf(const acfUID& uid)
{
    char text[37];
    std::snprintf(text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", uid.Data1,
                  uid.Data2, uid.Data3, uid.Data4[0], uid.Data4[1], uid.Data4[2], uid.Data4[3],
                  uid.Data4[4], uid.Data4[5], uid.Data4[6], uid.Data4[7]);
    return text;
}

struct NamedUID
{
    const char* name;
    const acfUID& uid;
    const char* text;
};

const NamedUID identifiers[] = {
    {"IID_IACFUnknown", IID_IACFUnknown, "00000000-0000-0000-C000-000000000046"},
    {"IID_IACFPluginDefinition", IID_IACFPluginDefinition, "00EEF015-7FD0-11D6-8485-00306542A024"},
    {"IID_IACFComponentFactory", IID_IACFComponentFactory, "382B6A96-7FD0-11D6-BCFE-00306542A024"},
    {"AAXCompID_HostServices", AAXCompID_HostServices, "88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA"},
    {"IID_IAAXHostServicesV1", IID_IAAXHostServicesV1, "96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA"},
    {"IID_IAAXHostServicesV2", IID_IAAXHostServicesV2, "A207EE9E-B442-11E4-A71E-12E3F512A338"},
    {"AAXCompID_AAXCollection", AAXCompID_AAXCollection, "89882C2D-77BC-42EF-707B-7981B7BD0CCA"},
    {"IID_IAAXCollectionV1", IID_IAAXCollectionV1, "96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA"},
    {"AAXCompID_AAXEffectDescriptor", AAXCompID_AAXEffectDescriptor,
     "89872C2D-75BC-423F-401B-F9A1BAAD0CCA"},
    {"IID_IAAXEffectDescriptorV1", IID_IAAXEffectDescriptorV1,
     "96D42C2D-EBBC-41EF-D1CB-499442E40FDA"},
    {"IID_IAAXEffectDescriptorV2", IID_IAAXEffectDescriptorV2,
     "41ECCC52-416B-4072-84BD-40B05210A74C"},
    {"AAXCompID_AAXComponentDescriptor", AAXCompID_AAXComponentDescriptor,
     "94872C3D-95BC-413D-D0DB-D9B12AAD0CCA"},
    {"IID_IAAXComponentDescriptorV1", IID_IAAXComponentDescriptorV1,
     "96E42C2D-E2BC-51EF-61C7-48994AEB0CDA"},
    {"IID_IAAXComponentDescriptorV2", IID_IAAXComponentDescriptorV2,
     "1895259E-AAA9-4F0F-A985-149837B76F89"},
    {"AAXCompID_AAXPropertyMap", AAXCompID_AAXPropertyMap, "A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA"},
    {"IID_IAAXPropertyMapV1", IID_IAAXPropertyMapV1, "96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE"},
    {"IID_IAAXPropertyMapV2", IID_IAAXPropertyMapV2, "7177DF80-7C9C-11E2-B92A-0800200C9A66"},
    {"IID_IAAXAutomationDelegateV1", IID_IAAXAutomationDelegateV1,
     "9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E"},
    {"IID_IAAXControllerV1", IID_IAAXControllerV1, "9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E"},
    {"IID_IAAXControllerV2", IID_IAAXControllerV2, "4C59AA0E-D7C0-4205-8B6C-32468D42D202"},
    {"IID_IAAXControllerV3", IID_IAAXControllerV3, "DD6F168C-DA86-44F8-B864-D6CD221926E7"},
    {"IID_IAAXViewContainerV1", IID_IAAXViewContainerV1, "22DA0BBC-D550-4D5E-8CC6-734483B8837F"},
    {"IID_IAAXViewContainerV2", IID_IAAXViewContainerV2, "9143A0BE-7A79-4D02-AE25-AADBA76A50B2"},
    {"IID_IAAXEffectParametersV1", IID_IAAXEffectParametersV1,
     "964E333D-334C-533F-C2C7-3834C3C23E3E"},
    {"IID_IAAXEffectParametersV2", IID_IAAXEffectParametersV2,
     "F1F47D06-308F-4CC5-9C7C-50A83F8AB813"},
    {"IID_IAAXEffectParametersV3", IID_IAAXEffectParametersV3,
     "D2540E9D-9163-42BB-A6FD-81E10EA32498"},
    {"IID_IAAXEffectGUIV1", IID_IAAXEffectGUIV1, "964E323D-424C-5E1A-2227-282423222E1E"},
    {"IID_IAAXTransportV1", IID_IAAXTransportV1, "5CEE4EF4-6337-4359-B63B-FE58DC36543A"},
    {"IID_IAAXTransportV2", IID_IAAXTransportV2, "203CBD9F-982C-4FE6-A827-07480257AEC3"},
};

TEST(AcfIdentifiers, HoldTheirPublishedValuesAndAreDistinct)
{
    std::set<std::string> seen;
    for (const NamedUID& identifier : identifiers)
    {
        EXPECT_EQ(TextOf(identifier.uid), identifier.text) << identifier.name;
        seen.insert(TextOf(identifier.uid));
    }
    EXPECT_EQ(seen.size(), std::size(identifiers));
}

TEST(AcfIdentifiers, AreEqualOnlyWhenAllFourPartsAre)
{
    const acfUID base = IID_IAAXPropertyMapV2;
    acfUID changed[4] = {base, base, base, base};
    changed[0].Data1 ^= 1u;
    changed[1].Data2 ^= 1u;
    changed[2].Data3 ^= 1u;
    changed[3].Data4[7] ^= 1u;

    EXPECT_TRUE(base == IID_IAAXPropertyMapV2);
    for (const acfUID& other : changed)
        EXPECT_TRUE(base != other) << TextOf(other);
}

TEST(AcfResultCodes, HaveTheirPublishedBitPatterns)
{
    const std::pair<int32_t, uint32_t> codes[] = {
        {AAX_SUCCESS, 0x00000000u},
        {AAX_ERROR_INVALID_PARAMETER_ID, 0xFFFFB1DFu},
        {AAX_ERROR_INVALID_STRING_CONVERSION, 0xFFFFB1DEu},
        {AAX_ERROR_NULL_OBJECT, 0xFFFFB1DCu},
        {AAX_ERROR_INVALID_CHUNK_INDEX, 0xFFFFB1DAu},
        {AAX_ERROR_INVALID_CHUNK_ID, 0xFFFFB1D9u},
        {AAX_ERROR_INCORRECT_CHUNK_SIZE, 0xFFFFB1D8u},
        {AAX_ERROR_UNIMPLEMENTED, 0xFFFFB1D7u},
        {AAX_ERROR_NOT_INITIALIZED, 0xFFFFB1D5u},
        {AAX_ERROR_INVALID_PARAMETER_STEPS, 0xFFFFB1BFu},
        {AAX_ERROR_CHUNK_DATA_WRITE, 0xFFFFFEB3u},
        {ACF_E_NOINTERFACE, 0x80000004u},
        {ACF_E_NULLPOINTER, 0x80000005u},
        {ACF_E_UNEXPECTED, 0x8000FFFFu},
    };
    for (const auto& [code, bits] : codes)
        EXPECT_EQ(static_cast<uint32_t>(code), bits) << code;
}

// An object of the plug-in handed to the host: the host's interface first, the object base
// second, its public unknown operations going through the outer unknown.
constexpr acfIID IID_ITestWidget = {
    0x12345678, 0x1234, 0x5678, {0x9A, 0xBC, 0xDE, 0xF0, 0x12, 0x34, 0x56, 0x78}};

class ITestWidget : public IACFUnknown
{
protected:
    ~ITestWidget() = default;
};

struct Lifetime
{
    int finalReleases = 0;
    int destructions = 0;
};

class TestWidget final : public ITestWidget, public CACFUnknown
{
public:
    explicit TestWidget(Lifetime& lifetime) : observed(lifetime) {}
    ~TestWidget() override { ++observed.destructions; }

    ACFRESULT QueryInterface(const acfIID& iid, void** out) override
    {
        return GetOuterUnknown()->QueryInterface(iid, out);
    }
    acfUInt32 AddRef() override { return GetOuterUnknown()->AddRef(); }
    acfUInt32 Release() override { return GetOuterUnknown()->Release(); }

    ACFRESULT InternalQueryInterface(const acfIID& iid, void** out) override
    {
        if (out != nullptr && iid == IID_ITestWidget)
        {
            *out = static_cast<ITestWidget*>(this);
            AddRef();
            return ACF_OK;
        }
        return CACFUnknown::InternalQueryInterface(iid, out);
    }

    void FinalRelease() override
    {
        EXPECT_EQ(observed.finalReleases, observed.destructions); // before the deletion
        ++observed.finalReleases;
    }

private:
    Lifetime& observed;
};

static_assert(!std::is_copy_constructible_v<CACFUnknown>);
static_assert(!std::is_copy_assignable_v<CACFUnknown>);

TEST(CACFUnknownObject, AnswersTheBaseIdentifierWithItsPrivateUnknown)
{
    Lifetime lifetime;
    auto* widget = new TestWidget(lifetime);

    void* unknown = nullptr;
    ASSERT_EQ(widget->QueryInterface(IID_IACFUnknown, &unknown), ACF_OK);
    ASSERT_NE(unknown, nullptr);
    EXPECT_NE(unknown, static_cast<void*>(static_cast<ITestWidget*>(widget)));

    // The private unknown answers for the whole object and shares its count.
    auto* privateUnknown = static_cast<IACFUnknown*>(unknown);
    void* asWidget = nullptr;
    ASSERT_EQ(privateUnknown->QueryInterface(IID_ITestWidget, &asWidget), ACF_OK);
    EXPECT_EQ(asWidget, static_cast<void*>(static_cast<ITestWidget*>(widget)));
    EXPECT_EQ(widget->AddRef(), 3u);

    void* refused = &lifetime;
    EXPECT_EQ(widget->QueryInterface(IID_IAAXEffectGUIV1, &refused), ACF_E_NOINTERFACE);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(widget->QueryInterface(IID_IACFUnknown, nullptr), ACF_E_NULLPOINTER);

    EXPECT_EQ(widget->Release(), 2u);
    EXPECT_EQ(privateUnknown->Release(), 1u);
    EXPECT_EQ(widget->Release(), 0u);
    EXPECT_EQ(lifetime.destructions, 1);
}

TEST(CACFUnknownObject, LastReleaseEndsTheObjectOnceAndLowersTheLiveCount)
{
    const acfUInt32 liveBefore = CACFUnknown::GetActiveObjectCount();
    Lifetime lifetime;
    auto* widget = new TestWidget(lifetime);
    auto* second = new TestWidget(lifetime);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), liveBefore + 2);

    EXPECT_EQ(widget->AddRef(), 1u);
    EXPECT_EQ(widget->AddRef(), 2u);
    EXPECT_EQ(widget->Release(), 1u);
    EXPECT_EQ(lifetime.destructions, 0);
    // The last release returns the count it reached without reading the deleted object.
    EXPECT_EQ(widget->Release(), 0u);
    EXPECT_EQ(lifetime.finalReleases, 1);
    EXPECT_EQ(lifetime.destructions, 1);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), liveBefore + 1);

    second->AddRef();
    second->Release();
    EXPECT_EQ(lifetime.destructions, 2);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), liveBefore);
}

class AcfPointer : public ::testing::Test
{
protected:
    aaxhost::PropertyMapStore map{"map", std::make_shared<aaxhost::HostGrants>()};
    AAX_IACFPropertyMap* mapInterface = &map;
};

TEST_F(AcfPointer, ThrowsWhenAnEmptyHolderIsDereferenced)
{
    const ACFPtr<AAX_IACFPropertyMap> empty;
    EXPECT_FALSE(empty);
    EXPECT_THROW(empty->RemoveProperty(AAX_eProperty_NoID), ACFRESULT);
    try
    {
        empty->RemoveProperty(AAX_eProperty_NoID);
    }
    catch (ACFRESULT thrown)
    {
        EXPECT_EQ(static_cast<uint32_t>(thrown), 0x80000005u);
    }
}

TEST_F(AcfPointer, HoldsOneReferencePerHolderAndReleasesItOnce)
{
    {
        ACFPtr<AAX_IACFPropertyMap> held(mapInterface);
        EXPECT_EQ(map.references(), 1u);
        ACFPtr<AAX_IACFPropertyMap> copy(held);
        EXPECT_EQ(map.references(), 2u);
        ACFPtr<AAX_IACFPropertyMap> moved(std::move(copy));
        EXPECT_EQ(map.references(), 2u);
        copy = held;
        EXPECT_EQ(map.references(), 3u);
        const ACFPtr<AAX_IACFPropertyMap>& same = copy;
        copy = same;
        EXPECT_EQ(map.references(), 3u);
        EXPECT_EQ(moved.get(), mapInterface);
    }
    EXPECT_TRUE(map.balanced());
    EXPECT_EQ(map.releaseCalls(), map.addRefCalls());
}

TEST_F(AcfPointer, ReleasesWhatItHeldBeforeAHostWritesIntoIt)
{
    ACFPtr<AAX_IACFPropertyMap> holder(mapInterface);
    void** out = holder.AsOutParameter();
    EXPECT_FALSE(holder);
    EXPECT_EQ(map.references(), 0u);

    ASSERT_EQ(map.QueryInterface(IID_IAAXPropertyMapV1, out), ACF_OK);
    EXPECT_EQ(holder.get(), mapInterface);
    holder.Reset();
    EXPECT_TRUE(map.balanced());
}
} // namespace
