#include "arvix/DeviceNames.h"
#include "arvix/Product.h"
#include "sim/SimDorna.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <random>

using namespace NsDorna;
using sim::SimDorna;
using Kind = sim::Inspected::Kind;
using Bytes = std::vector<juce::uint8>;

namespace
{
// The host's end: what arrives on the input it opened, and whether it came on the message thread.
struct HostInput : juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& m) override
    {
        if (juce::MessageManager::getInstance()->isThisTheMessageThread())
            onMessageThread = true;
        std::lock_guard<std::mutex> l (lock);
        received.push_back (m);
    }

    std::vector<juce::MidiMessage> take()
    {
        std::lock_guard<std::mutex> l (lock);
        return std::exchange (received, {});
    }

    std::mutex lock;
    std::vector<juce::MidiMessage> received;
    std::atomic<bool> onMessageThread { false };
};

// Messages as the protocol lays them out, built here independently of the editor's builders.
Bytes head (int command, int slot, int mode)
{
    return { 0xF0, 0x1D, 0x03, 0x10, 0x06, (juce::uint8) command, (juce::uint8) (((slot << 5) & 0x60) | mode) };
}

juce::MidiMessage message (const Bytes& b) { return juce::MidiMessage (b.data(), (int) b.size()); }

Bytes digestBytes (int command, int slot, int mode, int digest)
{
    auto b = head (command, slot, mode);
    b.push_back ((juce::uint8) digest);
    b.push_back (0xF7);
    return b;
}

Bytes dataPartBytes (int slot, int mode, int part, const Bytes& block)
{
    auto b = head (0x25, slot, mode);
    b.push_back ((juce::uint8) part);
    b.push_back (40);
    const size_t from = (size_t) (part - 1) * 320, n = part == 6 ? 208 : 320;
    b.insert (b.end(), block.begin() + (long) from, block.begin() + (long) (from + n));
    b.push_back (0xF7);
    return b;
}

Bytes textPartBytes (int slot, int mode, int part, const Bytes& texts)
{
    auto b = head (0x26, slot, mode);
    b.push_back ((juce::uint8) part);
    b.push_back (16);
    const size_t from = (size_t) (part - 1) * 272;
    b.insert (b.end(), texts.begin() + (long) from, texts.begin() + (long) (from + 272));
    b.push_back (0xF7);
    return b;
}

Bytes randomSevenBit (size_t n, unsigned seed)
{
    std::mt19937 rng (seed);
    Bytes b (n);
    for (auto& x : b)
        x = (juce::uint8) (rng() & 0x7F);
    return b;
}

Bytes bytesOf (const juce::MemoryBlock& m) { return Bytes (m.begin(), m.end()); }

// -1: no reply; 0: negative; 1: positive.
int verdict (const std::vector<juce::MidiMessage>& replies, int note)
{
    if (replies.size() != 1)
        return replies.empty() ? -1 : -2;
    const auto* d = replies[0].getRawData();
    if (replies[0].getRawDataSize() != 3 || d[0] != 0x9A || d[1] != note)
        return -3;
    return d[2] == 127 ? 0 : 1;
}

class SimDornaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ports::useSystemPorts();
        dorna = SimDorna::startOnVirtualPorts();
        connect();
    }

    void TearDown() override
    {
        in.reset();
        out.reset();
        dorna.reset();
        ports::useSystemPorts();
    }

    void connect (int port = SimDorna::configPort)
    {
        out = ports::openOutput (dorna->portName (port));
        in = ports::openInput (dorna->portName (port), &host);
        ASSERT_NE (out, nullptr);
        ASSERT_NE (in, nullptr);
        in->start();
    }

    // Sends one message and returns what came back once the device has done with it.
    std::vector<juce::MidiMessage> send (const Bytes& b)
    {
        out->sendMessageNow (message (b));
        EXPECT_TRUE (dorna->waitUntilIdle());
        return host.take();
    }

    std::unique_ptr<SimDorna> dorna;
    HostInput host;
    std::unique_ptr<ports::Output> out;
    std::unique_ptr<ports::Input> in;
};
} // namespace

TEST_F (SimDornaTest, ShowsTheFourPortsOfARealDorna)
{
    const juce::StringArray expected { "Dorna Port 1", "Dorna Port 2", "Dorna Port 3", "Dorna Port 4" };
    EXPECT_EQ (ports::getOutputNames(), expected);
    EXPECT_EQ (ports::getInputNames(), expected);
    for (const auto& n : expected)
        EXPECT_EQ (static_cast<int> (arvix::Product::pidFromDeviceName (n)), 2054) << n;
    EXPECT_EQ (arvix::getFirstTarWithMaxPortNum (ports::getOutputNames(), 2054, true), "Dorna Port 4");
    EXPECT_EQ (arvix::cntPureTargets (2054), 1);
}

