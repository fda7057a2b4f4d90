#include "GuiTestSupport.h"

#include "DialogImages.h"
#include "VelmorAlertComponent.h"

#include <gtest/gtest.h>

namespace
{
// Opens the box's protected parts to the tests.
struct InspectableAlert final : VelmorAlertComponent
{
    InspectableAlert() : VelmorAlertComponent("alert_", 1, 1, 3) {}
    using VelmorAlertComponent::cancelButton;
    using VelmorAlertComponent::iconImage;
    using VelmorAlertComponent::okButton;
    using VelmorAlertComponent::titleLabel;
};

bool samePixels(const juce::Image& a, const juce::Image& b)
{
    if (a.getBounds() != b.getBounds())
        return false;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt(x, y) != b.getPixelAt(x, y))
                return false;
    return true;
}

// An owner (the editor, or a dialog that owns a box) with the box as a hidden child. It is not on
// screen, as an editor is before a host opens it into a window.
struct AlertOwner : ::testing::Test
{
    AlertOwner()
    {
        owner.setBounds(0, 0, 325, 454);
        owner.setVisible(true);
        owner.addChildComponent(alert);
        alert.setBounds(0, 0, 325, 454);
    }
    ~AlertOwner() override
    {
        alert.hide();
        if (owner.isCurrentlyModal(false))
            owner.exitModalState(0);
        guitest::dispatchPendingMessages();
    }

    juce::Component owner;
    InspectableAlert alert;
};

TEST_F(AlertOwner, StartsHiddenAtTheSizeOfItsPicture)
{
    EXPECT_FALSE(alert.isVisible());
    EXPECT_EQ(alert.getWidth(), 325);
    EXPECT_EQ(alert.getHeight(), 454);
    EXPECT_EQ(alert.okButton->getName(), "OK");
    EXPECT_EQ(alert.cancelButton->getName(), "CANCEL");
}

TEST_F(AlertOwner, LaysOutOneOrTwoButtons)
{
    alert.setTitle("Are you sure you want to overwrite this preset?\n\n\"Init.vzrp\"");
    alert.show(2, 1);
    EXPECT_TRUE(alert.isVisible());
    EXPECT_TRUE(alert.isCurrentlyModal());
    EXPECT_EQ(alert.okButton->getBounds(), juce::Rectangle<int>(16, 307, 132, 51));
    EXPECT_EQ(alert.cancelButton->getBounds(), juce::Rectangle<int>(179, 307, 132, 51));
    EXPECT_TRUE(alert.cancelButton->isVisible());
    guitest::saveSnapshotIfAsked(alert, "alert-two-buttons");

    alert.show(1, 1);
    EXPECT_EQ(alert.okButton->getBounds(), juce::Rectangle<int>(97, 307, 132, 51));
    EXPECT_TRUE(alert.okButton->isVisible());
    EXPECT_FALSE(alert.cancelButton->isVisible());
    EXPECT_TRUE(alert.isCurrentlyModal());
    EXPECT_EQ(juce::ModalComponentManager::getInstance()->getNumModalComponents(), 1);
    EXPECT_TRUE(alert.titleLabel->getText().endsWith("\"Init.vzrp\""));
}

TEST_F(AlertOwner, IgnoresAButtonCountOtherThanOneOrTwo)
{
    alert.needChangeParentModal(true);
    owner.enterModalState(false, nullptr, false);
    for (int count : {0, 3, -1})
    {
        alert.show(count, 1);
        EXPECT_FALSE(alert.isVisible()) << count;
        EXPECT_FALSE(alert.isCurrentlyModal(false)) << count;
        EXPECT_TRUE(owner.isCurrentlyModal()) << count;
    }
}

TEST_F(AlertOwner, BothButtonsCloseTheBox)
{
    for (const char* name : {"OK", "CANCEL"})
    {
        alert.show(2, 1);
        guitest::click(*dynamic_cast<juce::Button*>(guitest::findChild(alert, name)));
        EXPECT_FALSE(alert.isVisible()) << name;
        EXPECT_FALSE(alert.isCurrentlyModal(false)) << name;
    }
}

TEST_F(AlertOwner, DecodesAnIconOnlyWhenItsKindChanges)
{
    alert.show(2, 4);
    EXPECT_TRUE(samePixels(alert.iconImage, DialogImages::loadIconImage(4)));
    const auto* decoded = alert.iconImage.getPixelData();
    alert.show(2, 4);
    EXPECT_EQ(alert.iconImage.getPixelData(), decoded);
    alert.show(2, 7);
    EXPECT_TRUE(samePixels(alert.iconImage, DialogImages::loadIconImage(1)));
    alert.show(2, 3);
    EXPECT_TRUE(samePixels(alert.iconImage, DialogImages::loadIconImage(3)));
}

