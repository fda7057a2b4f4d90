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

template <typename T> struct NumberCase
{
    T value;
    std::int32_t maxLen;
    const char* expected;
};

// Formats every case's value with one of the effect's text operations.
template <typename T, std::size_t N>
void expectTexts(void (AudioEffect::*operation)(T, char*, std::int32_t),
                 const NumberCase<T> (&cases)[N])
{
    PlainEffect fx;
    for (const auto& c : cases)
    {
        const Formatter formatter = [&](AudioEffect& e, char* text, std::int32_t maxLen)
        { (e.*operation)(c.value, text, maxLen); };
        EXPECT_EQ(format(fx, formatter, c.maxLen), c.expected)
            << c.value << " with maxLen " << c.maxLen;
    }
}
} // namespace

TEST(TextFormatting, Float2StringUsesEightPositionsWithTruncatedDecimals)
{
    const NumberCase<float> cases[] = {
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
    expectTexts(&AudioEffect::float2string, cases);
}

TEST(TextFormatting, Int2StringWritesDigitsOrHuge)
{
    const NumberCase<std::int32_t> cases[] = {
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
    expectTexts(&AudioEffect::int2string, cases);
}

TEST(TextFormatting, DecibelHertzAndMillisecondTexts)
{
    const NumberCase<float> decibels[] = {
        {0.0f, 8, "-oo"},       {-1.0f, 8, "-oo"},       {1.0f, 8, "0.000000"},
        {10.0f, 8, "20.00000"}, {0.5f, 8, "-6.02059"},   {notANumber, 8, "Huge!"},
        {0.0f, 2, "-o"},        {0.0f, -1, "(nothing)"},
    };
    const NumberCase<float> hertz[] = {
        {0.0f, 8, "0.000000"}, {100.0f, 8, "441.0000"}, {44100.0f, 8, "1.000000"}};
    const NumberCase<float> milliseconds[] = {
        {441.0f, 8, "10.00000"}, {44100.0f, 8, "1000.000"}, {0.0f, 8, "0.000000"}};
    expectTexts(&AudioEffect::dB2string, decibels);
    expectTexts(&AudioEffect::Hz2string, hertz);
    expectTexts(&AudioEffect::ms2string, milliseconds);
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
