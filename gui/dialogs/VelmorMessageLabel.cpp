#include "VelmorMessageLabel.h"

namespace
{
// Below this the text would no longer be readable; what still does not fit is broken inside
// words.
constexpr float smallestFontHeight = 8.0f;
constexpr float fontHeightStep = 0.5f;

bool isPathSeparator(juce::juce_wchar c)
{
    return c == '/' || c == '\\';
}

// The pieces between which a line may break: each ends after a run of spaces or after a path
// separator (a separator followed by spaces ends with them).
juce::StringArray breakablePieces(const juce::String& paragraph)
{
    juce::StringArray pieces;
    juce::String piece;
    for (auto p = paragraph.getCharPointer(); !p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        piece += juce::String::charToString(c);
        const auto next = *p;
        const bool endsHere =
            next == 0 || (!juce::CharacterFunctions::isWhitespace(next) &&
                          (juce::CharacterFunctions::isWhitespace(c) || isPathSeparator(c)));
        if (endsHere)
        {
            pieces.add(piece);
            piece.clear();
        }
    }
    return pieces;
}

float widthOf(const juce::Font& font, const juce::String& line)
{
    return font.getStringWidthFloat(line.trimEnd());
}

// Splits a piece wider than a line into parts that each fit (at least one character each).
juce::StringArray brokenInside(const juce::String& piece, const juce::Font& font, float width)
{
    juce::StringArray parts;
    juce::String part;
    for (auto p = piece.getCharPointer(); !p.isEmpty();)
    {
        const auto c = juce::String::charToString(p.getAndAdvance());
        if (part.isNotEmpty() && widthOf(font, part + c) > width)
        {
            parts.add(part);
            part.clear();
        }
        part += c;
    }
    parts.add(part);
    return parts;
}

// Fills lines greedily with the paragraph's pieces. Returns false when a piece alone is wider
// than a line, unless breakWords lets such a piece be broken.
bool wrapParagraph(const juce::String& paragraph, const juce::Font& font, float width,
                   bool breakWords, juce::StringArray& lines)
{
    bool fits = true;
    juce::String line;
    for (const auto& piece : breakablePieces(paragraph))
    {
        if (line.isNotEmpty() && widthOf(font, line + piece) <= width)
        {
            line += piece;
            continue;
        }
        if (line.isNotEmpty())
            lines.add(line.trimEnd());
        line = piece;
        if (widthOf(font, line) <= width)
            continue;
        if (!breakWords)
        {
            fits = false;
            continue;
        }
        auto parts = brokenInside(piece, font, width);
        line = parts[parts.size() - 1];
        parts.remove(parts.size() - 1);
        lines.addArray(parts);
    }
    lines.add(line.trimEnd());
    return fits;
}
} // namespace

VelmorMessageLabel::Layout VelmorMessageLabel::layOut(const juce::String& text,
                                                      const juce::Font& font,
                                                      juce::Rectangle<float> area)
{
    juce::StringArray paragraphs;
    paragraphs.addLines(text);

    const auto largest = font.getHeight();
    const auto smallest = juce::jmin(largest, smallestFontHeight);
    for (auto height = largest;; height = juce::jmax(smallest, height - fontHeightStep))
    {
        const bool lastTry = height <= smallest;
        Layout result{font.withHeight(height), {}};

        bool fits = true;
        for (const auto& paragraph : paragraphs)
            fits = wrapParagraph(paragraph, result.font, area.getWidth(), lastTry, result.lines) &&
                   fits;

        if (lastTry || (fits && (float)result.lines.size() * height <= area.getHeight()))
            return result;
    }
}

void VelmorMessageLabel::paint(juce::Graphics& g)
{
    g.fillAll(findColour(backgroundColourId));

    const auto area = getBorderSize().subtractedFrom(getLocalBounds()).toFloat();
    const auto labelFont = getLookAndFeel().getLabelFont(*this);
    if (getText() != laidOutText || labelFont != laidOutFont || area != laidOutArea)
    {
        layout = layOut(getText(), labelFont, area);
        laidOutText = getText();
        laidOutFont = labelFont;
        laidOutArea = area;
    }

    const auto lineHeight = layout.font.getHeight();
    const auto placement = getJustificationType();
    const auto block = placement.appliedToRectangle(
        juce::Rectangle<float>(area.getWidth(), lineHeight * (float)layout.lines.size()), area);

    g.setColour(findColour(textColourId).withMultipliedAlpha(isEnabled() ? 1.0f : 0.5f));
    g.setFont(layout.font);
    for (int i = 0; i < layout.lines.size(); ++i)
        g.drawText(layout.lines[i],
                   block.withY(block.getY() + lineHeight * (float)i).withHeight(lineHeight),
                   placement.getOnlyHorizontalFlags() | juce::Justification::verticallyCentred,
                   false);
}
