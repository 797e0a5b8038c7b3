#include "MainComp.h"

#include "link/Host.h"
#include "link/LinkState.h"
#include "link/MidiInputHandler.h"
#include "link/MyTimer.h"

#include <atomic>

namespace NsDorna
{
namespace
{
std::atomic<int> pagesDeleted { 0 };
}

MainComp::MainComp (int pid)
{
    g_pid = pid;
    setOpaque (true);

    // The host restores the mapping from the settings; the device link keeps the Dorna in step.
    Host::getInstance();
    startDeviceLinkTimer();
}

MainComp::~MainComp()
{
    if (auto* host = Host::getInstance())
        host->saveSettings();
    connDevcOrNot (g_pid, false);
    ++pagesDeleted;
}

void MainComp::paint (juce::Graphics& g) { g.fillAll (juce::Colours::lightgrey); }

int MainComp::deletedCount() { return pagesDeleted.load(); }
} // namespace NsDorna
