#include "HostOffers.h"
#include "TestHost.h"

#include "AAX_CString.h"
#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{
using aaxtest::HostOffer;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The proxies of an instance's controller and transport, and of a view container, on a host
// that grants some of their versions.
class InstanceProxiesOn : public aaxtest::ProxiesOn
{
protected:
    IACFUnknown* instanceUnknown() { return GetParam().noHost ? nullptr : instance.unknown(); }
    AAX_Result answer(const acfUID& version, AAX_Result missing) const
    {
        return grants(version) ? AAX_SUCCESS : missing;
    }
    // Every reference the plug-in took on a host object, released once.
    void expectEachReferenceReleasedOnce(const aaxhost::HostObjectBase& object,
                                         uint32_t versionsGranted) const
    {
        EXPECT_EQ(object.addRefCalls(), versionsGranted) << object.name();
        EXPECT_EQ(object.releaseCalls(), versionsGranted) << object.name();
    }

    aaxhost::InstanceHost& instance = host.newInstance();
};

TEST_P(InstanceProxiesOn, ControllerForwardsToTheOldestVersionThatHasTheOperation)
{
    const bool v1 = grants(IID_IAAXControllerV1);
    const bool v2 = grants(IID_IAAXControllerV2);
    const bool v3 = grants(IID_IAAXControllerV3);
    {
        AAX_VController controller(instanceUnknown());
        float sampleRate = 0.0f;
        EXPECT_EQ(controller.GetSampleRate(&sampleRate), answer(IID_IAAXControllerV1, -20004));
        EXPECT_EQ(sampleRate, v1 ? 48000.0f : 0.0f);
        const unsigned char word[4] = {1, 0, 0, 0};
        EXPECT_EQ(controller.PostPacket(3, word, 4), answer(IID_IAAXControllerV1, -20004));
        EXPECT_EQ(controller.SetSignalLatency(64), answer(IID_IAAXControllerV1, -20004));
        AAX_CString effectID;
        EXPECT_EQ(controller.GetEffectID(&effectID), answer(IID_IAAXControllerV1, -20004));
        EXPECT_STREQ(effectID.Get(), v1 ? aaxhost::HostController::effectID : "");

        EXPECT_EQ(controller.SendNotification(1, nullptr, 0), answer(IID_IAAXControllerV2, -20009));
        int64_t timestamp = -1;
        EXPECT_EQ(controller.GetCurrentAutomationTimestamp(&timestamp),
                  answer(IID_IAAXControllerV2, -20009));
        EXPECT_EQ(timestamp, v2 ? aaxhost::HostController::automationTimestamp : 0);
        // Without version 2 there is nothing to set when no timestamp is asked for.
        if (!v2)
        {
            EXPECT_EQ(controller.GetCurrentAutomationTimestamp(nullptr), -20009);
        }
        AAX_CString hostName;
        EXPECT_EQ(controller.GetHostName(&hostName), answer(IID_IAAXControllerV2, -20009));

        int32_t platform = -1;
        EXPECT_EQ(controller.GetPlugInTargetPlatform(&platform),
                  answer(IID_IAAXControllerV3, -20009));
        EXPECT_EQ(platform, v3 ? 0 : -1);
    }
    const auto& posts = instance.controller().posts();
    EXPECT_EQ(posts.size(), v1 ? 1u : 0u);
    EXPECT_EQ(instance.controller().signalLatency(), v1 ? 64 : 0);
    expectEachReferenceReleasedOnce(instance.controller(),
                                    (v1 ? 1u : 0u) + (v2 ? 1u : 0u) + (v3 ? 1u : 0u));
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST_P(InstanceProxiesOn, TransportForwardsWhatTheHostGrants)
{
    const bool v1 = grants(IID_IAAXTransportV1);
    const bool v2 = grants(IID_IAAXTransportV2);
    instance.transport().setTempo(93.5);
    {
        AAX_VTransport transport(instanceUnknown());
        double tempo = 0.0;
        EXPECT_EQ(transport.GetCurrentTempo(&tempo), answer(IID_IAAXTransportV1, -20004));
        EXPECT_EQ(tempo, v1 ? 93.5 : 0.0);
        int32_t numerator = 0;
        int32_t denominator = 0;
        EXPECT_EQ(transport.GetCurrentMeter(&numerator, &denominator),
                  answer(IID_IAAXTransportV1, -20004));
        bool playing = true;
        EXPECT_EQ(transport.IsTransportPlaying(&playing), answer(IID_IAAXTransportV1, -20004));

        int64_t selection = -1;
        EXPECT_EQ(transport.GetTimelineSelectionStartPosition(&selection),
                  answer(IID_IAAXTransportV2, -20009));
        EXPECT_EQ(selection, v2 ? 0 : -1);
        int32_t metronome = -1;
        EXPECT_EQ(transport.IsMetronomeEnabled(&metronome), answer(IID_IAAXTransportV2, -20009));
    }
    expectEachReferenceReleasedOnce(instance.transport(), (v1 ? 1u : 0u) + (v2 ? 1u : 0u));
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

TEST_P(InstanceProxiesOn, ViewContainerWithoutItsFirstVersionIsAViewThatIsNotThere)
{
    const bool v1 = grants(IID_IAAXViewContainerV1);
    const bool v2 = grants(IID_IAAXViewContainerV2);
    auto& container = host.newViewContainer();
    int nativeView = 0;
    container.setView(AAX_eViewContainer_Type_XWindow, &nativeView);
    {
        AAX_VViewContainer view(GetParam().noHost ? nullptr : container.unknown());
        EXPECT_EQ(view.GetType(), v1 ? AAX_eViewContainer_Type_XWindow : 0);
        EXPECT_EQ(view.GetPtr(), v1 ? &nativeView : nullptr);
        AAX_Point size{454, 325};
        EXPECT_EQ(view.SetViewSize(size), AAX_SUCCESS);
        uint32_t modifiers = 7;
        EXPECT_EQ(view.GetModifiers(&modifiers), answer(IID_IAAXViewContainerV1, -20009));
        EXPECT_EQ(view.HandleParameterMouseDown("1", 0), answer(IID_IAAXViewContainerV1, -20009));
        const AAX_CParamID both[] = {"2", "3"};
        EXPECT_EQ(view.HandleMultipleParametersMouseUp(both, 2, 0),
                  answer(IID_IAAXViewContainerV2, -20009));
    }
    EXPECT_EQ(container.sizes().size(), v1 ? 1u : 0u);
    if (v1 && v2)
    {
        EXPECT_THAT(container.mouseEvents(), ElementsAre("down 1", "up 2", "up 3"));
    }
    expectEachReferenceReleasedOnce(container, (v1 ? 1u : 0u) + (v2 ? 1u : 0u));
    EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Host, InstanceProxiesOn,
    ::testing::Values(HostOffer{"every version", {}, false}, HostOffer{"no host", {}, true},
                      HostOffer{"first versions only",
                                {IID_IAAXControllerV2, IID_IAAXControllerV3, IID_IAAXTransportV2,
                                 IID_IAAXViewContainerV2},
                                false},
                      HostOffer{"no third controller", {IID_IAAXControllerV3}, false},
                      HostOffer{
                          "newer versions only",
                          {IID_IAAXControllerV1, IID_IAAXTransportV1, IID_IAAXViewContainerV1},
                          false}),
    aaxtest::OfferName);
} // namespace
