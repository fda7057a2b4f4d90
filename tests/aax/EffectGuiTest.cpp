#include "TestDataModel.h"
#include "TestHost.h"

#include "AAX_CEffectGUI.h"
#include "AAX_CString.h"
#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_IController.h"
#include "AAX_IViewContainer.h"
#include "AAX_UIDs.h"
#include "ACF/acfresult.h"
#include "ACF/acfuids.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A concrete GUI that records the calls the base makes of it, and what it sees of the view
// container when the container goes.
class RecordingGui final : public AAX_CEffectGUI
{
public:
    AAX_Result ParameterUpdated(AAX_CParamID parameterID) override
    {
        calls.push_back(std::string("updated ") + parameterID);
        return AAX_SUCCESS;
    }

    std::vector<std::string> calls;
    bool containerGoneBeforeDelete = false;

    using AAX_CEffectGUI::GetController;
    using AAX_CEffectGUI::GetEffectParameters;
    using AAX_CEffectGUI::GetTransport;
    using AAX_CEffectGUI::GetViewContainer;
    using AAX_CEffectGUI::GetViewContainerPtr;
    using AAX_CEffectGUI::GetViewContainerType;

protected:
    void CreateViewContents() override { calls.push_back("contents"); }
    void CreateViewContainer() override
    {
        calls.push_back("container of type " + std::to_string(GetViewContainerType()));
    }
    void DeleteViewContainer() override
    {
        containerGoneBeforeDelete = GetViewContainer() == nullptr &&
                                    GetViewContainerType() == AAX_eViewContainer_Type_NULL &&
                                    GetViewContainerPtr() == nullptr;
        calls.push_back("delete container");
    }
};

// A GUI on an instance whose host unknown answers for the instance's data model.
class EffectGui : public ::testing::Test
{
protected:
    EffectGui()
    {
        model->Initialize(instance.unknown());
        instance.answerForDataModel(model.get());
    }

    void TearDown() override
    {
        gui = ACFPtr<RecordingGui>();
        instance.answerForDataModel(nullptr);
        model = ACFPtr<aaxtest::TestDataModel>();
        EXPECT_THAT(host.unbalancedObjects(), IsEmpty());
    }

    aaxhost::TestHost host;
    aaxhost::InstanceHost& instance = host.newInstance();
    ACFPtr<aaxtest::TestDataModel> model = aaxtest::MakeCounted<aaxtest::TestDataModel>();
    ACFPtr<RecordingGui> gui = aaxtest::MakeCounted<RecordingGui>();
};

TEST_F(EffectGui, InitializeConnectsControllerDataModelAndTransportThenMakesTheContents)
{
    EXPECT_EQ(gui->GetEffectParameters(), nullptr);
    const uint32_t heldByTheDataModel = instance.controller().references();
    ASSERT_EQ(gui->Initialize(instance.unknown()), AAX_SUCCESS);
    EXPECT_EQ(gui->GetEffectParameters(), static_cast<AAX_IACFEffectParameters*>(model.get()));
    float sampleRate = 0.0f;
    EXPECT_EQ(gui->GetController()->GetSampleRate(&sampleRate), AAX_SUCCESS);
    EXPECT_NE(gui->GetTransport(), nullptr);
    EXPECT_THAT(gui->calls, ElementsAre("contents"));

    // A second initialisation gives back what the first took, and makes the contents anew.
    ASSERT_EQ(gui->Initialize(instance.unknown()), AAX_SUCCESS);
    EXPECT_THAT(gui->calls, ElementsAre("contents", "contents"));
    EXPECT_EQ(gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(gui->GetEffectParameters(), nullptr);
    EXPECT_EQ(gui->GetController(), nullptr);
    EXPECT_EQ(instance.controller().references(), heldByTheDataModel);
}

TEST_F(EffectGui, WithoutAHostUnknownOnlyAnEmptyControllerIsMade)
{
    EXPECT_EQ(gui->Initialize(nullptr), AAX_ERROR_NOT_INITIALIZED);
    ASSERT_NE(gui->GetController(), nullptr);
    float sampleRate = 0.0f;
    EXPECT_EQ(gui->GetController()->GetSampleRate(&sampleRate), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(gui->GetEffectParameters(), nullptr);
    EXPECT_EQ(gui->GetTransport(), nullptr);
    EXPECT_THAT(gui->calls, IsEmpty());
}

TEST_F(EffectGui, AViewContainerBringsTheViewAndEveryParameterInIndexOrder)
{
    ASSERT_EQ(gui->Initialize(instance.unknown()), AAX_SUCCESS);
    auto& container = host.newViewContainer();
    int nativeView = 0;
    container.setView(AAX_eViewContainer_Type_XWindow, &nativeView);

    EXPECT_EQ(gui->SetViewContainer(container.unknown()), AAX_SUCCESS);
    EXPECT_EQ(gui->GetViewContainerPtr(), &nativeView);
    EXPECT_THAT(gui->calls, ElementsAre("contents", "container of type 1", "updated MasterBypassID",
                                        "updated 0", "updated 1", "updated 2"));

    EXPECT_EQ(gui->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_TRUE(gui->containerGoneBeforeDelete);
    EXPECT_EQ(gui->calls.back(), "delete container");
    EXPECT_TRUE(container.balanced());
}

TEST_F(EffectGui, WithoutTheDataModelThereIsNothingToUpdate)
{
    instance.answerForDataModel(nullptr);
    ASSERT_EQ(gui->Initialize(instance.unknown()), AAX_SUCCESS);
    EXPECT_EQ(gui->GetEffectParameters(), nullptr);
    EXPECT_EQ(gui->SetViewContainer(host.newViewContainer().unknown()), AAX_SUCCESS);
    EXPECT_THAT(gui->calls, ElementsAre("contents", "container of type 0"));
}

TEST_F(EffectGui, AnswersTheHostsOtherCallsAndItsOwnInterface)
{
    AAX_Point size{1, 2};
    EXPECT_EQ(gui->GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.vert, 1.0f);
    AAX_Rect rect{};
    EXPECT_EQ(gui->Draw(&rect), AAX_SUCCESS);
    EXPECT_EQ(gui->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ(gui->NotificationReceived(1, nullptr, 0), AAX_SUCCESS);
    EXPECT_EQ(gui->SetControlHighlightInfo("0", 1, AAX_eHighlightColor_Red), AAX_SUCCESS);
    AAX_CString label;
    EXPECT_EQ(gui->GetCustomLabel(AAX_ePlugInStrings_Analysis, &label), AAX_ERROR_NULL_OBJECT);

    void* out = nullptr;
    ASSERT_EQ(gui->QueryInterface(IID_IAAXEffectGUIV1, &out), ACF_OK);
    EXPECT_EQ(out, static_cast<AAX_IACFEffectGUI*>(gui.get()));
    EXPECT_EQ(gui->Release(), 1u);
    out = &size;
    EXPECT_EQ(gui->QueryInterface(IID_IAAXEffectParametersV1, &out), ACF_E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}
} // namespace
