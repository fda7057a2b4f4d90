#include "TestEffects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <string>

namespace
{
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr char canary = '#';

using Formatter = std::function<void(AudioEffect&, char*, std::int32_t)>;

// Formats into a buffer of maxLen + 1 bytes followed by guard bytes, and fails the test when
// the text is longer than maxLen, unterminated, or anything was written past the buffer.
std::string format(AudioEffect& fx, const Formatter& formatter, std::int32_t maxLen)
{
    char buffer[48];
    std::memset(buffer, canary, sizeof(buffer));
    formatter(fx, buffer, maxLen);

    const std::size_t end = maxLen < 0 ? 0 : static_cast<std::size_t>(maxLen) + 1;
    for (std::size_t i = end; i < sizeof(buffer); ++i)
        EXPECT_EQ(buffer[i], canary) << "written past the buffer at " << i;
    if (maxLen < 0)
        return "(nothing)";
    const void* terminator = std::memchr(buffer, '\0', end);
    EXPECT_NE(terminator, nullptr) << "unterminated";
    return terminator != nullptr ? std::string(buffer) : std::string();
}

struct FloatCase
{
    float value;
    std::int32_t maxLen;
    const char* expected;
};

struct IntCase
{
    std::int32_t value;
    std::int32_t maxLen;
    const char* expected;
};
} // namespace

TEST(TextFormatting, Float2StringUsesEightPositionsWithTruncatedDecimals)
{
    const FloatCase cases[] = {
        {1.5f, 8, "1.500000"},
        {0.0f, 8, "0.000000"},
        {-0.0f, 8, "0.000000"},
        {-1.5f, 8, "-1.50000"},
        {1234.5678f, 8, "1234.567"},
        {99999.0f, 8, "99999.00"},
        {0.25f, 8, "0.250000"},
        {-0.5f, 8, "-0.50000"},
        {1234567.0f, 8, "1234567."},
        {-123456.0f, 8, "-123456."},
        {12345678.0f, 8, "12345678"},
        {99999992.0f, 8, "99999992"},
        {-9999999.0f, 8, "-9999999"},
        {1.5f, 4, "1.50"},
        {1.5f, 1, "1"},
        {1.5f, 0, ""},
        {1.5f, 20, "1.500000"},
        {1.5f, -1, "(nothing)"},
        {1e9f, 8, "Huge!"},
        {1e8f, 8, "Huge!"}, // 99999999 rounds to 1e8 as a float
        {-10000000.0f, 8, "Huge!"},
        {notANumber, 8, "Huge!"},
        {infinity, 8, "Huge!"},
        {-infinity, 8, "Huge!"},
        {1e9f, 3, "Hug"},
        {1e9f, -5, "(nothing)"},
    };
    PlainEffect fx;
    for (const auto& c : cases)
    {
        const Formatter formatter = [&c](AudioEffect& e, char* text, std::int32_t maxLen)
        { e.float2string(c.value, text, maxLen); };
        EXPECT_EQ(format(fx, formatter, c.maxLen), c.expected)
            << c.value << " with maxLen " << c.maxLen;
    }
}

TEST(TextFormatting, Int2StringWritesDigitsOrHuge)
{
    const IntCase cases[] = {
        {12, 8, "12"},
        {-305, 8, "-305"},
        {0, 8, "0"},
        {7, 8, "7"},
        {99999999, 9, "99999999"},
        {-99999999, 9, "-99999999"},
        {100000000, 9, "Huge!"},
        {-100000000, 9, "Huge!"},
        {std::numeric_limits<std::int32_t>::max(), 12, "Huge!"},
        {std::numeric_limits<std::int32_t>::min(), 12, "Huge!"},
        {12345, 3, "123"},
        {-305, 1, "-"},
        {12, -1, "(nothing)"},
    };
    PlainEffect fx;
    for (const auto& c : cases)
    {
        const Formatter formatter = [&c](AudioEffect& e, char* text, std::int32_t maxLen)
        { e.int2string(c.value, text, maxLen); };
        EXPECT_EQ(format(fx, formatter, c.maxLen), c.expected)
            << c.value << " with maxLen " << c.maxLen;
    }
}

