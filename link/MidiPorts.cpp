#include "MidiPorts.h"
#include "MidiPortsVirtual.h"

#include <mutex>

namespace NsDorna::ports
{
namespace
{
std::mutex selectionLock;
std::shared_ptr<Backend> selected; // nullptr: the system ports

std::shared_ptr<Backend>& systemPorts()
{
    static std::shared_ptr<Backend> instance = makeSystemPorts();
    return instance;
}
} // namespace

std::shared_ptr<Backend> getBackend()
{
    std::lock_guard<std::mutex> lock (selectionLock);
    return selected != nullptr ? selected : systemPorts();
}

void setBackend (std::shared_ptr<Backend> backend)
{
    std::lock_guard<std::mutex> lock (selectionLock);
    selected = std::move (backend);
}

void useSystemPorts() { setBackend (nullptr); }

std::shared_ptr<VirtualPorts> useVirtualPorts()
{
    auto ports = std::make_shared<VirtualPorts>();
    setBackend (ports);
    return ports;
}

std::shared_ptr<VirtualPorts> currentVirtualPorts()
{
    return std::dynamic_pointer_cast<VirtualPorts> (getBackend());
}

juce::StringArray getInputNames() { return getBackend()->inputNames(); }
juce::StringArray getOutputNames() { return getBackend()->outputNames(); }

std::unique_ptr<Output> openOutput (const juce::String& name) { return getBackend()->openOutput (name); }

std::unique_ptr<Input> openInput (const juce::String& name, juce::MidiInputCallback* callback)
{
    return getBackend()->openInput (name, callback);
}
} // namespace NsDorna::ports
