#include "SleepMs.h"

#include <juce_events/juce_events.h>

namespace arvix
{
namespace
{
// Runs the loop for up to ms; once the loop has been told to quit it returns at once,
// so the rest of the wait is slept plainly to keep device pacing intact.
void dispatchFor (int ms)
{
    const auto end = juce::Time::getMillisecondCounterHiRes() + ms;
    auto* mm = juce::MessageManager::getInstanceWithoutCreating();
    if (mm != nullptr && mm->isThisTheMessageThread())
        mm->runDispatchLoopUntil (ms);

    const auto left = end - juce::Time::getMillisecondCounterHiRes();
    if (left >= 1.0)
        juce::Thread::sleep ((int) left);
}
} // namespace

void sleep_ms (int ms)
{
    ms = juce::jmax (0, ms);
    while (ms > 100)
    {
        dispatchFor (100);
        ms -= 100;
    }
    dispatchFor (ms);
}
} // namespace arvix
