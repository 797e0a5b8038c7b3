#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    // A message manager without any window: enough for timers, async calls and the MIDI layer.
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