TEST_F(AlertOwner, DrawsTheIconCentredTwelvePixelsDown)
{
    // Kind 2 is the OK button's strip, 132 pixels wide, above the (transparent) top of the box.
    alert.show(1, 2);
    const auto strip = DialogImages::loadButtonImage(1);
    const auto picture = guitest::snapshot(alert);
    const int left = 162 - 66;
    for (auto at : {juce::Point<int>(66, 25), juce::Point<int>(10, 70), juce::Point<int>(120, 20)})
        EXPECT_EQ(picture.getPixelAt(left + at.x, 12 + at.y), strip.getPixelAt(at.x, at.y))
            << at.toString();
}

// Messages as the editor and the dialogs word them, with the long paths that a user's folders
// give; the last one has no place to break and so must break inside its word.
struct Message
{
    juce::String text;
    bool breaksOnlyBetweenWords;
};

const Message messages[] = {
    {"User manual on: \"/home/someone/Music/Audio Music Apps/Velmor/User Manuals/StompixZR7714 "
     "Manual.pdf\" is not available.",
     true},
    {"User manual on: \"/home/christopher.alexander/Music/Audio Music Apps/Velmor/User "
     "Manuals/StompixZR7714 Manual.pdf\" is not available.",
     true},
    {"User manual on: \"/tmp/stompix-zr7714-gui-home-kq3Tz9/Music/Audio Music Apps/Velmor/User "
     "Manuals/StompixZR7714 Manual.pdf\" is not available.",
     true},
    {"\"Sub/Deeper Folder/A preset with a rather long name.vzrp\"\nwas made using a newer version "
     "of Stompix ZR7714.",
     true},
    {"Are you sure you want to overwrite this preset?\n\n\"Live Sets/2024/Tour/Encore/"
     "Phaser on the lead guitar for the last song.vzrp\"",
     true},
    {"Couldn't save the preset! The file could not be written.", true},
    {"Couldn't save the preset! Presets can only be saved inside the preset folder.", true},
    {"The folder name already exist! Try different name.", true},
    {"Short", true},
    {juce::String::repeatedString("W", 190), false},
};

bool isPathSeparator(juce::juce_wchar c)
{
    return c == '/' || c == '\\';
}

// Where the text may go: inside the label, below the icon's symbol (which ends 156 pixels below
// the icon's top at 12) and above the buttons (at 307).
constexpr float textTop = 12 + 156;
constexpr float textBottom = 307;

// Every character drawn, in order, in one font size (never squeezed), inside the box's free area,
// each line below the one before and, unless the text has nowhere else to break, broken only
// after a space or a path separator.
TEST_F(AlertOwner, LaysAMessageOutInOneSizeBreakingBetweenWords)
{
    for (const auto& [message, breaksOnlyBetweenWords] : messages)
    {
        SCOPED_TRACE(message);
        alert.setTitle(message);
        alert.show(1, 1);
        const auto drawn = guitest::drawnGlyphs(alert);
        ASSERT_FALSE(drawn.empty());
        const auto font = drawn.front().font;

        std::vector<int> glyphs;
        for (const auto& g : drawn)
            glyphs.push_back(g.glyph);
        ASSERT_EQ(glyphs, guitest::visibleGlyphsOf(font, message)) << "every character, in order";

        // The position in the text of each visible character.
        std::vector<int> positions;
        for (int i = 0; i < message.length(); ++i)
            if (!juce::CharacterFunctions::isWhitespace(message[i]))
                positions.push_back(i);

        const auto area = alert.titleLabel->getBounds().toFloat();
        int otherSizes = 0, outside = 0, overlapping = 0;
        juce::StringArray lines{juce::String()}, breaksInsideWords;
        for (size_t i = 0; i < drawn.size(); ++i)
        {
            const auto& g = drawn[i];
            const auto c = message[positions[i]];
            if (g.font.getHeight() != font.getHeight() || g.font.getHorizontalScale() != 1.0f)
                ++otherSizes;
            const auto width = font.getStringWidthFloat(juce::String::charToString(c));
            if (g.origin.x < area.getX() - 0.5f || g.origin.x + width > area.getRight() + 0.5f ||
                g.origin.y - font.getAscent() < textTop - 0.5f ||
                g.origin.y + font.getDescent() > textBottom + 0.5f)
                ++outside;

            if (i > 0 && g.origin.y != drawn[i - 1].origin.y)
            {
                if (g.origin.y - drawn[i - 1].origin.y < font.getHeight() - 0.01f)
                    ++overlapping;
                const auto around = message.substring(positions[i - 1], positions[i] + 1);
                if (!around.containsAnyOf(" \n") && !isPathSeparator(around[0]))
                    breaksInsideWords.add(around);
                lines.add({});
            }
            else if (i > 0 && positions[i] > positions[i - 1] + 1)
                lines.getReference(lines.size() - 1) << " ";
            lines.getReference(lines.size() - 1) << juce::String::charToString(c);
        }

        SCOPED_TRACE("drawn as: " + lines.joinIntoString(" | "));
        EXPECT_EQ(otherSizes, 0) << "glyphs in another size or squeezed";
        EXPECT_EQ(outside, 0) << "glyphs outside the free area";
        EXPECT_EQ(overlapping, 0) << "lines over one another";
        if (breaksOnlyBetweenWords)
        {
            EXPECT_TRUE(breaksInsideWords.isEmpty())
                << "lines break inside words at " << breaksInsideWords.joinIntoString(", ");
        }
        alert.hide();
    }
}

