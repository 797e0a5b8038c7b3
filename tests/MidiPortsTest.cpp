#include "link/MidiPortsVirtual.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

using namespace NsDorna::ports;

namespace
{
// What a host input receives, and on which thread.
struct Collector : juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& m) override
    {
        if (juce::MessageManager::getInstance()->isThisTheMessageThread())
            onMessageThread = true;
        inCallback = true;
        if (callbackDelayMs > 0)
            std::this_thread::sleep_for (std::chrono::milliseconds (callbackDelayMs));
        {
            std::lock_guard<std::mutex> l (lock);
            received.push_back (m);
        }
        if (onMessage)
            onMessage();
        inCallback = false;
    }

    std::vector<juce::MidiMessage> messages()
    {
        std::lock_guard<std::mutex> l (lock);
        return received;
    }

    std::mutex lock;
    std::vector<juce::MidiMessage> received;
    std::atomic<bool> onMessageThread { false };
    std::atomic<bool> inCallback { false };
    int callbackDelayMs = 0;
    std::function<void()> onMessage;
};

class MidiPorts : public ::testing::Test
{
protected:
    void SetUp() override { vp = useVirtualPorts(); }
    void TearDown() override { useSystemPorts(); }

    // A device's port counting what it receives, with the host's output and started input open on it.
    void connectToOnePort()
    {
        port = vp->publish ("Dorna Port 4", [this] (const juce::MidiMessage&) { ++received; });
        out = openOutput ("Dorna Port 4");
        in = openInput ("Dorna Port 4", &c);
        in->start();
    }

    std::shared_ptr<VirtualPorts> vp;
    std::atomic<int> received { 0 };
    Collector c;
    std::unique_ptr<VirtualPorts::Port> port;
    std::unique_ptr<Output> out;
    std::unique_ptr<Input> in;
};
} // namespace

TEST (MidiPortsSystem, IsTheDefaultAndFailsQuietlyWithoutAMidiSystem)
{
    useSystemPorts();
    EXPECT_EQ (currentVirtualPorts(), nullptr);
    // This machine has no MIDI system: nothing listed, nothing opens, nothing crashes.
    EXPECT_TRUE (getOutputNames().isEmpty());
    EXPECT_TRUE (getInputNames().isEmpty());
    Collector c;
    EXPECT_EQ (openOutput ("Dorna Port 4"), nullptr);
    EXPECT_EQ (openInput ("Dorna Port 4", &c), nullptr);
}

TEST_F (MidiPorts, SelectionSwitchesTheListsTheFreeFunctionsSee)
{
    auto port = vp->publish ("Dorna Port 1", nullptr);
    EXPECT_EQ (currentVirtualPorts(), vp);
    EXPECT_EQ (getOutputNames(), juce::StringArray ("Dorna Port 1"));
    useSystemPorts();
    EXPECT_TRUE (getOutputNames().isEmpty());
    setBackend (vp);
    EXPECT_EQ (getInputNames(), juce::StringArray ("Dorna Port 1"));
    // A fresh set replaces the old one.
    useVirtualPorts();
    EXPECT_TRUE (getInputNames().isEmpty());
}

TEST_F (MidiPorts, ListsFollowDirectionsPublishingOrderAndDuplicates)
{
    auto a = vp->publish ("A", nullptr);
    auto outOnly = vp->publish ("Out only", nullptr, VirtualPorts::Direction::hostOutput);
    auto inOnly = vp->publish ("In only", nullptr, VirtualPorts::Direction::hostInput);
    auto a2 = vp->publish ("A", nullptr);

    EXPECT_EQ (getOutputNames(), juce::StringArray ("A", "Out only", "A"));
    EXPECT_EQ (getInputNames(), juce::StringArray ("A", "In only", "A"));

    Collector c;
    EXPECT_EQ (openOutput ("In only"), nullptr);
    EXPECT_EQ (openInput ("Out only", &c), nullptr);
    EXPECT_EQ (openOutput ("a"), nullptr) << "names are exact";
    EXPECT_EQ (openInput ("A", nullptr), nullptr) << "an input needs a callback";

    outOnly.reset(); // destroying the handle unpublishes
    EXPECT_EQ (getOutputNames(), juce::StringArray ("A", "A"));
}