TEST_F (SimDornaTest, StoresAWholeSlotAndThenHoldsItsDigest)
{
    const int slot = 2, mode = 18, digest = 0x74;
    const auto block = randomSevenBit (1808, 1);
    const auto texts = randomSevenBit (1360, 2);

    EXPECT_EQ (verdict (send ({ 0xEF, 0x7F, 0x7F }), 0x21), -1) << "the filler is not answered";
    EXPECT_EQ (verdict (send (digestBytes (0x21, slot, mode, digest)), 0x21), 0) << "a new device holds nothing";
    for (int part = 1; part <= 6; ++part)
        EXPECT_EQ (verdict (send (dataPartBytes (slot, mode, part, block)), 0x22), 1) << part;
    for (int part = 1; part <= 5; ++part)
        EXPECT_EQ (verdict (send (textPartBytes (slot, mode, part, texts)), 0x23), 1) << part;
    EXPECT_EQ (verdict (send (digestBytes (0x24, slot, mode, digest)), 0x23), 1);

    const auto held = dorna->getSlot (slot);
    EXPECT_EQ (bytesOf (held.mappingBlock), block);
    EXPECT_EQ (bytesOf (held.textBlock), texts);
    EXPECT_EQ (held.textAt (79), juce::String::fromUTF8 ((const char*) texts.data() + 79 * 17, 17));
    EXPECT_EQ (held.mode, mode);
    EXPECT_EQ (held.digest, digest);
    EXPECT_EQ (dorna->getSlot (0).digest, -1);
    EXPECT_EQ (bytesOf (dorna->getSlot (0).mappingBlock), Bytes (1808, 0));

    // Positive only for that slot, mode and digest.
    EXPECT_EQ (verdict (send (digestBytes (0x21, slot, mode, digest)), 0x21), 1);
    EXPECT_EQ (verdict (send (digestBytes (0x21, slot, 17, digest)), 0x21), 0);
    EXPECT_EQ (verdict (send (digestBytes (0x21, slot, mode, digest + 1)), 0x21), 0);
    EXPECT_EQ (verdict (send (digestBytes (0x21, 1, mode, digest)), 0x21), 0);

    // A part arriving after the store means the slot's mapping is being replaced: no longer held.
    send (dataPartBytes (slot, mode, 1, block));
    EXPECT_EQ (verdict (send (digestBytes (0x21, slot, mode, digest)), 0x21), 0);

    EXPECT_EQ (dorna->getMalformedCount(), 0) << dorna->getMalformedProblems().joinIntoString ("; ");
    EXPECT_EQ (dorna->count (Kind::dataPart), 7);
    EXPECT_EQ (dorna->count (Kind::textPart), 5);
    EXPECT_EQ (dorna->count (Kind::digestQuery), 6);
    EXPECT_EQ (dorna->count (Kind::digestStore), 1);
    EXPECT_EQ (dorna->count (Kind::filler), 1);
    EXPECT_FALSE (host.onMessageThread) << "answers come from the device's own thread";
}

