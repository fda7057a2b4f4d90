#include "AAX_CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
// A host's own string, seen only through the interface.
class ForeignString final : public AAX_IString
{
public:
    explicit ForeignString(const char* text) : shown(text) {}

    uint32_t Length() const override
    {
        return shown ? static_cast<uint32_t>(std::strlen(shown)) : 0;
    }
    uint32_t MaxLength() const override { return 255; }
    const char* Get() const override { return shown; }
    void Set(const char* text) override { shown = text; }
    AAX_IString& operator=(const AAX_IString& other) override
    {
        shown = other.Get();
        return *this;
    }
    AAX_IString& operator=(const char* text) override
    {
        shown = text;
        return *this;
    }

private:
    const char* shown;
};

TEST(AaxString, MissingTextsReadAsEmpty)
{
    const ForeignString withoutText(nullptr);
    const AAX_CString built[] = {AAX_CString(), AAX_CString(static_cast<const char*>(nullptr)),
                                 AAX_CString(withoutText)};
    for (const AAX_CString& text : built)
    {
        EXPECT_EQ(text.Length(), 0u);
        ASSERT_NE(text.Get(), nullptr);
        EXPECT_STREQ(text.Get(), "");
    }

    AAX_CString text("abc");
    text.Set(nullptr);
    EXPECT_STREQ(text.Get(), "");
    text = "abc";
    text = static_cast<const char*>(nullptr);
    EXPECT_STREQ(text.Get(), "");
    text = "abc";
    static_cast<AAX_IString&>(text) = withoutText;
    EXPECT_STREQ(text.Get(), "");
}

TEST(AaxString, CopiesAreIndependentAndSelfAssignmentKeepsTheText)
{
    AAX_CString original("abc");
    const ForeignString host("from host");
    AAX_CString fromHost(host);
    AAX_CString copy(original);
    copy = "xyz";
    EXPECT_STREQ(original.Get(), "abc");
    EXPECT_STREQ(fromHost.CString(), "from host");

    const AAX_CString& same = original;
    original = same;
    EXPECT_STREQ(original.Get(), "abc");
    AAX_IString& asInterface = original;
    asInterface = same;
    EXPECT_STREQ(original.Get(), "abc");
    // A text that lies inside the string itself.
    original.Set(original.Get() + 1);
    EXPECT_STREQ(original.Get(), "bc");
    EXPECT_EQ(original.MaxLength(), 4294967294u);
}

TEST(AaxString, ComparesTextsUpToTheirFirstZeroByte)
{
    EXPECT_TRUE(AAX_CString("abc") == AAX_CString("abc"));
    EXPECT_TRUE(AAX_CString("abc") != AAX_CString("abd"));
    EXPECT_TRUE(AAX_CString("abc") != AAX_CString("ab"));

    AAX_CString cut("ab");
    cut[1] = '\0';
    EXPECT_TRUE(cut == AAX_CString("a"));
}

TEST(AaxString, PositionsBeyondTheTextAreClamped)
{
    struct Case
    {
        uint32_t position;
        uint32_t count;
        const char* afterErase;
        const char* subString;
    };
    const Case cases[] = {
        {1, 2, "adef", "bc"},           {2, 3, "abf", "cde"},  {4, 10, "abcd", "ef"},
        {6, 1, "abcdef", ""},           {10, 2, "abcdef", ""}, {0, 0, "abcdef", ""},
        {0, 0xFFFFFFFFu, "", "abcdef"},
    };
    for (const Case& test : cases)
    {
        AAX_CString text("abcdef");
        AAX_CString piece("old");
        text.SubString(test.position, test.count, &piece);
        EXPECT_STREQ(piece.Get(), test.subString) << test.position << ", " << test.count;
        EXPECT_STREQ(text.Erase(test.position, test.count).Get(), test.afterErase)
            << test.position << ", " << test.count;
    }

    AAX_CString text("abc");
    text.SubString(0, 2, nullptr);
    text[3] = 'x';
    text[100] = 'y';
    EXPECT_EQ(text[7], '\0');
    EXPECT_STREQ(text.Get(), "abc");
}

TEST(AaxString, AppendsNumbersInFixedNotation)
{
    struct Case
    {
        const char* start;
        double value;
        int32_t precision;
        const char* expected;
    };
    const Case cases[] = {
        {"x", 2.0, 3, "x2.000"},  {"", 1.0 / 3, 2, "0.33"}, {"", 0.0625, 3, "0.062"},
        {"", 0.1875, 3, "0.188"}, {"", -0.25, 3, "-0.250"}, {"", 1234567.0, 1, "1234567.0"},
        {"", 2.5, -1, "2"},       {"", 0.5, 0, "0"},
    };
    for (const Case& test : cases)
    {
        AAX_CString text(test.start);
        EXPECT_STREQ(text.AppendNumber(test.value, test.precision).Get(), test.expected)
            << test.value;
    }
}

TEST(AaxString, ReadsTheNumberAtTheStartOfTheText)
{
    struct Case
    {
        const char* text;
        bool read;
        double value;
    };
    const Case cases[] = {
        {"  12.5xyz", true, 12.5}, {"1e3", true, 1000.0}, {" 2.5 dB", true, 2.5},
        {"-0.75", true, -0.75},    {"0x10", true, 0.0},   {"", false, 0.0},
        {"abc", false, 0.0},       {"2.5e", false, 0.0},  {"nan", false, 0.0},
    };
    for (const Case& test : cases)
    {
        double value = 99.0;
        EXPECT_EQ(AAX_CString(test.text).ToDouble(&value), test.read) << '"' << test.text << '"';
        EXPECT_EQ(value, test.value) << '"' << test.text << '"';
    }
    EXPECT_FALSE(AAX_CString("1").ToDouble(nullptr));
}
} // namespace
