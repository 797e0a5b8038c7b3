#include "MidiPorts.h"

#if JUCE_LINUX || JUCE_BSD
 #include <alsa/asoundlib.h>
#endif

// The operating system's ports through JUCE 7. Without a MIDI system (no ALSA sequencer) the lists are
// empty and nothing opens, and nothing fails harder than that.
namespace NsDorna::ports
{
namespace
{
#if JUCE_LINUX || JUCE_BSD
// The device link lists the ports three times a second; without a sequencer ALSA would print the
// same error to stderr every time. Its messages are not needed: failures show as empty lists.
void quietAlsa (const char*, int, const char*, int, const char*, ...) {}

void silenceAlsaErrors()
{
    static const bool done = [] {
        snd_lib_error_set_handler (quietAlsa);
        return true;
    }();
    juce::ignoreUnused (done);
}
#else
void silenceAlsaErrors() {}
#endif

bool hasIdentifier (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& identifier)
{
    for (const auto& d : devices)
        if (d.identifier == identifier)
            return true;
    return false;
}

juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::StringArray names;
    for (const auto& d : devices)
        names.add (d.name);
    return names;
}

// The identifier of the first device of exactly that name, or an empty string.
juce::String identifierOf (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& name)
{
    for (const auto& d : devices)
        if (d.name == name)
            return d.identifier;
    return {};
}

class SystemOutput : public Output
{
public:
    explicit SystemOutput (std::unique_ptr<juce::MidiOutput> o) : out (std::move (o)) {}
    void sendMessageNow (const juce::MidiMessage& m) override { out->sendMessageNow (m); }
    void sendBlockOfMessagesNow (const juce::MidiBuffer& b) override { out->sendBlockOfMessagesNow (b); }
    juce::String getName() const override { return out->getName(); }
    bool isAvailable() const override
    {
        return hasIdentifier (juce::MidiOutput::getAvailableDevices(), out->getIdentifier());
    }

private:
    std::unique_ptr<juce::MidiOutput> out;
};

class SystemInput : public Input
{
public:
    explicit SystemInput (std::unique_ptr<juce::MidiInput> i) : in (std::move (i)) {}
    ~SystemInput() override { in->stop(); }
    void start() override { in->start(); }
    void stop() override { in->stop(); }
    juce::String getName() const override { return in->getName(); }
    bool isAvailable() const override
    {
        return hasIdentifier (juce::MidiInput::getAvailableDevices(), in->getIdentifier());
    }

private:
    std::unique_ptr<juce::MidiInput> in;
};

class SystemPorts : public Backend
{
public:
    juce::StringArray inputNames() override { return namesOf (juce::MidiInput::getAvailableDevices()); }
    juce::StringArray outputNames() override { return namesOf (juce::MidiOutput::getAvailableDevices()); }

    std::unique_ptr<Output> openOutput (const juce::String& name) override
    {
        const auto id = identifierOf (juce::MidiOutput::getAvailableDevices(), name);
        if (id.isEmpty())
            return nullptr;
        auto out = juce::MidiOutput::openDevice (id);
        return out != nullptr ? std::make_unique<SystemOutput> (std::move (out)) : nullptr;
    }

    std::unique_ptr<Input> openInput (const juce::String& name, juce::MidiInputCallback* callback) override
    {
        if (callback == nullptr)
            return nullptr;
        const auto id = identifierOf (juce::MidiInput::getAvailableDevices(), name);
        if (id.isEmpty())
            return nullptr;
        auto in = juce::MidiInput::openDevice (id, callback);
        return in != nullptr ? std::make_unique<SystemInput> (std::move (in)) : nullptr;
    }
};
} // namespace

std::shared_ptr<Backend> makeSystemPorts()
{
    silenceAlsaErrors();
    return std::make_shared<SystemPorts>();
}
} // namespace NsDorna::ports
