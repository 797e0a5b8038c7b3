#pragma once

#include "MidiPorts.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

namespace NsDorna
{
// Holds the device's open ports while the link is connected and turns the device's
// replies into the reply statuses the transfer polls.
class MidiInputHandler : public juce::MidiInputCallback
{
public:
    MidiInputHandler();
    ~MidiInputHandler() override;

    // Opens the output and input twins of the port called name.
    void start (const juce::String& name);
    // Freezes the handler, then closes both ports.
    void stop();

    bool isOpen() const;
    bool isFrozen() const { return frozen.get() != 0; }
    void setFrozen (bool shouldBeFrozen) { frozen.exchange (shouldBeFrozen ? 1 : 0); }

    ports::Output* getOutput() const { return outputPort.get(); }

    // Runs on the MIDI input thread: only the one-byte reply statuses are written.
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override;
    void handlePartialSysexMessage (juce::MidiInput*, const juce::uint8*, int, double) override {}

private:
    std::unique_ptr<ports::Output> outputPort;
    std::unique_ptr<ports::Input> inputPort;
    juce::Atomic<int> frozen { 0 };

    JUCE_DECLARE_NON_COPYABLE (MidiInputHandler)
};

// Decodes one reply into the statuses; anything but Note On on channel 11 is ignored.
void decodeReply (const juce::MidiMessage& message);

// Replaces the host's handler and, when connect is set, opens the ports of product pid.
bool connDevcOrNot (int pid, bool connect);

void sendMidiBuffer (ports::Output& output, const juce::MidiBuffer& buffer);
} // namespace NsDorna
