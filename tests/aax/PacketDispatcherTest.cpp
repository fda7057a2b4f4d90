#include "TestDataModel.h"
#include "TestHost.h"

#include "AAX_CPacketDispatcher.h"
#include "AAX_Errors.h"
#include "AAX_VController.h"
#include "ACF/acfresult.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <vector>

namespace
{
using aaxtest::TestDataModel;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Payload = std::vector<unsigned char>;

// Handlers of a test worker: each fills the packet with its own mark, or fails.
struct Worker
{
    AAX_Result markA(AAX_CParamID, AAX_CPacket& packet)
    {
        packet.SetValue<int32_t>(0x0A);
        return AAX_SUCCESS;
    }
    AAX_Result markB(AAX_CPacket& packet)
    {
        packet.SetValue<int32_t>(0x0B);
        return AAX_SUCCESS;
    }
    AAX_Result leaveEmpty(AAX_CPacket&) { return AAX_SUCCESS; }
    AAX_Result refuse(AAX_CPacket&) { return -7; }
    AAX_Result fail(AAX_CPacket&) { throw std::runtime_error("handler failed"); }
};

// A dispatcher posting through the controller of a test-host instance, on a data model whose
// parameters the built-in handler reads.
class PacketDispatcher : public ::testing::Test
{
protected:
    PacketDispatcher()
    {
        model->Initialize(instance.unknown());
        dispatcher.Initialize(&controller, model.get());
    }

    template <typename Function>
    void registerHandler(const char* identifier, int32_t port, Function function)
    {
        const AAX_CPacketHandler<Worker> handler(&worker, function);
        EXPECT_EQ(dispatcher.RegisterPacket(identifier, port, &handler), AAX_SUCCESS);
    }

    void registerValue(const char* identifier, int32_t port)
    {
        const AAX_CPacketHandler<AAX_CPacketDispatcher> handler(
            &dispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
        EXPECT_EQ(dispatcher.RegisterPacket(identifier, port, &handler), AAX_SUCCESS);
    }

    std::vector<std::pair<int32_t, Payload>> posts() const
    {
        std::vector<std::pair<int32_t, Payload>> all;
        for (const auto& packet : instance.controller().posts())
            all.emplace_back(packet.port, packet.payload);
        return all;
    }

    static Payload BytesOf(float value)
    {
        Payload bytes(sizeof value);
        std::memcpy(bytes.data(), &value, sizeof value);
        return bytes;
    }

    aaxhost::TestHost host;
    aaxhost::InstanceHost& instance = host.newInstance();
    ACFPtr<TestDataModel> model = aaxtest::MakeCounted<TestDataModel>();
    AAX_VController controller{instance.unknown()};
    Worker worker;
    AAX_CPacketDispatcher dispatcher;
};

TEST_F(PacketDispatcher, PostsANewPacketOnceAndAgainOnlyWhenItsParameterIsMarked)
{
    registerValue("MasterBypassID", 3);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_THAT(posts(), ElementsAre(std::make_pair(3, Payload{0, 0, 0, 0})));

    model->UpdateParameterNormalizedValue("MasterBypassID", 1.0, {});
    EXPECT_EQ(dispatcher.SetDirty("MasterBypassID", true), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.SetDirty("never registered", true), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.SetDirty(nullptr, true), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(posts().back(), std::make_pair(3, Payload{1, 0, 0, 0}));
    EXPECT_EQ(posts().size(), 2u);

    // A marked packet can be cleared again before it goes out.
    dispatcher.SetDirty("MasterBypassID", true);
    dispatcher.SetDirty("MasterBypassID", false);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(posts().size(), 2u);
}

TEST_F(PacketDispatcher, TheBuiltInHandlerPostsAFloatParametersValue)
{
    registerValue("1", 5);
    registerValue("no such parameter", 6);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_THAT(posts(), ElementsAre(std::make_pair(5, BytesOf(0.25f))));
}

TEST_F(PacketDispatcher, APortSharedByTwoIdentifiersIsPostedOncePerDispatch)
{
    registerHandler("b", 4, &Worker::markB);
    registerHandler("a", 4, &Worker::markA);
    dispatcher.SetDirty("a", true);
    dispatcher.SetDirty("b", true);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    // "a" sorts first, so its handler fills the packet.
    EXPECT_THAT(posts(), ElementsAre(std::make_pair(4, Payload{0x0A, 0, 0, 0})));
}

TEST_F(PacketDispatcher, APacketThatCannotBeFilledIsClearedWithoutAPost)
{
    const AAX_CPacketHandler<Worker> empty(&worker, AAX_CPacketHandler<Worker>::PacketFunction{});
    AAX_CPacket packet(1);
    EXPECT_EQ(empty.Call("x", packet), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(packet.GetSize(), 0u);

    EXPECT_EQ(dispatcher.RegisterPacket("none", 1, &empty), AAX_SUCCESS);
    registerHandler("refused", 2, &Worker::refuse);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_THAT(posts(), IsEmpty());
}

// A handler that gives no payload, or throws, costs its own packet only: the others are still
// posted and the dispatch reports the failure instead of throwing into the host.
TEST_F(PacketDispatcher, NoExceptionLeavesADispatch)
{
    registerHandler("a empty", 1, &Worker::leaveEmpty);
    registerHandler("b posted", 2, &Worker::markB);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_THAT(posts(), ElementsAre(std::make_pair(2, Payload{0x0B, 0, 0, 0})));

    registerHandler("c empty", 3, &Worker::leaveEmpty);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_ERROR_NULL_OBJECT);
    registerHandler("d throws", 4, &Worker::fail);
    EXPECT_EQ(dispatcher.Dispatch(), ACF_E_UNEXPECTED);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(posts().size(), 1u);

    AAX_CPacket::SPacketData data;
    EXPECT_THROW(data.Get(0), std::out_of_range);
}

TEST_F(PacketDispatcher, ANegativePortRegistersAHandlerWithoutAPacket)
{
    registerHandler("a", -1, &Worker::markA);
    EXPECT_EQ(dispatcher.SetDirty("a", true), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_THAT(posts(), IsEmpty());
    EXPECT_EQ(dispatcher.RegisterPacket("a", 1, nullptr), AAX_ERROR_NULL_OBJECT);
}

// A post the host refuses still clears the packet (it is posted again after the next change);
// the dispatch reports the refusal unless a later post succeeds.
TEST_F(PacketDispatcher, AFailedPostClearsThePacketAndIsReported)
{
    registerHandler("a", 1, &Worker::markA);
    registerHandler("b", 2, &Worker::markB);
    instance.controller().setPostAnswer(-9);
    EXPECT_EQ(dispatcher.Dispatch(), -9);
    instance.controller().setPostAnswer(0);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(posts().size(), 2u);

    dispatcher.SetDirty("a", true);
    dispatcher.SetDirty("b", true);
    instance.controller().setPostAnswer(-9);
    EXPECT_EQ(dispatcher.Dispatch(), -9);
    EXPECT_EQ(posts().size(), 4u);
}

TEST_F(PacketDispatcher, WithoutAControllerNothingIsPostedAndThePacketsWait)
{
    registerValue("MasterBypassID", 3);
    dispatcher.Initialize(nullptr, model.get());
    EXPECT_EQ(dispatcher.Dispatch(), AAX_ERROR_NULL_OBJECT);
    dispatcher.Initialize(&controller, nullptr);
    // Without the data model the built-in handler has no value to post.
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_THAT(posts(), IsEmpty());

    dispatcher.Initialize(&controller, model.get());
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(posts().size(), 1u);
}
} // namespace
