#pragma once

#include "MainComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Bounds of a new main window inside the main display's user area.
juce::Rectangle<int> initialWindowBounds (juce::Rectangle<int> userArea);
// The window title: the project name and a fixed version text.
juce::String mainWindowTitle();

class MainAppWindow : public juce::DocumentWindow
{
public:
    // Called by the close button after the page is gone; the application quits there.
    using QuitRequest = std::function<void()>;

    MainAppWindow (const juce::String& title, QuitRequest onQuit);
    ~MainAppWindow() override;

    void closeButtonPressed() override;
    MainComponent* getMainComponent() const;
    bool isContentCreated() const noexcept { return contentCreated; }

private:
    QuitRequest quitRequest;
    bool contentCreated = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainAppWindow)
};
