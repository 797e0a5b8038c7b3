#include "Transfer.h"

#include "Digest.h"
#include "Host.h"
#include "LinkState.h"
#include "MidiInputHandler.h"
#include "SysexMessages.h"
#include "LinkState.h"
#include "arvix/DeviceNames.h"
#include "arvix/Product.h"
#include "arvix/SleepMs.h"
#include "model/HostPlatform.h"

namespace NsDorna
{
namespace
{
constexpr int replyPolls = 10;
constexpr int replyPollMs = 2;
constexpr int partPauseMs = 10;

void log (const juce::String& step)
{
    if (g_transferLog)
        g_transferLog (step);
}

juce::String verdict (bool replied, bool negative)
{
    return ! replied ? "no reply" : (negative ? "negative" : "positive");
}

int modeOfSlot (int slot)
{
    auto* host = Host::getInstance();
    return host != nullptr ? (int) host->getCtlModeOfSlot (slot) : 0;
}

// Sends one transfer's messages, pacing them as the device's input needs.
class Sender
{
public:
    explicit Sender (ports::Output& out) : output (out) {}

    void advance (int packets)
    {
        for (int i = 0; i < packets; ++i)
            if (++throttle == 2)
            {
                arvix::sleep_ms (1);
                throttle = 0;
            }
    }

    void sendWithFiller (const juce::MidiMessage& m)
    {
        if (midiMsg2midiNum (m) % 2 != 0)
        {
            output.sendMessageNow (midiExtra());
            advance (1);
        }
        resetStatusBits();
        output.sendMessageNow (m);
    }

    // True when a reply came; negative is set when it said no.
    static bool waitForReply (std::atomic<uint8_t>& status, bool& negative)
    {
        for (int i = 0; i < replyPolls; ++i)
        {
            if (status != noReply || commonBit != noReply)
                break;
            arvix::sleep_ms (replyPollMs);
        }
        negative = status == 0 || commonBit == 0;
        return status != noReply || commonBit != noReply;
    }