TEST(TextFormatting, DecibelHertzAndMillisecondTexts)
{
    struct Case
    {
        const char* name;
        Formatter formatter;
        std::int32_t maxLen;
        const char* expected;
    };
    auto dB = [](float v)
    { return [v](AudioEffect& e, char* t, std::int32_t n) { e.dB2string(v, t, n); }; };
    auto Hz = [](float v)
    { return [v](AudioEffect& e, char* t, std::int32_t n) { e.Hz2string(v, t, n); }; };
    auto ms = [](float v)
    { return [v](AudioEffect& e, char* t, std::int32_t n) { e.ms2string(v, t, n); }; };
    const Case cases[] = {
        {"dB 0", dB(0.0f), 8, "-oo"},
        {"dB -1", dB(-1.0f), 8, "-oo"},
        {"dB 1", dB(1.0f), 8, "0.000000"},
        {"dB 10", dB(10.0f), 8, "20.00000"},
        {"dB 0.5", dB(0.5f), 8, "-6.02059"},
        {"dB NaN", dB(notANumber), 8, "Huge!"},
        {"dB 0 maxLen 2", dB(0.0f), 2, "-o"},
        {"dB 0 maxLen -1", dB(0.0f), -1, "(nothing)"},
        {"Hz 0 samples", Hz(0.0f), 8, "0.000000"},
        {"Hz 100 samples", Hz(100.0f), 8, "441.0000"},
        {"Hz 44100 samples", Hz(44100.0f), 8, "1.000000"},
        {"ms 441 samples", ms(441.0f), 8, "10.00000"},
        {"ms 44100 samples", ms(44100.0f), 8, "1000.000"},
        {"ms 0 samples", ms(0.0f), 8, "0.000000"},
    };
    PlainEffect fx;
    for (const auto& c : cases)
        EXPECT_EQ(format(fx, c.formatter, c.maxLen), c.expected) << c.name;
}

TEST(TextFormatting, HertzAndMillisecondsFollowTheHostSampleRate)
{
    PlainEffect fx;
    dispatch(fx, 10, 0, 0, nullptr, 48000.0f);
    const Formatter hz = [](AudioEffect& e, char* t, std::int32_t n) { e.Hz2string(480.0f, t, n); };
    const Formatter ms = [](AudioEffect& e, char* t, std::int32_t n) { e.ms2string(48.0f, t, n); };
    EXPECT_EQ(format(fx, hz, 8), "100.0000");
    EXPECT_EQ(format(fx, ms, 8), "1.000000");
}

TEST(TextFormatting, UnitTextsGoThroughTheVirtualFloat2String)
{
    class LoggingEffect final : public PlainEffect
    {
    public:
        void float2string(float value, char* text, std::int32_t maxLen) override
        {
            values.push_back(value);
            PlainEffect::float2string(value, text, maxLen);
        }
        std::vector<float> values;
    };
    LoggingEffect fx;
    char text[16];
    fx.dB2string(1.0f, text, 8);
    fx.Hz2string(441.0f, text, 8);
    fx.ms2string(441.0f, text, 8);
    EXPECT_EQ(fx.values, (std::vector<float>{0.0f, 100.0f, 10.0f}));
}

TEST(TextFormatting, NullTextsAreLeftAlone)
{
    PlainEffect fx;
    fx.float2string(1.5f, nullptr, 8);
    fx.int2string(12, nullptr, 8);
    fx.dB2string(0.0f, nullptr, 8);
    fx.dB2string(2.0f, nullptr, 8);
    fx.Hz2string(10.0f, nullptr, 8);
    fx.ms2string(10.0f, nullptr, 8);
    fx.getProgramName(nullptr);
    fx.getParameterName(0, nullptr);
}
