#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

// The MIDI port layer, namespace NsDorna::ports. Every MIDI port that Korvel lists, opens or sends to goes
// through here: the device link, the maker's device-name code (arvix/) and korvel-cli.
//
// Two interchangeable back-ends:
//   - the operating system's ports through JUCE (the default; useSystemPorts()),
//   - virtual ports inside the process (useVirtualPorts(), link/MidiPortsVirtual.h), on which simulated
//     devices and tests publish ports.
// The selection is process-wide; switching closes nothing that is already open (an open port keeps
// its own back-end alive).
//
// Names are the port names as the lists show them; input and output lists are separate, as JUCE's are.
namespace NsDorna::ports
{
// An open output port. Sending to a port that has gone since it was opened does nothing (the data is lost).
class Output
{
public:
    virtual ~Output() = default;
    virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
    virtual void sendBlockOfMessagesNow (const juce::MidiBuffer& buffer) = 0;
    virtual juce::String getName() const = 0;
    // False once the port has disappeared from the system (device unplugged).
    virtual bool isAvailable() const = 0;
};

// An open input port. Messages reach the callback given to openInput only between start() and stop(),
// on a thread that is not the message thread. After stop() or the destructor returns, the callback is
// never called again (stop() called from inside the callback itself returns at once).
class Input
{
public:
    virtual ~Input() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual juce::String getName() const = 0;
    virtual bool isAvailable() const = 0;
};

class Backend
{
public:
    virtual ~Backend() = default;
    // Same content and order as JUCE's MidiInput/MidiOutput device lists (duplicates included).
    virtual juce::StringArray inputNames() = 0;
    virtual juce::StringArray outputNames() = 0;
    // Opens the first port of exactly that name (case-sensitive); nullptr when there is none or it fails.
    virtual std::unique_ptr<Output> openOutput (const juce::String& name) = 0;
    // The callback is called as callback->handleIncomingMidiMessage (source, message); source is the
    // juce::MidiInput for system ports and nullptr for virtual ones. It must outlive the Input.
    virtual std::unique_ptr<Input> openInput (const juce::String& name, juce::MidiInputCallback* callback) = 0;
};

// Through the selected back-end. Every call fetches the lists anew.
juce::StringArray getInputNames();
juce::StringArray getOutputNames();
std::unique_ptr<Output> openOutput (const juce::String& name);
std::unique_ptr<Input> openInput (const juce::String& name, juce::MidiInputCallback* callback);

class VirtualPorts;

std::shared_ptr<Backend> getBackend();
void setBackend (std::shared_ptr<Backend> backend); // nullptr selects the system ports
// The operating system's ports (the default).
void useSystemPorts();
// A fresh, empty set of virtual ports becomes the selected back-end; returned for publishing ports on it.
std::shared_ptr<VirtualPorts> useVirtualPorts();
// The selected back-end if it is a VirtualPorts, else nullptr.
std::shared_ptr<VirtualPorts> currentVirtualPorts();

// The back-end on the operating system's ports through JUCE 7 (getAvailableDevices, openDevice).
std::shared_ptr<Backend> makeSystemPorts();
} // namespace NsDorna::ports
