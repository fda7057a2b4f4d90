#include "GuiTestSupport.h"

#include "Velmor2StateKickButton.h"
#include "VelmorSplashScreen.h"

#include <gtest/gtest.h>

namespace
{
// The editor's corner of it: the logo hot spot and the about panel above everything.
struct EditorWithAboutPanel : ::testing::Test
{
    EditorWithAboutPanel()
    {
        editor.setSize(325, 454);
        editor.setVisible(true);
        logo.setBounds(15, 383, 109, 58);
        editor.addAndMakeVisible(logo);
        editor.addChildComponent(about);
        about.setBounds(0, 0, 325, 455);
    }
    ~EditorWithAboutPanel() override
    {
        about.hide();
        guitest::dispatchPendingMessages();
    }

    juce::Label& versionLabel()
    {
        return *dynamic_cast<juce::Label*>(guitest::findChild(about, "versionLabel_"));
    }

    juce::Component editor;
    Velmor2StateKickButton logo{"aboutShowButton_"};
    VelmorSplashScreen about{"aboutContainer_"};
};

TEST_F(EditorWithAboutPanel, StartsHiddenWithAnEmptyVersion)
{
    VelmorSplashScreen fresh("aboutContainer_");
    EXPECT_FALSE(fresh.isVisible());
    EXPECT_EQ(fresh.getWidth(), 325);
    EXPECT_EQ(fresh.getHeight(), 455);
    EXPECT_TRUE(versionLabel().getText().isEmpty());
    EXPECT_EQ(versionLabel().getBounds(), juce::Rectangle<int>(150, 112, 100, 16));
}

TEST_F(EditorWithAboutPanel, ShowsTheVersionModallyUntilAClickOutsideTheLabel)
{
    about.setVersion(juce::String("1.0.1") + " (64bit)");
    about.show();
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(about.isCurrentlyModal());
    EXPECT_EQ(versionLabel().getText(), "1.0.1 (64bit)");
    guitest::saveSnapshotIfAsked(about, "about-panel");

    // The logo hot spot lies under the panel; the label keeps its own clicks.
    EXPECT_TRUE(guitest::pressAt(editor, {200, 120}));
    EXPECT_TRUE(about.isVisible());

    EXPECT_TRUE(guitest::pressAt(editor, {60, 410}));
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.isCurrentlyModal(false));

    // The editor takes clicks again.
    EXPECT_EQ(editor.getComponentAt(juce::Point<int>(60, 410)), &logo);
    EXPECT_FALSE(logo.isCurrentlyBlockedByAnotherModalComponent());
}

TEST_F(EditorWithAboutPanel, BlocksTheEditorWhileShown)
{
    about.show();
    about.setVisible(false); // even where the panel does not cover it
    EXPECT_TRUE(logo.isCurrentlyBlockedByAnotherModalComponent());
    EXPECT_FALSE(guitest::pressAt(editor, {60, 410}));
    about.hide();
    EXPECT_FALSE(logo.isCurrentlyBlockedByAnotherModalComponent());
}

TEST_F(EditorWithAboutPanel, ASecondShowEntersTheModalStateOnce)
{
    about.show();
    about.show();
    EXPECT_EQ(juce::ModalComponentManager::getInstance()->getNumModalComponents(), 1);
    about.hide();
    EXPECT_EQ(juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
}

} // namespace
