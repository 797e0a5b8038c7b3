#include "MidiInputHandler.h"

#include "Host.h"
#include "LinkState.h"
#include "arvix/DeviceNames.h"
#include "arvix/SleepMs.h"

namespace NsDorna
{
namespace
{
constexpr uint8_t replyStatus = 0x9A; // Note On, channel 11

juce::String findName (const juce::StringArray& names, const juce::String& wanted, bool ignoreCase)
{
    for (const auto& n : names)
        if (ignoreCase ? n.equalsIgnoreCase (wanted) : n == wanted)
            return n;
    return {};
}
} // namespace

void decodeReply (const juce::MidiMessage& message)
{
    if (message.getRawDataSize() < 3)
        return;
    const auto* d = message.getRawData();
    if (d[0] != replyStatus)
        return;

    const uint8_t v = d[2] == 127 ? 0 : 1;
    switch (d[1])
    {
        case 0x21: checkingBit = v; break;
        case 0x22: dataBit = v; break;
        case 0x23: textsBit = v; break;
        case 0x24:
        case 0x25:
        case 0x26: break;
        default: commonBit = v; break;
    }
}

MidiInputHandler::MidiInputHandler() { resetStatusBits(); }

MidiInputHandler::~MidiInputHandler()
{
    setFrozen (true);
    inputPort.reset();
    outputPort.reset();
}

void MidiInputHandler::start (const juce::String& name)
{
    stop();

    const auto outName = findName (ports::getOutputNames(), arvix::switchDevcNameToInOrOut (name, false), false);
    outputPort = outName.isNotEmpty() ? ports::openOutput (outName) : nullptr;

    const auto inName = findName (ports::getInputNames(), arvix::switchDevcNameToInOrOut (name, true), true);
    inputPort = inName.isNotEmpty() ? ports::openInput (inName, this) : nullptr;

    if (inputPort != nullptr)
    {
        arvix::sleep_ms (3);
        setFrozen (false);
        inputPort->start();
    }
}

void MidiInputHandler::stop()
{
    setFrozen (true);
    outputPort.reset();
    if (inputPort != nullptr)
    {
        inputPort->stop();
        inputPort.reset();
    }
}

bool MidiInputHandler::isOpen() const { return inputPort != nullptr && outputPort != nullptr; }

void MidiInputHandler::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    if (isFrozen())
        return;
    decodeReply (message);
}

bool connDevcOrNot (int pid, bool connect)
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return false;

    auto& handler = host->replaceMidiInputHandler();
    const auto name = g_portOverride.isNotEmpty() ? g_portOverride
                                                  : arvix::getFirstTarWithMaxPortNum (ports::getInputNames(), pid, true);
    if (name.isEmpty())
        return false;

    if (connect)
    {
        arvix::sleep_ms (3);
        handler.start (name);
    }
    else
    {
        handler.stop();
    }
    return handler.isOpen();
}

void sendMidiBuffer (ports::Output& output, const juce::MidiBuffer& buffer) { output.sendBlockOfMessagesNow (buffer); }
} // namespace NsDorna