TEST_F (SimDornaTest, ChecksEveryMessageAndCountsWhatIsMalformed)
{
    const auto block = randomSevenBit (1808, 3);
    const auto texts = randomSevenBit (1360, 4);
    auto patched = [] (Bytes b, size_t at, int value) {
        b[at] = (juce::uint8) value;
        return b;
    };
    auto longer = [] (Bytes b) {
        b.insert (b.end() - 1, 0x00);
        return b;
    };
    auto shorter = [] (Bytes b) {
        b.erase (b.end() - 2);
        return b;
    };
    const auto query = digestBytes (0x21, 0, 1, 5);
    const auto data1 = dataPartBytes (0, 1, 1, block);
    const auto data6 = dataPartBytes (0, 1, 6, block);
    const auto text1 = textPartBytes (0, 1, 1, texts);

    const struct
    {
        const char* what;
        Bytes bytes;
        int note; // the reply note when it answers (negatively); 0 when it must not answer
    } cases[] = {
        { "foreign header", patched (query, 2, 0x04), 0 },
        { "other product", patched (query, 4, 0x07), 0 },
        { "unknown command", patched (query, 5, 0x27), 0 },
        { "query too long", longer (query), 0x21 },
        { "no F7", patched (query, 8, 0x00), 0x21 },
        { "slot 3", patched (query, 6, 0x61), 0x21 },
        { "query mode 19", patched (query, 6, 19), 0x21 },
        { "data part 7", patched (data1, 7, 7), 0x22 },
        { "data part 0", patched (data1, 7, 0), 0x22 },
        { "part 6 of part 1's length", patched (data1, 7, 6), 0x22 },
        { "part 1 of part 6's length", patched (data6, 7, 1), 0x22 },
        { "records per part 39", patched (data1, 8, 39), 0x22 },
        { "data byte 0x80", patched (data1, 100, 0x80), 0x22 },
        { "data byte 0xFF", patched (data1, 9, 0xFF), 0x22 },
        { "data mode 0", patched (data1, 6, 0), 0x22 },
        { "data part short", shorter (data1), 0x22 },
        { "text part 6", patched (text1, 7, 6), 0x23 },
        { "texts per part 17", patched (text1, 8, 17), 0x23 },
        { "text part long", longer (text1), 0x23 },
        { "store with a byte 0x80 digest", patched (digestBytes (0x24, 0, 1, 5), 7, 0x85), 0x23 },
        { "a note on", { 0x90, 0x3C, 0x64 }, 0 },
        { "a wrong filler", { 0xEF, 0x7F, 0x7E }, 0 },
    };

    int expectedCount = 0;
    for (const auto& c : cases)
    {
        const auto replies = send (c.bytes);
        ++expectedCount;
        EXPECT_EQ (dorna->getMalformedCount(), expectedCount) << c.what;
        if (c.note == 0)
            EXPECT_EQ (verdict (replies, 0x21), -1) << c.what;
        else
            EXPECT_EQ (verdict (replies, c.note), 0) << c.what;
    }
    // Nothing malformed was stored.
    const auto slot0 = dorna->getSlot (0);
    EXPECT_EQ (bytesOf (slot0.mappingBlock), Bytes (1808, 0));
    EXPECT_EQ (bytesOf (slot0.textBlock), Bytes (1360, 0));
    EXPECT_EQ (slot0.digest, -1);
    EXPECT_EQ (slot0.mode, 0);
    EXPECT_EQ (dorna->getMalformedProblems().size(), expectedCount);
}

TEST_F (SimDornaTest, FaultSwitchesForAnswers)
{
    const auto block = randomSevenBit (1808, 5);
    const auto texts = randomSevenBit (1360, 6);

    dorna->setNegativeDataPart (3);
    dorna->setNegativeTextPart (2);
    for (int round = 0; round < 2; ++round) // every time, not once
    {
        for (int part = 1; part <= 6; ++part)
            EXPECT_EQ (verdict (send (dataPartBytes (0, 1, part, block)), 0x22), part == 3 ? 0 : 1) << part;
        for (int part = 1; part <= 5; ++part)
            EXPECT_EQ (verdict (send (textPartBytes (0, 1, part, texts)), 0x23), part == 2 ? 0 : 1) << part;
    }

    dorna->setNegativeDataPart (0);
    dorna->setSilent (true);
    EXPECT_EQ (verdict (send (dataPartBytes (1, 4, 3, block)), 0x22), -1);
    EXPECT_EQ (verdict (send (digestBytes (0x24, 1, 4, 9)), 0x23), -1);
    EXPECT_EQ (dorna->getSlot (1).digest, 9) << "a silent device still stores";
    EXPECT_EQ (verdict (send (digestBytes (0x21, 1, 4, 9)), 0x21), -1);
    dorna->setSilent (false);
    EXPECT_EQ (verdict (send (digestBytes (0x21, 1, 4, 9)), 0x21), 1);

    dorna->holdDigest (0, 3, 0x55);
    EXPECT_EQ (verdict (send (digestBytes (0x21, 0, 3, 0x55)), 0x21), 1);
    EXPECT_EQ (dorna->getRepliesSent(), 24);
}

TEST_F (SimDornaTest, LateAnswersArriveAfterTheirDelay)
{
    dorna->setReplyDelayMs (120);
    const auto start = juce::Time::getMillisecondCounterHiRes();
    out->sendMessageNow (message (digestBytes (0x21, 0, 1, 1)));
    ASSERT_TRUE (dorna->waitUntilIdle());
    const auto elapsed = juce::Time::getMillisecondCounterHiRes() - start;
    EXPECT_EQ (verdict (host.take(), 0x21), 0);
    EXPECT_GE (elapsed, 120.0);
}

