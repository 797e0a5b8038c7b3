#include "link/Host.h"
#include "link/HostImpl.h"
#include "link/Digest.h"
#include "link/LinkState.h"
#include "link/MappingEncoder.h"
#include "link/MidiInputHandler.h"
#include "link/MidiPortsVirtual.h"
#include "link/MyTimer.h"
#include "link/Transfer.h"
#include "link/LinkState.h"
#include "model/HostPlatform.h"
#include "model/ModelState.h"
#include "sim/SimDorna.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace NsDorna;
using Kind = sim::Inspected::Kind;

namespace
{
class TransferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetLinkState();
        resetModelState();
        host = &test::freshHost();
        ports::useVirtualPorts();
        dorna = sim::SimDorna::startOnVirtualPorts();
        store().getSlot (0).setProperty (Tags::current, 1, nullptr);
        store().getSlot (1).setProperty (Tags::current, 3, nullptr);
        store().getSlot (2).setProperty (Tags::current, 18, nullptr);
    }

    void TearDown() override
    {
        host->replaceMidiInputHandler();
        dorna.reset();
        ports::useSystemPorts();
    }

    CtlStore store() { return host->getCtlStore(); }

    // Marks the slot changed and runs the automatic sender once, as a timer tick would.
    void editAndSend (int slot)
    {
        bChged[(size_t) slot] = true;
        MyConf::cntForResend = 0;
        updateAndSend();
        dorna->waitUntilIdle();
    }

    juce::MemoryBlock sentTexts (int slot) const
    {
        juce::MemoryBlock m;
        for (const auto& t : g_flagsTextsForSlot[(size_t) slot])
            m.append (t.toRawUTF8(), 17);
        return m;
    }

    void expectDeviceHolds (int slot, int mode)
    {
        const auto held = dorna->getSlot (slot);
        const auto& block = g_sendingDataForCurrMode[(size_t) slot];
        EXPECT_EQ (held.mappingBlock, juce::MemoryBlock (block.data(), block.size()));
        EXPECT_EQ (held.textBlock, sentTexts (slot));
        EXPECT_EQ (held.mode, mode);
        EXPECT_EQ (held.digest, g_currDigests[(size_t) slot] & 0x7F);
    }

    Host* host = nullptr;
    std::unique_ptr<sim::SimDorna> dorna;
};
} // namespace

TEST_F (TransferTest, EditedSlotArrivesByteExact)
{
    auto knob = store().getControlOfSlot (1, 2);
    knob.setProperty (Tags::valueType, "midi", nullptr);
    knob.setProperty (Tags::type, "cc", nullptr);
    knob.setProperty (Tags::chan, 3, nullptr);
    knob.setProperty (Tags::value, 99, nullptr);
    store().getControlOfSlot (117, 2).setProperty (Tags::name, "MY NAME", nullptr);

    editAndSend (2);
    expectDeviceHolds (2, 18);
    EXPECT_FALSE (bChged[2]);
    EXPECT_FALSE (bToSend[2]);
    EXPECT_EQ (dorna->getMalformedCount(), 0) << dorna->getMalformedProblems().joinIntoString ("; ");
    EXPECT_EQ (dorna->count (Kind::dataPart), 6);
    EXPECT_EQ (dorna->count (Kind::textPart), 5);
    EXPECT_EQ (dorna->count (Kind::digestStore), 1);

    // The HUI slot too.
    editAndSend (1);
    expectDeviceHolds (1, 3);
}

TEST_F (TransferTest, DeviceHoldingTheDigestGetsOnlyTheQuery)
{
    bChged[0] = true;
    updateArrayOfDataAndTexts();
    const int digest = digestForSlot (g_sendingDataForCurrMode[0], g_flagsTextsForSlot[0]);
    dorna->holdDigest (0, 1, digest & 0x7F);

    editAndSend (0);
    EXPECT_EQ (dorna->count (Kind::digestQuery), 1);
    EXPECT_EQ (dorna->count (Kind::dataPart), 0);
    EXPECT_EQ (dorna->count (Kind::digestStore), 0);
    EXPECT_FALSE (bToSend[0]);
}