TEST_F (MidiPorts, WhatTheHostSendsReachesTheReceiverInOrder)
{
    std::vector<juce::MidiMessage> got;
    auto port = vp->publish ("Dorna Port 4", [&] (const juce::MidiMessage& m) { got.push_back (m); });
    auto out = openOutput ("Dorna Port 4");
    ASSERT_NE (out, nullptr);
    EXPECT_EQ (out->getName(), "Dorna Port 4");

    const juce::uint8 sysex[] = { 0xF0, 0x1D, 0x03, 0x10, 0x06, 0x21, 0x01, 0x74, 0xF7 };
    out->sendMessageNow (juce::MidiMessage (0xEF, 0x7F, 0x7F));
    out->sendMessageNow (juce::MidiMessage (sysex, (int) sizeof (sysex)));
    juce::MidiBuffer block;
    block.addEvent (juce::MidiMessage (0x90, 1, 2), 0);
    block.addEvent (juce::MidiMessage (0x90, 3, 4), 1);
    out->sendBlockOfMessagesNow (block);

    ASSERT_EQ (got.size(), 4u);
    EXPECT_EQ (got[0].getRawData()[0], 0xEF);
    EXPECT_EQ (got[1].getRawDataSize(), 9);
    EXPECT_EQ (std::memcmp (got[1].getRawData(), sysex, sizeof (sysex)), 0);
    EXPECT_EQ (got[2].getNoteNumber(), 1);
    EXPECT_EQ (got[3].getNoteNumber(), 3);
}

