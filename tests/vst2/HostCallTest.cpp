#include "TestEffects.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using testing::StrictMock;

namespace
{
char text[64];
auto* const task = reinterpret_cast<VstOfflineTask*>(0x1000);
auto* const files = reinterpret_cast<VstAudioFile*>(0x2000);
auto* const selector = reinterpret_cast<VstFileSelect*>(0x3000);
auto* const window = reinterpret_cast<HostWindow*>(0x4000);
void* const path = reinterpret_cast<void*>(0x5000);
constexpr std::int64_t hostAddress = 0x6000;
constexpr std::int64_t bit32 = std::int64_t{1} << 32;

std::int64_t addressOf(const void* p)
{
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(p));
}

struct HostCallCase
{
    const char* name;
    std::function<std::int64_t(AudioEffectX&)> call;
    std::int32_t opcode;
    std::int32_t index;
    std::int64_t value;
    void* ptr;
    float opt;
    std::int64_t answer;
    std::int64_t result;
    std::int64_t resultWithoutHost;
};

// Wraps a call whose answer is void, bool, an integer or a pointer as one 64-bit number.
template <typename Call> std::function<std::int64_t(AudioEffectX&)> asNumber(Call call)
{
    return [call](AudioEffectX& fx) -> std::int64_t
    {
        using Result = decltype(call(fx));
        if constexpr (std::is_void_v<Result>)
        {
            call(fx);
            return 0;
        }
        else if constexpr (std::is_pointer_v<Result>)
            return addressOf(call(fx));
        else
            return static_cast<std::int64_t>(call(fx));
    };
}

// The call and its text, which names the case in a failure.
#define CALL(expression) #expression, asNumber([](AudioEffectX& fx) { return fx.expression; })