    bool vanished() const { return ! output.isAvailable(); }

private:
    ports::Output& output;
    int throttle = 0;
};

// One run of parts: each paused around, answered on its status; a "no" stops the transfer.
struct PartRun
{
    const char* name;
    int count;
    juce::MidiMessage (*build) (int slot, int part);
    std::atomic<uint8_t>& status;
    const char* failure;
};

juce::Result sendParts (Sender& sender, int slot, const juce::String& portName)
{
    const auto gone = juce::Result::fail (portName + ": device does not exist");
    bool negative = false;

    const PartRun runs[] = {
        { "data part", MyConf::numOfDataParts, thePartDataSendingOfSlot, dataBit, "Failed to send data!" },
        { "text part", MyConf::numOfTextParts, thePartTextSendingOfSlot, textsBit, "Failed to send texts!" },
    };
    for (const auto& run : runs)
        for (int part = 1; part <= run.count; ++part)
        {
            const auto m = run.build (slot, part);
            arvix::sleep_ms (partPauseMs);
            sender.sendWithFiller (m);
            arvix::sleep_ms (partPauseMs);
            const bool replied = Sender::waitForReply (run.status, negative);
            log (run.name + (" " + juce::String (part)) + ": " + verdict (replied, negative));
            if (sender.vanished())
                return gone;
            if (negative)
                return juce::Result::fail (run.failure);
        }

    const auto store = theDigestSendingOfSlot (slot, Cmd::digestStore);
    arvix::sleep_ms (partPauseMs);
    sender.sendWithFiller (store);
    sender.advance (3);
    log ("digest store: " + verdict (Sender::waitForReply (textsBit, negative), negative));
    return sender.vanished() ? gone : juce::Result::ok();
}

juce::Result transfer (Host& host, int slot)
{
    const auto names = ports::getOutputNames();
    host.setCurrentOutputDevice (g_portOverride.isNotEmpty() ? g_portOverride
                                                             : arvix::getFirstTarWithMaxPortNum (names, g_pid, true));
    host.replaceMidiInputHandler();
    const bool connected = connDevcOrNot (g_pid, true);

    if (! connected)
        return juce::Result::fail ("No device selected");

    const auto portName = host.getCurrentOutputDevice();
    log ("connected to " + portName.quoted());
    if (! ports::getOutputNames().contains (portName))
        return juce::Result::fail (portName + ": device does not exist");
    auto output = ports::openOutput (portName);
    if (output == nullptr)
        return juce::Result::fail (portName + ": could not open device");

    Sender sender (*output);

    // A digest that differs from the one last delivered cannot be held by the device: any
    // "held" answer to the 7-bit query would be a false match, so the slot goes out unasked.
    const auto last = g_lastSentDigests[(size_t) slot];
    const bool ask = last < 0 || last == g_currDigests[(size_t) slot];
    bool held = false;
    if (! ask)
        log ("digest query skipped: the mapping differs from the one last sent");
    if (ask)
    {
        sender.sendWithFiller (theDigestSendingOfSlot (slot, Cmd::digestQuery));
        sender.advance (3);
        bool negative = false;
        const bool replied = Sender::waitForReply (checkingBit, negative);
        held = replied && ! negative;
        log ("digest query: " + verdict (replied, negative) + (held ? " (the device holds this mapping)" : ""));
        if (sender.vanished())
            return juce::Result::fail (portName + ": device does not exist");
    }

    auto result = held ? juce::Result::ok() : sendParts (sender, slot, portName);
    if (result.wasOk())
        g_lastSentDigests[(size_t) slot] = g_currDigests[(size_t) slot];
    return result;
}
} // namespace

juce::MidiMessage theDigestSendingOfSlot (int slot, int command)
{
    return makeDigestMessage (g_pid, slot, modeOfSlot (slot), getFinalDigest (g_currDigests[(size_t) slot]),
                              (uint8_t) command);
}

juce::MidiMessage thePartDataSendingOfSlot (int slot, int part)
{
    return makeDataPart (g_pid, slot, modeOfSlot (slot), g_sendingDataForCurrMode[(size_t) slot], part);
}

juce::MidiMessage thePartTextSendingOfSlot (int slot, int part)
{
    return makeTextPart (g_pid, slot, modeOfSlot (slot), g_flagsTextsForSlot[(size_t) slot], part);
}

juce::Result sendSlotToDevice (int slot)
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return juce::Result::fail ("No device selected");
    if (! checkSlotIndex() (slot))
        slot = host->getCtlStore().getSlotIndex();
    if (! checkSlotIndex() (slot))
        slot = MyConf::defaSlotID;

    MyConf::sendingQ = true;
    const auto result = transfer (*host, slot);
    MyConf::sendingQ = false;
    return result;
}

bool announceHostPlatform (int pid, juce::uint8 command, juce::uint8 value)
{
    if (command != Cmd::hostPlatform)
        return true;

    for (const auto& name : ports::getOutputNames())
    {
        if (arvix::getPortNumOfDevc (name) != 4 || (int) arvix::Product::pidFromDeviceName (name) != pid)
            continue;
        if (MyConf::sendingQ)
            return false;
        if (auto out = ports::openOutput (name))
        {
            out->sendMessageNow (midiExtra());
            out->sendMessageNow (hostPlatformMessage (value));
            arvix::sleep_ms (1);
        }
    }
    return true;
}
} // namespace NsDorna

namespace NsDorna
{
Host::MidiInputHandler& Host::replaceMidiInputHandler()
{
    // The old handler goes first: its ports close before new ones open.
    midiInputHandler.reset();
    midiInputHandler = std::make_unique<MidiInputHandler>();
    return *midiInputHandler;
}

juce::Result Host::sendCurrMappings (int slot) { return sendSlotToDevice (slot); }

bool Host::broadcastToTarget (int pid, juce::uint8 command, juce::uint8 value)
{
    return announceHostPlatform (pid, command, value);
}

bool isMacOS() { return hostIsMac(); }
} // namespace NsDorna
