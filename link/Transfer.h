#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace NsDorna
{
// The messages of a slot, from its current mode, encoded blocks and digest.
juce::MidiMessage theDigestSendingOfSlot (int slot, int command);
juce::MidiMessage thePartDataSendingOfSlot (int slot, int part);
juce::MidiMessage thePartTextSendingOfSlot (int slot, int part);

// One transfer of a slot to the device (slot outside 0..2: the current slot).
juce::Result sendSlotToDevice (int slot);

// The host-platform announcement to port 4 of product pid; false when a transfer is under way.
bool announceHostPlatform (int pid, juce::uint8 command, juce::uint8 value);

// True when the host platform announced to the device is macOS.
bool isMacOS();

// The automatic sender: encodes every changed slot and transfers it, retrying a failed one once.
void updateAndSend();
} // namespace NsDorna
