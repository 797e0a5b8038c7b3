#pragma once

#include "MidiPorts.h"

#include <functional>

// Virtual MIDI ports inside the process: a simulated device (or a test) publishes ports under given
// names, receives what the host sends to them and sends messages back that reach the host's open
// inputs from the layer's own delivery thread, as a real device's messages arrive on a MIDI thread.
//
// Directions are the host's: a published port appears in the host's output list (the host can send
// to it), in its input list (the host can receive from it), or in both, as on macOS.
namespace NsDorna::ports
{
class VirtualPorts : public Backend
{
public:
    // Called with every message the host sends to the port, on the host's sending thread, inside
    // sendMessageNow. Keep it short; it may unpublish ports (its own included).
    using Receiver = std::function<void (const juce::MidiMessage&)>;

    enum class Direction
    {
        both,       // in the host's input and output lists
        hostOutput, // only in the host's output list: the host can send to it
        hostInput   // only in the host's input list: the host can receive from it
    };

    // The device's side of one published port. Destroying it unpublishes the port.
    class Port
    {
    public:
        ~Port();
        juce::String getName() const;
        // Reaches every host input open on this port and started, later, from the delivery thread.
        // Does nothing once the port is unpublished.
        void sendToHost (const juce::MidiMessage& message);
        // The port vanishes: gone from the lists, sends to it are lost, open inputs on it fall silent.
        // After it returns the receiver is never called again (unless it is called from the receiver).
        void unpublish();
        bool isPublished() const;

        struct Endpoint;
        struct Registry;
        Port (std::shared_ptr<Registry>, std::shared_ptr<Endpoint>);

    private:
        std::shared_ptr<Registry> registry;
        std::shared_ptr<Endpoint> endpoint;
    };

    VirtualPorts();
    ~VirtualPorts() override;

    // Several ports may bear the same name; the lists then show it several times, in publishing order.
    std::unique_ptr<Port> publish (const juce::String& name, Receiver receiver, Direction direction = Direction::both);

    // Blocks until every message sent to the host so far has been delivered or dropped. Not to be
    // called from an input callback.
    void waitUntilDelivered();

    // Open host ports on live published ports (closed ones and ones whose port vanished not counted).
    int numOpenInputs() const;
    int numOpenOutputs() const;

    // Backend
    juce::StringArray inputNames() override;
    juce::StringArray outputNames() override;
    std::unique_ptr<Output> openOutput (const juce::String& name) override;
    std::unique_ptr<Input> openInput (const juce::String& name, juce::MidiInputCallback* callback) override;

private:
    std::shared_ptr<Port::Registry> registry;
};
} // namespace NsDorna::ports