TEST_F (TransferTest, ChangedDigestIsSentWithoutAskingEvenOnASevenBitMatch)
{
    editAndSend (0);
    expectDeviceHolds (0, 1);
    dorna->clearLog();

    // An edit whose 7-bit digest the device claims to hold already.
    store().getControlOfSlot (101, 0).setProperty (Tags::name, "NEW", nullptr);
    bChged[0] = true;
    updateArrayOfDataAndTexts();
    dorna->holdDigest (0, 1, digestForSlot (g_sendingDataForCurrMode[0], g_flagsTextsForSlot[0]) & 0x7F);

    editAndSend (0);
    EXPECT_EQ (dorna->count (Kind::digestQuery), 0);
    EXPECT_EQ (dorna->count (Kind::dataPart), 6);
    expectDeviceHolds (0, 1);
}

TEST_F (TransferTest, SilentDeviceGetsEverythingAndTheTransferSucceeds)
{
    dorna->setSilent (true);
    EXPECT_TRUE (host->sendCurrMappings (0).wasOk());
    dorna->waitUntilIdle();
    EXPECT_EQ (dorna->count (Kind::digestQuery), 1);
    EXPECT_EQ (dorna->count (Kind::dataPart), 6);
    EXPECT_EQ (dorna->count (Kind::textPart), 5);
    EXPECT_EQ (dorna->count (Kind::digestStore), 1);
    EXPECT_FALSE (MyConf::sendingQ);
}

TEST_F (TransferTest, NegativeAnswersStopTheTransfer)
{
    dorna->setNegativeDataPart (3);
    const auto data = host->sendCurrMappings (0);
    dorna->waitUntilIdle();
    EXPECT_EQ (data.getErrorMessage(), "Failed to send data!");
    EXPECT_EQ (dorna->count (Kind::dataPart), 3);
    EXPECT_EQ (dorna->count (Kind::textPart), 0);
    EXPECT_EQ (dorna->count (Kind::digestStore), 0);

    dorna->setNegativeDataPart (0);
    dorna->setNegativeTextPart (2);
    dorna->clearLog();
    const auto texts = host->sendCurrMappings (0);
    dorna->waitUntilIdle();
    EXPECT_EQ (texts.getErrorMessage(), "Failed to send texts!");
    EXPECT_EQ (dorna->count (Kind::textPart), 2);
    EXPECT_EQ (dorna->count (Kind::digestStore), 0);
}

TEST_F (TransferTest, NoDeviceMeansNoDeviceSelected)
{
    dorna->unplug();
    EXPECT_EQ (host->sendCurrMappings (0).getErrorMessage(), "No device selected");
    EXPECT_FALSE (MyConf::sendingQ);
    EXPECT_FALSE (connDevcOrNot (g_pid, true));
}

TEST_F (TransferTest, FailedSlotIsRetriedOnceThenLeftUntilTheNextEdit)
{
    dorna->unplug();
    MyTimer timer;

    bChged[0] = true;
    timer.timerCallback(); // takes the change up: first attempt fails
    EXPECT_TRUE (bToSend[0]);
    EXPECT_EQ (timer.getTimerInterval(), MyTimer::slowMs);

    timer.timerCallback(); // the single retry fails: given up
    EXPECT_FALSE (bToSend[0]);
    EXPECT_FALSE (bChged[0]);
    timer.timerCallback();
    EXPECT_EQ (timer.getTimerInterval(), MyTimer::fastMs);

    // An edit restarts the two attempts.
    bChged[0] = true;
    timer.timerCallback();
    EXPECT_TRUE (bToSend[0]);
    timer.timerCallback();
    EXPECT_FALSE (bToSend[0]);
    timer.stopTimer();
}

TEST_F (TransferTest, EditDuringATransferIsSentAfterIt)
{
    dorna->setReplyDelayMs (5);
    bChged[0] = true;
    MyConf::cntForResend = 0;
    juce::MessageManager::callAsync ([this] {
        store().getControlOfSlot (102, 0).setProperty (Tags::name, "LATE", nullptr);
        bChged[0] = true;
    });
    updateAndSend();
    EXPECT_TRUE (bChged[0]) << "the edit made during the transfer is still to be sent";

    editAndSend (0);
    dorna->waitUntilIdle();
    expectDeviceHolds (0, 1);
    EXPECT_TRUE (dorna->getSlot (0).textAt (cid2aid (102)).contains ("LATE"));
}

TEST_F (TransferTest, PortsVanishingMidTransferLeaveTheSlotPending)
{
    dorna->setVanishOnDataPart (2);
    MyTimer timer;
    bChged[0] = true;
    timer.timerCallback();
    EXPECT_TRUE (bToSend[0]) << "not reported as sent";
    EXPECT_FALSE (MyConf::sendingQ);

    // Second failure: given up while the device is away; back, it gets the slot again.
    timer.timerCallback();
    EXPECT_FALSE (bToSend[0]);
    dorna->setVanishOnDataPart (0);
    dorna->plugIn();
    timer.timerCallback();
    timer.timerCallback();
    dorna->waitUntilIdle();
    expectDeviceHolds (0, 1);
    timer.stopTimer();
}