TEST_F (MidiPorts, InputDeliversOnlyWhileStartedAndNeverOnTheMessageThread)
{
    auto port = vp->publish ("Dorna Port 4", nullptr);
    Collector c;
    auto in = openInput ("Dorna Port 4", &c);
    ASSERT_NE (in, nullptr);
    EXPECT_EQ (in->getName(), "Dorna Port 4");

    port->sendToHost (juce::MidiMessage (0x9A, 0x21, 1)); // before start: not delivered
    vp->waitUntilDelivered();
    EXPECT_TRUE (c.messages().empty());

    in->start();
    for (int i = 0; i < 50; ++i)
        port->sendToHost (juce::MidiMessage (0x9A, 0x22, i));
    vp->waitUntilDelivered();
    auto got = c.messages();
    ASSERT_EQ (got.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ (got[(size_t) i].getVelocity(), i);
    EXPECT_FALSE (c.onMessageThread);

    in->stop();
    port->sendToHost (juce::MidiMessage (0x9A, 0x23, 1));
    vp->waitUntilDelivered();
    EXPECT_EQ (c.messages().size(), 50u);

    // Every open input on the port hears it; another port's does not.
    auto other = vp->publish ("Other", nullptr);
    Collector c2, c3;
    auto in2 = openInput ("Dorna Port 4", &c2);
    auto in3 = openInput ("Other", &c3);
    in->start();
    in2->start();
    in3->start();
    port->sendToHost (juce::MidiMessage (0xF8));
    vp->waitUntilDelivered();
    EXPECT_EQ (c.messages().size(), 51u);
    EXPECT_EQ (c2.messages().size(), 1u);
    EXPECT_TRUE (c3.messages().empty());
}

TEST_F (MidiPorts, NoCallbackOutlivesStopOrDestruction)
{
    auto port = vp->publish ("Dorna Port 4", nullptr);
    for (const bool destroy : { false, true })
    {
        Collector c;
        c.callbackDelayMs = 20; // a slow callback that is running while the host closes
        auto in = openInput ("Dorna Port 4", &c);
        in->start();
        for (int i = 0; i < 5; ++i)
            port->sendToHost (juce::MidiMessage (0x9A, 0x22, i));
        while (! c.inCallback)
            std::this_thread::yield();

        if (destroy)
            in.reset();
        else
            in->stop();
        EXPECT_FALSE (c.inCallback) << "stop returned while the callback ran";
        const auto seen = c.messages().size();
        vp->waitUntilDelivered();
        EXPECT_EQ (c.messages().size(), seen) << "a message arrived after the input was closed";
        EXPECT_EQ (seen, 1u) << "only the call in progress completes";
    }
}

TEST_F (MidiPorts, ACallbackMayCloseItsOwnInput)
{
    auto port = vp->publish ("Dorna Port 4", nullptr);
    Collector c;
    std::unique_ptr<Input> in = openInput ("Dorna Port 4", &c);
    c.onMessage = [&] { in->stop(); };
    in->start();
    port->sendToHost (juce::MidiMessage (0xF8));
    port->sendToHost (juce::MidiMessage (0xF8));
    vp->waitUntilDelivered();
    EXPECT_EQ (c.messages().size(), 1u);

    c.onMessage = [&] { in.reset(); };
    in->start();
    port->sendToHost (juce::MidiMessage (0xF8));
    port->sendToHost (juce::MidiMessage (0xF8));
    vp->waitUntilDelivered();
    EXPECT_EQ (c.messages().size(), 2u);
    EXPECT_EQ (in, nullptr);
}

TEST_F (MidiPorts, AVanishedPortLosesTrafficAndDoesNotComeBackUnderTheSameName)
{
    connectToOnePort();
    EXPECT_EQ (vp->numOpenOutputs(), 1);
    EXPECT_EQ (vp->numOpenInputs(), 1);

    port->unpublish();
    EXPECT_FALSE (port->isPublished());
    EXPECT_FALSE (out->isAvailable());
    EXPECT_FALSE (in->isAvailable());
    EXPECT_TRUE (getOutputNames().isEmpty());
    EXPECT_TRUE (getInputNames().isEmpty());
    EXPECT_EQ (vp->numOpenOutputs(), 0);
    EXPECT_EQ (vp->numOpenInputs(), 0);
    EXPECT_EQ (openOutput ("Dorna Port 4"), nullptr);

    out->sendMessageNow (juce::MidiMessage (0xF8)); // lost, no crash
    port->sendToHost (juce::MidiMessage (0xF8));
    EXPECT_EQ (received, 0);

    // Plugged in again: a new port; what was open on the old one stays dead.
    auto again = vp->publish ("Dorna Port 4", [&] (const juce::MidiMessage&) { ++received; });
    out->sendMessageNow (juce::MidiMessage (0xF8));
    again->sendToHost (juce::MidiMessage (0xF8));
    vp->waitUntilDelivered();
    EXPECT_EQ (received, 0);
    EXPECT_TRUE (c.messages().empty());
    EXPECT_TRUE (openOutput ("Dorna Port 4")->isAvailable());
}

TEST_F (MidiPorts, AReceiverMayUnpublishItsOwnPort)
{
    std::unique_ptr<VirtualPorts::Port> port;
    int received = 0;
    port = vp->publish ("Dorna Port 4", [&] (const juce::MidiMessage&) {
        ++received;
        port->unpublish();
    });
    auto out = openOutput ("Dorna Port 4");
    out->sendMessageNow (juce::MidiMessage (0xF8));
    out->sendMessageNow (juce::MidiMessage (0xF8));
    EXPECT_EQ (received, 1);
    EXPECT_TRUE (getOutputNames().isEmpty());
}

TEST_F (MidiPorts, PortsOutliveTheSelectionThatMadeThem)
{
    connectToOnePort();
    useSystemPorts();
    vp.reset();

    out->sendMessageNow (juce::MidiMessage (0xF8));
    port->sendToHost (juce::MidiMessage (0xF8));
    for (int i = 0; i < 200 && c.messages().empty(); ++i)
        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    EXPECT_EQ (received, 1);
    EXPECT_EQ (c.messages().size(), 1u);
}

// Publishing, opening, sending and closing from several threads at once; meant for the thread
// sanitizer as much as for the plain run (it must simply finish without a crash or a hang).
TEST_F (MidiPorts, ConcurrentUseFinishes)
{
    std::atomic<int> received { 0 };
    std::atomic<bool> done { false };
    std::vector<std::thread> threads;

    threads.emplace_back ([&] { // a device plugging in and out, talking meanwhile
        for (int i = 0; i < 200; ++i)
        {
            auto p = vp->publish ("Dorna Port 4", [&] (const juce::MidiMessage&) { ++received; });
            for (int k = 0; k < 5; ++k)
                p->sendToHost (juce::MidiMessage (0x9A, 0x22, 1));
        }
        done = true;
    });
    for (int t = 0; t < 2; ++t)
        threads.emplace_back ([&] { // hosts reconnecting all the time
            Collector c;
            while (! done)
            {
                auto in = openInput ("Dorna Port 4", &c);
                auto out = openOutput ("Dorna Port 4");
                if (in != nullptr)
                    in->start();
                if (out != nullptr)
                    out->sendMessageNow (juce::MidiMessage (0xF8));
                getOutputNames();
            }
        });
    for (auto& t : threads)
        t.join();
    vp->waitUntilDelivered();
    EXPECT_TRUE (getOutputNames().isEmpty());
    EXPECT_EQ (vp->numOpenInputs() + vp->numOpenOutputs(), 0);
}
