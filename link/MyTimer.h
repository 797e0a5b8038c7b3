#pragma once

#include <juce_events/juce_events.h>

namespace NsDorna
{
// The device-link timer: reconnects the device, announces the host platform and runs the
// automatic sender. Ticks every 333 ms while idle, every 2000 ms while a slot is pending.
class MyTimer : public juce::Timer
{
public:
    static constexpr int slowMs = 2000;
    static constexpr int fastMs = 333;

    void timerCallback() override;
};

// Creates the process's device-link timer (once) and starts it at the slow interval.
MyTimer& startDeviceLinkTimer();
} // namespace NsDorna