const HostCallCase hostCalls[] = {
    // call, opcode, index, value, ptr, opt, host answer, result, result without host
    {CALL(setParameterAutomated(3, 0.5f)), 0, 3, 0, nullptr, 0.5f, 0, 0, 0},
    {CALL(getMasterVersion()), 1, 0, 0, nullptr, 0, 2400, 2400, 1},
    {CALL(getMasterVersion()), 1, 0, 0, nullptr, 0, 0, 1, 1},
    {CALL(getCurrentUniqueId()), 2, 0, 0, nullptr, 0, 0x567A7237, 0x567A7237, 0},
    {CALL(masterIdle()), 3, 0, 0, nullptr, 0, 1, 0, 0},
    {CALL(__isInputConnectedDeprecated(2)), 4, 2, 0, nullptr, 0, 0, 1, 1},
    {CALL(__isInputConnectedDeprecated(2)), 4, 2, 0, nullptr, 0, 1, 0, 1},
    {CALL(__isOutputConnectedDeprecated(1)), 4, 1, 1, nullptr, 0, bit32, 0, 1},
    {CALL(beginEdit(5)), 43, 5, 0, nullptr, 0, 1, 1, 0},
    {CALL(beginEdit(5)), 43, 5, 0, nullptr, 0, bit32, 1, 0},
    {CALL(endEdit(6)), 44, 6, 0, nullptr, 0, 1, 1, 0},
    {CALL(ioChanged()), 13, 0, 0, nullptr, 0, 1, 1, 0},
    {CALL(updateSampleRate()), 16, 0, 0, nullptr, 0, 96000, 96000, 44100},
    {CALL(updateBlockSize()), 17, 0, 0, nullptr, 0, 256, 256, 1024},
    {CALL(getInputLatency()), 18, 0, 0, nullptr, 0, 64, 64, 0},
    {CALL(getOutputLatency()), 19, 0, 0, nullptr, 0, bit32 + 5, 5, 0},
    {CALL(getTimeInfo(0x0F00)), 7, 0, 0x0F00, nullptr, 0, hostAddress, hostAddress, 0},
    {CALL(getCurrentProcessLevel()), 23, 0, 0, nullptr, 0, 4, 4, 0},
    {CALL(getAutomationState()), 24, 0, 0, nullptr, 0, 3, 3, 0},
    {CALL(getHostVendorString(text)), 32, 0, 0, text, 0, 1, 1, 0},
    {CALL(getHostProductString(text)), 33, 0, 0, text, 0, 1, 1, 0},
    {CALL(getHostVendorVersion()), 34, 0, 0, nullptr, 0, 8000, 8000, 0},
    {CALL(hostVendorSpecific(-4, std::int64_t{1} << 40, text, 2.5f)), 35, -4, std::int64_t{1} << 40,
     text, 2.5f, bit32 * 3, bit32 * 3, 0},
    {CALL(canHostDo(text)), 37, 0, 0, text, 0, 1, 1, 0},
    {CALL(canHostDo(text)), 37, 0, 0, text, 0, -1, 1, 0},
    {CALL(canHostDo(text)), 37, 0, 0, text, 0, 0, 0, 0},
    {CALL(getHostLanguage()), 38, 0, 0, nullptr, 0, 1, 1, 0},
    {CALL(getDirectory()), 41, 0, 0, nullptr, 0, hostAddress, hostAddress, 0},
    {CALL(updateDisplay()), 42, 0, 0, nullptr, 0, 1, 1, 0},
    {CALL(sizeWindow(325, 454)), 15, 325, 454, nullptr, 0, 1, 1, 0},
    {CALL(openFileSelector(selector)), 45, 0, 0, selector, 0, 1, 1, 0},
    {CALL(closeFileSelector(selector)), 46, 0, 0, selector, 0, 1, 1, 0},
    {CALL(offlineRead(task, 3, true)), 26, 1, 3, task, 0, 1, 1, 0},
    {CALL(offlineWrite(task, 4)), 27, 0, 4, task, 0, 1, 1, 0},
    {CALL(offlineStart(files, 2, 1)), 25, 1, 2, files, 0, 1, 1, 0},
    {CALL(offlineGetCurrentPass()), 28, 0, 0, nullptr, 0, -3, 1, 0},
    {CALL(offlineGetCurrentMetaPass()), 29, 0, 0, nullptr, 0, 0, 0, 0},
    {CALL(__wantEventsDeprecated(1)), 6, 0, 1, nullptr, 0, 1, 0, 0},
    {CALL(__tempoAtDeprecated(1000)), 10, 0, 1000, nullptr, 0, 1200000, 1200000, 0},
    {CALL(__getNumAutomatableParametersDeprecated()), 11, 0, 0, nullptr, 0, 10, 10, 0},
    {CALL(__getParameterQuantizationDeprecated()), 12, 0, 0, nullptr, 0, 100, 100, 0},
    {CALL(__needIdleDeprecated()), 14, 0, 0, nullptr, 0, 1, 1, 0},
    {CALL(__getPreviousPlugDeprecated(3)), 20, 0, 0, nullptr, 0, hostAddress, hostAddress, 0},
    {CALL(__getNextPlugDeprecated(3)), 21, 0, 0, nullptr, 0, hostAddress, hostAddress, 0},
    {CALL(__willProcessReplacingDeprecated()), 22, 0, 0, nullptr, 0, 1, 1, 0},
    {CALL(__setOutputSamplerateDeprecated(48000.0f)), 30, 0, 0, nullptr, 48000.0f, 0, 0, 0},
    {CALL(__getInputSpeakerArrangementDeprecated()), 49, 0, 0, nullptr, 0, hostAddress, hostAddress,
     0},
    {CALL(__getOutputSpeakerArrangementDeprecated()), 31, 0, 0, nullptr, 0, hostAddress,
     hostAddress, 0},
    {CALL(__openWindowDeprecated(window)), 39, 0, 0, window, 0, hostAddress, hostAddress, 0},
    {CALL(__closeWindowDeprecated(window)), 40, 0, 0, window, 0, 1, 1, 0},
    {CALL(__getChunkFileDeprecated(path)), 48, 0, 0, path, 0, 1, 1, 0},
};
} // namespace

