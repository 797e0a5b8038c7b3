#include "MainAppWindow.h"

#include "ProjectInfo.h"

juce::Rectangle<int> initialWindowBounds (juce::Rectangle<int> userArea)
{
    const auto w = (double) userArea.getWidth();
    const auto h = (double) userArea.getHeight();
    return { (int) (0.1 * w), (int) (0.1 * h), (int) juce::jmax (850.0, 0.5 * w), (int) juce::jmax (600.0, 0.7 * h) };
}

juce::String mainWindowTitle() { return juce::String (ProjectInfo::projectName) + " V1.00"; }

MainAppWindow::MainAppWindow (const juce::String& title, QuitRequest onQuit)
    : juce::DocumentWindow (title,
                            juce::LookAndFeel::getDefaultLookAndFeel().findColour (
                                juce::ResizableWindow::backgroundColourId),
                            juce::DocumentWindow::allButtons, true),
      quitRequest (std::move (onQuit))
{
    setUsingNativeTitleBar (true);
    setTitleBarButtonsRequired (juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false);
    setResizable (true, false);
    setResizeLimits (400, 400, 5000, 5000);

    juce::Rectangle<int> userArea (0, 0, 1280, 800);
    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        userArea = display->userArea;
    setBounds (initialWindowBounds (userArea));

    auto main = std::make_unique<MainComponent>();
    if (main->isPageCreated())
    {
        // The window follows its content's size; the content starts at the window's.
        main->setSize (getWidth(), getHeight());
        setContentOwned (main.release(), true);
        setVisible (true);
        contentCreated = true;
    }
}

MainAppWindow::~MainAppWindow() { clearContentComponent(); }

void MainAppWindow::closeButtonPressed()
{
    // The page goes now, once; the window then holds no content to delete again.
    clearContentComponent();

    // Quit after this callback has returned: quitting deletes this window.
    juce::MessageManager::callAsync ([quit = quitRequest] {
        if (quit)
            quit();
    });
}

MainComponent* MainAppWindow::getMainComponent() const
{
    return dynamic_cast<MainComponent*> (getContentComponent());
}
