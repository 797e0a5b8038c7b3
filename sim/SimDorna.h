#pragma once

#include "SimDornaMessages.h"

#include "link/MidiPortsVirtual.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// A simulated Dorna on the virtual MIDI ports. It shows the four ports a real one shows
// ("Dorna Port 1" .. "Dorna Port 4"), plays the device's side of the mapping protocol on port 4
// (the one the editor picks: the highest port number), keeps what it is sent per slot and answers
// from a thread of its own. Faults can be switched on for tests.
//
// Every message received is checked (header, product id, command, slot and mode, part number, length,
// byte 8, F7, no data byte of 0x80 or more) and the faulty ones counted. A faulty message addressed to
// it (right header and product id) is not stored and, when its command has a reply, answered negatively;
// foreign and unexpected ones are not answered. Ports 1 to 3 only log what they receive.
namespace NsDorna::sim
{
struct SimDornaOptions
{
    juce::String baseName { "Dorna" }; // ports "<baseName> Port 1" .. "<baseName> Port 4"
    int pid = 2054;                    // product id expected in every SysEx header
    int positiveVelocity = 1;          // velocity of positive replies (127 means negative)
};

class SimDorna
{
public:
    using Options = SimDornaOptions;

    // One message the device received, as it read it.
    struct Received
    {
        int port = 0; // 1..4
        Inspected what;
        juce::MidiMessage message;
    };

    // What the device holds for one memory slot.
    struct SlotMemory
    {
        juce::MemoryBlock mappingBlock { (size_t) Wire::mappingBlockBytes, true };
        juce::MemoryBlock textBlock { (size_t) Wire::textBlockBytes, true };
        int mode = 0;    // mode of the last mapping message for the slot; 0 before any
        int digest = -1; // 7-bit digest held; -1 while none (a part received after the last store)

        juce::String textAt (int index) const; // entry index 0..79: marker byte and 16 characters
    };

    // Publishes its ports on the given virtual ports and starts its thread.
    explicit SimDorna (std::shared_ptr<ports::VirtualPorts> ports, Options options = {});
    ~SimDorna();

    // On the selected virtual ports, selecting fresh ones first when the system ports are selected.
    static std::unique_ptr<SimDorna> startOnVirtualPorts (Options options = {});

    juce::String portName (int number) const; // number 1..4
    juce::StringArray portNames() const;
    std::shared_ptr<ports::VirtualPorts> getPorts() const { return ports; }

    // Plugging: unplugging makes every port vanish (as a pulled USB cable does) and drops pending replies.
    void plugIn();
    void unplug();
    bool isPluggedIn() const;

    // Fault switches (all off at start; 0 = off).
    void setSilent (bool silent);
    void setNegativeDataPart (int part); // answers this data part negatively, every time
    void setNegativeTextPart (int part);
    void setReplyDelayMs (int ms);       // every answer this late
    void setVanishOnDataPart (int part); // ports vanish as soon as this data part arrives (unanswered)
    void setVanishOnTextPart (int part);
    void setStrayIntervalMs (int ms);    // unrelated MIDI to the host every ms on port 4

    // Pretends the slot already holds a mapping with that digest in that mode.
    void holdDigest (int slot, int mode, int digest);

    // What it holds and what it saw.
    SlotMemory getSlot (int slot) const;
    std::vector<int> getAnnouncements() const; // values of the host-platform announcements on port 4
    int getMalformedCount() const;
    juce::StringArray getMalformedProblems() const;
    std::vector<Received> getLog() const; // every message received, in order
    int count (Inspected::Kind kind) const; // received on port 4, well-formed or not
    int getRepliesSent() const;
    int getStraysSent() const;
    void clearLog();

    // Blocks until everything received so far is handled and its answers delivered to the host
    // (late answers included). False on timeout. Not to be called from a MIDI callback.
    bool waitUntilIdle (int timeoutMs = 2000);

    static constexpr int configPort = 4;
    static constexpr int numPorts = 4;

private:
    struct Incoming
    {
        int port;
        int generation; // of the plugging it arrived in
        juce::MidiMessage message;
    };

    struct Reply
    {
        std::chrono::steady_clock::time_point due;
        int generation;
        juce::MidiMessage message;
    };

    using PortSet = std::array<std::shared_ptr<ports::VirtualPorts::Port>, 4>;
    PortSet takePorts(); // under lock
    void unpublishAll (PortSet& gone);
    void receive (int port, const juce::MidiMessage& message);
    void run();
    void handle (const Incoming& in);        // under lock
    void answer (const Incoming& in, int note, bool positive); // under lock
    const std::shared_ptr<ports::VirtualPorts::Port>& replyPort() const; // under lock

    const Options options;
    const std::shared_ptr<ports::VirtualPorts> ports;

    mutable std::mutex lock;
    std::condition_variable wake;
    PortSet published;
    int generation = 0;
    bool quitting = false;
    int busy = 0;

    std::deque<Incoming> inbox;
    std::deque<Reply> replies;
    std::array<SlotMemory, 3> slots;
    std::vector<int> announcements;
    std::vector<Received> log;
    juce::StringArray malformed;
    int repliesSent = 0;
    int straysSent = 0;
    int strayIndex = 0;
    std::chrono::steady_clock::time_point nextStray;

    bool silent = false;
    int negativeDataPart = 0;
    int negativeTextPart = 0;
    int replyDelayMs = 0;
    int vanishDataPart = 0;
    int vanishTextPart = 0;
    int strayIntervalMs = 0;

    std::thread worker;
};
} // namespace NsDorna::sim