TEST(HostCalls, EachPassesItsArgumentsAndReadsTheAnswer)
{
    for (const auto& c : hostCalls)
    {
        SCOPED_TRACE(testing::Message() << c.name << ", host answers " << c.answer);
        PlainEffect fx(SpyHost::callback);
        SpyHost host;
        host.attach(fx);
        host.answers[c.opcode] = c.answer;

        EXPECT_EQ(c.call(fx), c.result);
        ASSERT_EQ(host.calls.size(), 1u);
        const SpyHost::Call& call = host.calls[0];
        EXPECT_EQ(call.effect, fx.getAeffect());
        EXPECT_EQ(call.opcode, c.opcode);
        EXPECT_EQ(call.index, c.index);
        EXPECT_EQ(call.value, c.value);
        EXPECT_EQ(call.ptr, c.ptr);
        EXPECT_EQ(call.opt, c.opt);
    }
}

TEST(HostCalls, WithoutAHostEachAnswersItsMissingHostValue)
{
    for (const auto& c : hostCalls)
    {
        SCOPED_TRACE(c.name);
        PlainEffect fx;
        EXPECT_EQ(c.call(fx), c.resultWithoutHost);
    }
}

TEST(HostCalls, NullTextsAndRecordsAreNeverHandedToTheHost)
{
    const std::pair<const char*, std::function<std::int64_t(AudioEffectX&)>> refused[] = {
        {CALL(getHostVendorString(nullptr))}, {CALL(getHostProductString(nullptr))},
        {CALL(canHostDo(nullptr))},           {CALL(openFileSelector(nullptr))},
        {CALL(closeFileSelector(nullptr))},   {CALL(__getChunkFileDeprecated(nullptr))},
    };
    PlainEffect fx(SpyHost::callback);
    SpyHost host;
    host.attach(fx);
    for (std::int32_t opcode = 0; opcode < 64; ++opcode)
        host.answers[opcode] = 1;

    for (const auto& [name, call] : refused)
        EXPECT_EQ(call(fx), 0) << name;
    EXPECT_TRUE(host.calls.empty());
}

TEST(HostCalls, SetParameterAutomatedSetsTheParameterBeforeTellingTheHost)
{
    StrictMock<MockEffect> fx(SpyHost::callback);
    SpyHost host;
    host.attach(fx);
    EXPECT_CALL(fx, setParameter(7, 0.25f))
        .WillOnce([&host](std::int32_t, float) { EXPECT_TRUE(host.calls.empty()); });
    fx.setParameterAutomated(7, 0.25f);
    EXPECT_EQ(host.calls.size(), 1u);
}

TEST(HostCalls, UpdatesKeepOnlyPositiveAnswersFromTheHost)
{
    struct Case
    {
        std::int64_t answer;
        float sampleRate;
        std::int32_t blockSize;
    };
    const Case cases[] = {{0, 44100.0f, 1024},
                          {-1, 44100.0f, 1024},
                          {bit32, 4294967296.0f, 1024},
                          {bit32 + 256, 4294967296.0f + 256.0f, 256},
                          {48000, 48000.0f, 48000}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.answer);
        PlainEffect fx(SpyHost::callback);
        SpyHost host;
        host.attach(fx);
        host.answers[16] = c.answer;
        host.answers[17] = c.answer;

        EXPECT_EQ(fx.updateSampleRate(), static_cast<double>(c.sampleRate));
        EXPECT_EQ(fx.getSampleRate(), c.sampleRate);
        EXPECT_EQ(fx.updateBlockSize(), c.blockSize);
        EXPECT_EQ(fx.getBlockSize(), c.blockSize);
    }
}