TEST_F (TransferTest, TimerAnnouncesTheHostPlatformUntilDeliveredAndAfterPortChanges)
{
    ScopedHostPlatform mac (HostPlatform::macOS);
    MyTimer timer;
    timer.timerCallback();
    dorna->waitUntilIdle();
    EXPECT_EQ (dorna->getAnnouncements(), std::vector<int> { 1 });
    EXPECT_TRUE (MyConf::bSentCmdMacQ);

    timer.timerCallback();
    dorna->waitUntilIdle();
    EXPECT_EQ (dorna->getAnnouncements().size(), 1u) << "announced once per port list";

    // A new port list (device unplugged, then back) brings another announcement, on an even tick.
    dorna->unplug();
    timer.timerCallback();
    dorna->plugIn();
    {
        ScopedHostPlatform linuxHost (HostPlatform::linuxOS);
        timer.timerCallback();
        dorna->waitUntilIdle();
    }
    EXPECT_EQ (dorna->getAnnouncements(), (std::vector<int> { 1, 0 }));
    timer.stopTimer();
}

TEST_F (TransferTest, AnnouncementRules)
{
    EXPECT_TRUE (host->broadcastToTarget (g_pid, 41, 1));
    dorna->waitUntilIdle();
    EXPECT_TRUE (dorna->getAnnouncements().empty());

    MyConf::sendingQ = true;
    EXPECT_FALSE (host->broadcastToTarget (g_pid, 42, 1));
    MyConf::sendingQ = false;

    EXPECT_TRUE (host->broadcastToTarget (g_pid + 1, 42, 1)) << "no matching port is still done";
    EXPECT_TRUE (host->broadcastToTarget (g_pid, 42, 0));
    dorna->waitUntilIdle();
    EXPECT_EQ (dorna->getAnnouncements(), std::vector<int> { 0 });
}

TEST_F (TransferTest, InputHandlerDecodesOnlyReplies)
{
    const struct { juce::MidiMessage m; int checking, data, texts, common; } cases[] = {
        { juce::MidiMessage (0x9A, 0x21, 127), 0, 0xFF, 0xFF, 0xFF },
        { juce::MidiMessage (0x9A, 0x21, 100), 1, 0xFF, 0xFF, 0xFF },
        { juce::MidiMessage (0x9A, 0x22, 1), 0xFF, 1, 0xFF, 0xFF },
        { juce::MidiMessage (0x9A, 0x23, 127), 0xFF, 0xFF, 0, 0xFF },
        { juce::MidiMessage (0x9A, 0x30, 127), 0xFF, 0xFF, 0xFF, 0 },
        { juce::MidiMessage (0x9A, 0x25, 1), 0xFF, 0xFF, 0xFF, 0xFF },
        { juce::MidiMessage (0x90, 0x21, 1), 0xFF, 0xFF, 0xFF, 0xFF },
        { juce::MidiMessage (0x8A, 0x21, 1), 0xFF, 0xFF, 0xFF, 0xFF },
    };
    MidiInputHandler handler;
    handler.setFrozen (false);
    for (const auto& c : cases)
    {
        resetStatusBits();
        handler.handleIncomingMidiMessage (nullptr, c.m);
        EXPECT_EQ (checkingBit.load(), c.checking) << c.m.getDescription();
        EXPECT_EQ (dataBit.load(), c.data);
        EXPECT_EQ (textsBit.load(), c.texts);
        EXPECT_EQ (commonBit.load(), c.common);
    }
    handler.setFrozen (true);
    resetStatusBits();
    handler.handleIncomingMidiMessage (nullptr, juce::MidiMessage (0x9A, 0x21, 1));
    EXPECT_EQ (checkingBit.load(), 0xFF);
}

TEST_F (TransferTest, HalfOpenPortsAreNotOpen)
{
    auto ports = ports::currentVirtualPorts();
    auto onlyOut = ports->publish ("Lonely Dorna", [] (const juce::MidiMessage&) {}, ports::VirtualPorts::Direction::hostOutput);
    MidiInputHandler handler;
    handler.start ("Lonely Dorna");
    EXPECT_NE (handler.getOutput(), nullptr);
    EXPECT_FALSE (handler.isOpen());
    EXPECT_TRUE (handler.isFrozen());
}