TEST(AlertImages, FallBackToTheAsteriskAndTheOkButton)
{
    EXPECT_TRUE(samePixels(DialogImages::loadIconImage(9), DialogImages::loadIconImage(1)));
    EXPECT_FALSE(samePixels(DialogImages::loadIconImage(3), DialogImages::loadIconImage(1)));
    for (int kind : {1, 2, 6, 11, -1})
        EXPECT_TRUE(
            samePixels(DialogImages::loadButtonImage(kind), DialogImages::loadButtonImage(1)))
            << kind;
    EXPECT_TRUE(samePixels(DialogImages::loadButtonImage(4), DialogImages::loadButtonImage(3)));
    for (int kind : {3, 5, 7, 8, 9, 10})
        EXPECT_FALSE(
            samePixels(DialogImages::loadButtonImage(kind), DialogImages::loadButtonImage(1)))
            << kind;
}

// The modal hand-over, by whether the box takes the owner's state and whether the owner was
// modal when the box came up.
struct HandOver
{
    bool changeParentModal;
    bool ownerModal;
    bool ownerModalWhileShown;
    bool ownerModalAfter;
};

std::ostream& operator<<(std::ostream& out, const HandOver& c)
{
    return out << (c.changeParentModal ? "taking" : "not taking") << " the state of "
               << (c.ownerModal ? "a modal" : "a modeless") << " owner";
}

class AlertHandOver : public AlertOwner, public ::testing::WithParamInterface<HandOver>
{
};

TEST_P(AlertHandOver, GivesBackOnlyWhatItTook)
{
    const auto& c = GetParam();
    alert.needChangeParentModal(c.changeParentModal);
    if (c.ownerModal)
        owner.enterModalState(false, nullptr, false);

    alert.show(2, 1);
    EXPECT_TRUE(alert.isCurrentlyModal());
    EXPECT_EQ(owner.isCurrentlyModal(false), c.ownerModalWhileShown);

    guitest::click(*alert.okButton);
    EXPECT_FALSE(alert.isCurrentlyModal(false));
    EXPECT_EQ(owner.isCurrentlyModal(), c.ownerModalAfter);
    EXPECT_TRUE(owner.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Owners, AlertHandOver,
                         ::testing::Values(HandOver{true, true, false, true},
                                           HandOver{true, false, false, false},
                                           HandOver{false, true, true, true},
                                           HandOver{false, false, false, false}));

TEST_F(AlertOwner, LeavesAnOwnerHiddenMeanwhileHiddenAndNotModal)
{
    alert.needChangeParentModal(true);
    owner.enterModalState(false, nullptr, false);
    alert.show(1, 1);
    owner.setVisible(false);
    alert.hide();
    EXPECT_FALSE(owner.isVisible());
    EXPECT_FALSE(owner.isCurrentlyModal(false));
}

TEST_F(AlertOwner, AShowWhileShownKeepsTheOwnersStateHeld)
{
    alert.needChangeParentModal(true);
    owner.enterModalState(false, nullptr, false);
    alert.show(2, 1);
    alert.show(1, 3);
    EXPECT_FALSE(owner.isCurrentlyModal(false));
    alert.hide();
    EXPECT_TRUE(owner.isCurrentlyModal());
}

} // namespace