TEST_F (SimDornaTest, PortsVanishWhenTheChosenDataPartArrives)
{
    const auto block = randomSevenBit (1808, 7);
    dorna->setVanishOnDataPart (3);
    EXPECT_EQ (verdict (send (dataPartBytes (0, 2, 1, block)), 0x22), 1);
    EXPECT_EQ (verdict (send (dataPartBytes (0, 2, 2, block)), 0x22), 1);
    EXPECT_EQ (verdict (send (dataPartBytes (0, 2, 3, block)), 0x22), -1) << "gone before answering";
    EXPECT_FALSE (dorna->isPluggedIn());
    EXPECT_TRUE (ports::getOutputNames().isEmpty());
    EXPECT_TRUE (ports::getInputNames().isEmpty());
    EXPECT_FALSE (out->isAvailable());
    EXPECT_EQ (verdict (send (dataPartBytes (0, 2, 4, block)), 0x22), -1);
    EXPECT_EQ (verdict (send (digestBytes (0x24, 0, 2, 1)), 0x23), -1);

    // It received parts 1 to 3 and nothing after.
    const auto held = bytesOf (dorna->getSlot (0).mappingBlock);
    EXPECT_TRUE (std::equal (block.begin(), block.begin() + 960, held.begin()));
    EXPECT_EQ (Bytes (held.begin() + 960, held.end()), Bytes (1808 - 960, 0));
    EXPECT_EQ (dorna->count (Kind::dataPart), 3);
    EXPECT_EQ (dorna->getSlot (0).digest, -1);

    dorna->setVanishOnDataPart (0);
    dorna->plugIn();
    EXPECT_EQ (ports::getOutputNames().size(), 4);
    connect();
    EXPECT_EQ (verdict (send (digestBytes (0x21, 0, 2, 1)), 0x21), 0);
}

TEST_F (SimDornaTest, OnlyPortFourSpeaksTheProtocolAndTakesAnnouncements)
{
    EXPECT_EQ (verdict (send ({ 0xEF, 0x7F, 0x7F }), 0x21), -1);
    EXPECT_EQ (verdict (send ({ 0xEC, 0x2A, 0x01 }), 0x21), -1);
    EXPECT_EQ (verdict (send ({ 0xEC, 0x2A, 0x00 }), 0x21), -1);
    EXPECT_EQ (dorna->getAnnouncements(), (std::vector<int> { 1, 0 }));

    in.reset();
    out.reset();
    connect (1);
    EXPECT_EQ (verdict (send ({ 0xEC, 0x2A, 0x01 }), 0x21), -1);
    EXPECT_EQ (verdict (send (digestBytes (0x21, 0, 1, 1)), 0x21), -1);
    EXPECT_EQ (dorna->getAnnouncements().size(), 2u);
    EXPECT_EQ (dorna->count (Kind::digestQuery), 0);
    const auto log = dorna->getLog();
    ASSERT_EQ (log.size(), 5u);
    EXPECT_EQ (log.back().port, 1);
    EXPECT_EQ (log.back().what.kind, Kind::digestQuery);
}

TEST_F (SimDornaTest, StrayMessagesCarryNoReplyTheHostMayActOn)
{
    dorna->setStrayIntervalMs (2);
    for (int i = 0; i < 500 && dorna->getStraysSent() < 18; ++i)
        juce::Thread::sleep (2);
    dorna->setStrayIntervalMs (0);
    ASSERT_TRUE (dorna->waitUntilIdle());
    const auto got = host.take();
    ASSERT_GE (got.size(), 18u);
    EXPECT_EQ ((int) got.size(), dorna->getStraysSent());
    int channel11Notes = 0;
    for (const auto& m : got)
    {
        const auto* d = m.getRawData();
        if (d[0] == 0x9A)
        {
            ++channel11Notes;
            EXPECT_TRUE (d[1] >= 0x24 && d[1] <= 0x26) << (int) d[1];
        }
    }
    EXPECT_GT (channel11Notes, 0);
}

TEST_F (SimDornaTest, PositiveVelocityIsAnOption)
{
    in.reset();
    out.reset();
    dorna.reset();
    sim::SimDornaOptions options;
    options.positiveVelocity = 0;
    options.baseName = "Arvix Dorna";
    dorna = SimDorna::startOnVirtualPorts (options);
    EXPECT_EQ (dorna->portName (4), "Arvix Dorna Port 4");
    connect();
    dorna->holdDigest (0, 1, 7);
    const auto replies = send (digestBytes (0x21, 0, 1, 7));
    ASSERT_EQ (replies.size(), 1u);
    EXPECT_EQ (replies[0].getRawData()[2], 0);
}

TEST_F (SimDornaTest, GoingAwayWithAnswersPendingIsSafe)
{
    dorna->setReplyDelayMs (50);
    out->sendMessageNow (message (digestBytes (0x21, 0, 1, 1)));
    dorna.reset(); // the pending answer is dropped with the device
    out->sendMessageNow (message (digestBytes (0x21, 0, 1, 1)));
    EXPECT_FALSE (out->isAvailable());
    juce::Thread::sleep (80);
    EXPECT_TRUE (host.take().empty());
}
