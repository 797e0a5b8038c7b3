#include "app/Assets.h"
#include "app/DemoRegistry.h"
#include "app/MainAppWindow.h"
#include "editor/MainComp.h"
#include "link/LinkState.h"

#include <gtest/gtest.h>

namespace
{
void pump (int ms = 50) { juce::MessageManager::getInstance()->runDispatchLoopUntil (ms); }
} // namespace

TEST (Shell, WindowBoundsFollowTheUserArea)
{
    const struct { juce::Rectangle<int> area, bounds; } cases[] = {
        { { 0, 0, 1920, 1080 }, { 192, 108, 960, 756 } },
        { { 0, 0, 1280, 800 }, { 128, 80, 850, 600 } },
        { { 0, 0, 1701, 999 }, { 170, 99, 850, 699 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ (initialWindowBounds (c.area), c.bounds) << c.area.toString();
}

TEST (Shell, TitleIgnoresTheVersionString)
{
    EXPECT_EQ (mainWindowTitle(), "Dorna Korvel V1.00");
}

TEST (Shell, RegistryHoldsTheEditorPage)
{
    JUCEDemos::getCategories().clear();
    registerAllDemos();
    auto& cats = JUCEDemos::getCategories();
    ASSERT_EQ (cats.size(), 1u);
    EXPECT_EQ (cats[0].name, "Controllers");
    ASSERT_EQ (cats[0].demos.size(), 1u);
    EXPECT_EQ (cats[0].demos[0].demoFile, getResourcesDirectory().getChildFile ("Controllers/Dorna"));
    EXPECT_FALSE (cats[0].demos[0].isHeavyweight);

    // getCategory finds by exact name, or appends.
    EXPECT_EQ (&JUCEDemos::getCategory ("Controllers"), &cats[0]);
    JUCEDemos::getCategory ("controllers");
    EXPECT_EQ (cats.size(), 2u);
    JUCEDemos::getCategories().clear();
}

TEST (Shell, MissingAssetGivesANullImage)
{
    EXPECT_TRUE (getImageFromAssets ("no such picture.png").isNull());
    EXPECT_EQ (createAssetInputStream ("no such picture.png"), nullptr);
}

TEST (Shell, MainWindowShowsOnlyThePage)
{
    NsDorna::g_pid = 0;
    int quits = 0;
    MainAppWindow window (mainWindowTitle(), [&] { ++quits; });
    pump();

    ASSERT_TRUE (window.isContentCreated());
    EXPECT_TRUE (window.isVisible());
    const auto userArea = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    EXPECT_EQ (window.getBounds().getWidth(), initialWindowBounds (userArea).getWidth());
    EXPECT_EQ (window.getBounds().getHeight(), initialWindowBounds (userArea).getHeight());
    EXPECT_EQ (window.getName(), "Dorna Korvel V1.00");
    EXPECT_EQ (NsDorna::g_pid, 2054);
    EXPECT_TRUE (window.isUsingNativeTitleBar());
    EXPECT_EQ (window.getDesktopWindowStyleFlags() & juce::ComponentPeer::windowHasMaximiseButton, 0);
    EXPECT_NE (window.getDesktopWindowStyleFlags() & juce::ComponentPeer::windowHasMinimiseButton, 0);

    auto* constrainer = window.getConstrainer();
    ASSERT_NE (constrainer, nullptr);
    EXPECT_EQ (constrainer->getMinimumWidth(), 400);
    EXPECT_EQ (constrainer->getMinimumHeight(), 400);
    EXPECT_EQ (constrainer->getMaximumWidth(), 5000);
    window.setBoundsConstrained ({ 0, 0, 100, 100 });
    EXPECT_GE (window.getWidth(), 400);
    EXPECT_GE (window.getHeight(), 400);

    auto* main = window.getMainComponent();
    ASSERT_NE (main, nullptr);
    auto& content = main->getContent();
    EXPECT_EQ (content.getTabBarDepth(), 0);
    auto* page = content.getCurrentPage();
    ASSERT_NE (page, nullptr);
    EXPECT_NE (dynamic_cast<NsDorna::MainComp*> (page), nullptr);
    EXPECT_EQ (page->getScreenBounds(), main->getScreenBounds());

    // Pointer tracking and the menu button never open the side panel.
    main->hitTest (1, 1);
    main->hitTest (100, 100);
    main->homeButtonClicked();
    pump();
    EXPECT_FALSE (main->getSidePanel().isPanelShowing());
}

TEST (Shell, FirstFiveContentResizesRecentreTheWindow)
{
    MainAppWindow window (mainWindowTitle(), [] {});
    pump();
    const auto centre = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea.getCentre();

    // Count afresh from a window that is already on screen.
    DemoContentComponent::initQ() = 0;
    for (int i = 0; i < 5; ++i)
    {
        window.setTopLeftPosition (10, 20);
        window.setSize (900 + 10 * i, 700);
        EXPECT_NEAR (window.getBounds().getCentreX(), centre.x, 1) << "resize " << i;
        EXPECT_NEAR (window.getBounds().getCentreY(), centre.y, 1) << "resize " << i;
    }
    EXPECT_EQ (DemoContentComponent::initQ(), 5);

    // Later resizes leave the position alone.
    window.setTopLeftPosition (10, 20);
    window.setSize (1000, 720);
    EXPECT_EQ (window.getPosition(), juce::Point<int> (10, 20));
}

TEST (Shell, ClosingDeletesThePageOnceThenQuits)
{
    int quits = 0;
    const int before = NsDorna::MainComp::deletedCount();
    {
        MainAppWindow window (mainWindowTitle(), [&] { ++quits; });
        pump();
        window.closeButtonPressed();
        EXPECT_EQ (NsDorna::MainComp::deletedCount(), before + 1);
        EXPECT_EQ (window.getMainComponent(), nullptr);
        pump();
        EXPECT_EQ (quits, 1);
    }
    EXPECT_EQ (NsDorna::MainComp::deletedCount(), before + 1);
}
