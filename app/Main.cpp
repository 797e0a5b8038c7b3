#include "DemoRegistry.h"
#include "MainAppWindow.h"
#include "ProjectInfo.h"

#include <juce_gui_basics/juce_gui_basics.h>

class DemoRunnerApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return ProjectInfo::projectName; }
    const juce::String getApplicationVersion() override { return ProjectInfo::versionString; }
    bool moreThanOneInstanceAllowed() override { return false; }
    void anotherInstanceStarted (const juce::String&) override {}

    void initialise (const juce::String&) override
    {
        registerAllDemos();

        mainWindow = std::make_unique<MainAppWindow> (mainWindowTitle(), [this] { systemRequestedQuit(); });
        if (! mainWindow->isContentCreated())
        {
            mainWindow.reset();
            quit();
        }
    }

    void shutdown() override { mainWindow.reset(); }

    void systemRequestedQuit() override
    {
        if (mainWindow != nullptr)
            mainWindow->setMinimised (true);
        shutdown();
        quit();
    }

    bool backButtonPressed() override
    {
        if (mainWindow != nullptr)
            if (auto* main = mainWindow->getMainComponent())
                main->getSidePanel().showOrHide (false);
        return true;
    }

private:
    std::unique_ptr<MainAppWindow> mainWindow;
};

START_JUCE_APPLICATION (DemoRunnerApplication)
