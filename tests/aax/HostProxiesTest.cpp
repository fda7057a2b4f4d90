#include "HostOffers.h"
#include "TestHost.h"

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VHostServices.h"
#include "AAX_VPropertyMap.h"
#include "ACF/acfuids.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using aaxhost::AutomationEvent;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = AutomationEvent::Kind;

constexpr auto someProperty = static_cast<AAX_EProperty>(25);

using aaxtest::HostOffer;
using aaxtest::ProxiesOn;

TEST_P(ProxiesOn, PropertyMapForwardsWhatTheHostGrants)
{
    const bool v1 = factoryMakes(AAXCompID_AAXPropertyMap) && grants(IID_IAAXPropertyMapV1);
    const bool v2 = v1 && grants(IID_IAAXPropertyMapV2);
    {
        AAX_VPropertyMap map(hostUnknown());
        ASSERT_EQ(host.propertyMaps().empty(), !factoryMakes(AAXCompID_AAXPropertyMap));

        EXPECT_EQ(map.AddProperty(someProperty, 7), v1 ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT);
        AAX_CPropertyValue value = 0;
        EXPECT_EQ(map.GetProperty(someProperty, &value), v1);
        EXPECT_EQ(value, v1 ? 7 : 0);
        EXPECT_EQ(map.RemoveProperty(someProperty), v1 ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT);
        EXPECT_FALSE(map.GetProperty(someProperty, &value));

        const AAX_SPlugInIdentifierTriad ids[2] = {{1, 2, 3}, {4, 5, 6}};
        EXPECT_EQ(map.AddPropertyWithIDArray(someProperty, ids, 2),
                  v2 ? AAX_SUCCESS : AAX_ERROR_UNIMPLEMENTED);
        const AAX_SPlugInIdentifierTriad* stored = nullptr;
        uint32_t count = 0;
        EXPECT_EQ(map.GetPropertyWithIDArray(someProperty, &stored, &count), v2);
        EXPECT_EQ(count, v2 ? 2u : 0u);

        if (v1)
            EXPECT_EQ(map.GetIUnknown(), static_cast<IACFUnknown*>(host.propertyMaps().back()));
        else
            EXPECT_EQ(map.GetIUnknown(), nullptr);
    }
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST_P(ProxiesOn, AutomationDelegateForwardsWhatTheHostGrants)
{
    const bool granted = grants(IID_IAAXAutomationDelegateV1);
    const AAX_Result hostAnswer = -42; // a host error comes back unchanged
    host.automation().setAnswer(hostAnswer);
    const AAX_Result expected = granted ? hostAnswer : AAX_ERROR_NULL_OBJECT;
    {
        AAX_VAutomationDelegate automation(hostUnknown());
        EXPECT_EQ(automation.RegisterParameter("0"), expected);
        EXPECT_EQ(automation.PostTouchRequest("0"), expected);
        EXPECT_EQ(automation.PostSetValueRequest("0", 0.25), expected);
        EXPECT_EQ(automation.PostCurrentValue("0", 0.5), expected);
        AAX_CBoolean touched = 0;
        EXPECT_EQ(automation.GetTouchState("0", &touched), expected);
        EXPECT_EQ(touched, granted ? 1 : 0);
        EXPECT_EQ(automation.PostReleaseRequest("0"), expected);
        EXPECT_EQ(automation.UnregisterParameter("0"), expected);
    }
    if (granted)
        EXPECT_THAT(host.automation().events(),
                    ElementsAre(AutomationEvent{Kind::registerParameter, "0"},
                                AutomationEvent{Kind::touch, "0"},
                                AutomationEvent{Kind::setValueRequest, "0", 0.25},
                                AutomationEvent{Kind::currentValue, "0", 0.5},
                                AutomationEvent{Kind::release, "0"},
                                AutomationEvent{Kind::unregisterParameter, "0"}));
    else
        EXPECT_THAT(host.automation().events(), IsEmpty());
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST_P(ProxiesOn, HostServicesForwardWhatTheHostGrants)
{
    const bool v1 = factoryMakes(AAXCompID_HostServices) && grants(IID_IAAXHostServicesV1);
    const bool v2 = factoryMakes(AAXCompID_HostServices) && grants(IID_IAAXHostServicesV2);
    {
        AAX_VHostServices services(hostUnknown());
        EXPECT_EQ(services.Assert("file.cpp", 12, "note"),
                  v1 ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ(services.Trace(3, "message"), v1 ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ(services.StackTrace(3, 4, "stack"), v2 ? AAX_SUCCESS : AAX_ERROR_UNIMPLEMENTED);
    }
    const auto& recorded = host.hostServices();
    EXPECT_EQ(recorded.assertions().size(), v1 ? 1u : 0u);
    EXPECT_EQ(recorded.traces().size(), v1 ? 1u : 0u);
    EXPECT_EQ(recorded.stackTraces().size(), v2 ? 1u : 0u);
    if (v1)
    {
        EXPECT_EQ(recorded.assertions()[0].line, 12);
        EXPECT_EQ(recorded.traces()[0].message, "message");
    }
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Host, ProxiesOn,
    ::testing::Values(
        HostOffer{"everything", {}, false}, HostOffer{"no host", {}, true},
        HostOffer{"no component factory", {IID_IACFComponentFactory}, false},
        HostOffer{"no property-map class", {AAXCompID_AAXPropertyMap}, false},
        HostOffer{"no host-services class", {AAXCompID_HostServices}, false},
        HostOffer{"version 1 only", {IID_IAAXPropertyMapV2, IID_IAAXHostServicesV2}, false},
        HostOffer{"no version 1", {IID_IAAXPropertyMapV1, IID_IAAXHostServicesV1}, false},
        HostOffer{"no automation", {IID_IAAXAutomationDelegateV1}, false}),
    aaxtest::OfferName);

class ProcessHostServices : public ::testing::Test
{
protected:
    void TearDown() override
    {
        AAX_CHostServices::Set(nullptr);
        EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
    }

    size_t hostServicesRequests() const
    {
        size_t count = 0;
        for (const acfCLSID& clsid : host.componentRequests())
            count += clsid == AAXCompID_HostServices ? 1u : 0u;
        return count;
    }

    aaxhost::TestHost host;
};

TEST_F(ProcessHostServices, TraceIsDroppedWithoutAProxyAndFormattedWithOne)
{
    AAX_CHostServices::Set(nullptr);
    EXPECT_EQ(AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, "early %d", 1), 0);

    AAX_CHostServices::Set(host.unknown());
    AAX_CHostServices::Set(host.unknown());
    EXPECT_EQ(hostServicesRequests(), 2u); // one proxy: version 1 and version 2, once each

    EXPECT_EQ(AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, "%s: %d", "count", 42), 0);
    EXPECT_EQ(AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, nullptr),
              AAX_ERROR_INVALID_STRING_CONVERSION);

    AAX_CHostServices::Set(nullptr);
    EXPECT_EQ(AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, "late"), 0);

    const auto& traces = host.hostServices().traces();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].message, "count: 42");
    EXPECT_EQ(traces[0].priority, 0x08000000);
}

TEST_F(ProcessHostServices, CutsALongMessageAtTheBuffer)
{
    AAX_CHostServices::Set(host.unknown());
    const std::string longText(600, 'x');
    AAX_CHostServices::Trace(AAX_eTracePriorityHost_Normal, "%s%s", "<", longText.c_str());

    const auto& traces = host.hostServices().traces();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].message, "<" + std::string(510, 'x'));
}
} // namespace
