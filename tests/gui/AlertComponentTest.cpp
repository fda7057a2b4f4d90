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
