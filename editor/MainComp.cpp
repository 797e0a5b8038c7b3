#include "MainComp.h"

#include "link/LinkState.h"

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
}

MainComp::~MainComp() { ++pagesDeleted; }

void MainComp::paint (juce::Graphics& g) { g.fillAll (juce::Colours::lightgrey); }

int MainComp::deletedCount() { return pagesDeleted.load(); }
} // namespace NsDorna
