// A JUCE assertion that fails in a Debug build (or in any build with JUCE_LOG_ASSERTIONS) writes
// the line "JUCE Assertion failure in FILE:LINE" to the error stream and lets the program go on.
// In this binary such a line fails the test that is running; outside any test (the framework's
// leak detector reports at exit) it makes the whole run fail.

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

namespace
{
bool testProgramEnded = false;

class AssertionCatcher final : public std::streambuf
{
public:
    AssertionCatcher() : forward(std::cerr.rdbuf(this)) {}
    ~AssertionCatcher() override { std::cerr.rdbuf(forward); }

protected:
    int overflow(int character) override
    {
        if (character == traits_type::eof())
            return traits_type::not_eof(character);

        forward->sputc(static_cast<char>(character));
        if (character == '\n')
        {
            check(line);
            line.clear();
        }
        else
        {
            line += static_cast<char>(character);
        }
        return character;
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        for (std::streamsize i = 0; i < count; ++i)
            overflow(static_cast<unsigned char>(text[i]));
        return count;
    }

    int sync() override { return forward->pubsync(); }

private:
    void check(const std::string& text)
    {
        if (text.find("JUCE Assertion failure") == std::string::npos)
            return;

        if (!testProgramEnded)
        {
            ADD_FAILURE() << text;
            return;
        }

        forward->pubsync();
        std::_Exit(EXIT_FAILURE);
    }

    std::streambuf* forward;
    std::string line;
};

class EndOfProgram final : public ::testing::EmptyTestEventListener
{
    void OnTestProgramEnd(const ::testing::UnitTest&) override { testProgramEnded = true; }
};

// Constructed before the framework's leak counters, so destroyed after their reports.
AssertionCatcher catcher;

[[maybe_unused]] const bool listening = []
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new EndOfProgram);
    return true;
}();
} // namespace
