#include "GuardedXml.h"

#include "PresetFiles.h"
#include "Utf8.h"

#include <cstring>
#include <string>

namespace GuardedXml
{
namespace
{
// Walks the text as the framework's XmlDocument does (same character decoding, same
// tokens), but without recursion, and gives up at the first construct outside the plain
// subset: a tag name or attribute name outside ASCII, an unquoted attribute, a '<' inside an
// attribute value, an entity other than the five named ones and numeric character
// references, a DOCTYPE, a processing instruction inside the root element, anything
// unterminated.
class Checker
{
public:
    Checker(const juce::String& text, int depthLimit) : p(text.getCharPointer()), limit(depthLimit)
    {
    }

    bool run()
    {
        if (!skipProlog() || *p != '<')
            return false;

        int depth = 0;

        for (;;)
        {
            const auto c = *p;

            if (c == 0)
                return false;

            if (c == '&')
            {
                if (!skipEntity())
                    return false;

                continue;
            }

            if (c != '<')
            {
                ++p;
                continue;
            }

            if (p[1] == '/')
            {
                if (!skipPast(">"))
                    return false;

                if (--depth == 0)
                    return true;

                continue;
            }

            if (startsWith("<!--"))
            {
                p += 4;

                if (!skipPast("-->"))
                    return false;

                continue;
            }

            if (startsWith("<![CDATA["))
            {
                p += 9;

                if (!skipPast("]]>"))
                    return false;

                continue;
            }

            // A processing instruction inside an element: followed by text, it sends the
            // framework's parser round the same few characters for ever (it skips the
            // instruction as white space, then rolls back to read text and stops at its '<').
            // The documents written here have none.
            if (p[1] == '?')
                return false;

            if (++depth > limit)
                return false;

            bool isEmpty = false;

            if (!readStartTag(isEmpty))
                return false;

            if (isEmpty && --depth == 0)
                return true;
        }
    }

private:
    static bool isSpace(juce::juce_wchar c) noexcept
    {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    }

    // The framework's identifier characters below 128; beyond ASCII its answer depends on the
    // C library's locale, so such names are refused.
    static bool isNameChar(juce::juce_wchar c) noexcept
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == ':' || c == '.';
    }

    bool startsWith(const char* ascii) const noexcept
    {
        return juce::CharacterFunctions::compareUpTo(p, juce::CharPointer_ASCII(ascii),
                                                     (int)std::strlen(ascii)) == 0;
    }

    // Moves past the next occurrence of `ascii`; false when there is none.
    bool skipPast(const char* ascii) noexcept
    {
        const auto index = p.indexOf(juce::CharPointer_ASCII(ascii));

        if (index < 0)
            return false;

        p += index + (int)std::strlen(ascii);
        return true;
    }

    void skipSpaces() noexcept
    {
        while (isSpace(*p))
            ++p;
    }

    // White space, comments and processing instructions (the XML declaration among them)
    // before the root element. A DOCTYPE is refused.
    bool skipProlog() noexcept
    {
        for (;;)
        {
            skipSpaces();

            if (startsWith("<?"))
            {
                p += 2;

                if (!skipPast("?>"))
                    return false;
            }
            else if (startsWith("<!--"))
            {
                p += 4;

                if (!skipPast("-->"))
                    return false;
            }
            else
            {
                return *p == '<' && isNameChar(p[1]);
            }
        }
    }

    bool skipName() noexcept
    {
        if (!isNameChar(*p))
            return false;

        while (isNameChar(*p))
            ++p;

        return true;
    }

    bool readStartTag(bool& isEmpty)
    {
        ++p;

        if (!skipName())
            return false;

        for (;;)
        {
            const auto afterName = *p;

            if (!(isSpace(afterName) || afterName == '>' || afterName == '/'))
                return false;

            skipSpaces();

            if (*p == '/' && p[1] == '>')
            {
                p += 2;
                isEmpty = true;
                return true;
            }

            if (*p == '>')
            {
                ++p;
                isEmpty = false;
                return true;
            }

            if (!skipName())
                return false;

            skipSpaces();

            if (*p != '=')
                return false;

            ++p;
            skipSpaces();

            if (!skipQuotedValue())
                return false;
        }
    }

    bool skipQuotedValue()
    {
        const auto quote = *p;

        if (quote != '"' && quote != '\'')
            return false;

        ++p;

        for (;;)
        {
            const auto c = *p;

            if (c == 0 || c == '<')
                return false;

            if (c == quote)
            {
                ++p;
                return true;
            }

            if (c == '&')
            {
                if (!skipEntity())
                    return false;
            }
            else
            {
                ++p;
            }
        }
    }

    bool skipEntity()
    {
        ++p;

        for (auto* named : {"amp;", "quot;", "apos;", "lt;", "gt;"})
        {
            const auto length = (int)std::strlen(named);

            if (p.compareIgnoreCaseUpTo(juce::CharPointer_ASCII(named), length) == 0)
            {
                p += length;
                return true;
            }
        }

        if (*p != '#')
            return false;

        ++p;
        const bool isHex = (*p == 'x' || *p == 'X');

        if (isHex)
            ++p;

        const int maxDigits = isHex ? 8 : 12;
        juce::int64 code = 0;
        int numDigits = 0;

        for (; *p != ';'; ++p)
        {
            const int digit = isHex ? juce::CharacterFunctions::getHexDigitValue(*p)
                                    : ((*p >= '0' && *p <= '9') ? (int)(*p - '0') : -1);

            if (digit < 0 || ++numDigits > maxDigits)
                return false;

            code = code * (isHex ? 16 : 10) + digit;
        }

        ++p;
        return numDigits > 0 && code > 0 && code <= 0x10ffff;
    }

    juce::String::CharPointerType p;
    const int limit;
};
} // namespace

bool isAcceptable(const juce::String& text, int depth)
{
    return Checker(text, depth).run();
}

std::unique_ptr<juce::XmlElement> parse(const juce::String& text)
{
    const auto* raw = text.toRawUTF8();
    const auto valid = Utf8::toValidText(raw, std::strlen(raw));

    if (!isAcceptable(valid))
        return {};

    return juce::parseXML(valid);
}

std::unique_ptr<juce::XmlElement> parse(const juce::File& file)
{
    juce::MemoryBlock contents;
    if (!PresetFiles::readRegularFile(file, maxFileSize, contents))
        return {};

    // Decoded as the framework's loadFileAsString decodes a file (byte-order marks included).
    return parse(juce::String::createStringFromData(contents.getData(), (int)contents.getSize()));
}
} // namespace GuardedXml
