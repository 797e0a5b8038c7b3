#include "link/Host.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    // Without an application object JUCE only installs its X error handlers when asked to create one.
    juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* { return nullptr; };
    juce::ScopedJuceInitialiser_GUI juce;

    // The editor page's host keeps its settings here, never in the user's.
    const juce::TemporaryFile folder;
    folder.getFile().createDirectory();
    NsDorna::Host::setSettingsLocationForNewHosts (
        NsDorna::SettingsLocation::inFolder (folder.getFile()));
    const int result = RUN_ALL_TESTS();
    NsDorna::Host::deleteInstance();
    folder.getFile().deleteRecursively();
    return result;
}
