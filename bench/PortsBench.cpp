#include "arvix/DeviceNames.h"
#include "arvix/Product.h"
#include "sim/SimDorna.h"

#include <benchmark/benchmark.h>

#include <condition_variable>
#include <mutex>

// The cost of the port layer and the simulated Dorna themselves, to be set against the protocol's own
// pauses and reply waits of a transfer.
namespace
{
struct ReplyWaiter : juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override
    {
        {
            std::lock_guard<std::mutex> l (lock);
            ++count;
        }
        arrived.notify_all();
    }

    void waitFor (int n)
    {
        std::unique_lock<std::mutex> l (lock);
        arrived.wait (l, [&] { return count >= n; });
    }

    std::mutex lock;
    std::condition_variable arrived;
    int count = 0;
};

juce::MidiMessage sysex (std::vector<juce::uint8> b) { return juce::MidiMessage (b.data(), (int) b.size()); }

juce::MidiMessage part (int command, int partNo, int count, int payload)
{
    std::vector<juce::uint8> b { 0xF0, 0x1D, 0x03, 0x10, 0x06, (juce::uint8) command, 0x01,
                                 (juce::uint8) partNo, (juce::uint8) count };
    b.resize (b.size() + (size_t) payload, 0x11);
    b.push_back (0xF7);
    return sysex (b);
}

struct Rig
{
    Rig()
    {
        NsDorna::ports::useVirtualPorts();
        dorna = NsDorna::sim::SimDorna::startOnVirtualPorts();
        out = NsDorna::ports::openOutput (dorna->portName (4));
        in = NsDorna::ports::openInput (dorna->portName (4), &waiter);
        in->start();
    }
    ~Rig()
    {
        in.reset();
        out.reset();
        dorna.reset();
        NsDorna::ports::useSystemPorts();
    }

    void exchange (const juce::MidiMessage& m)
    {
        out->sendMessageNow (m);
        waiter.waitFor (++expected);
    }

    ReplyWaiter waiter;
    int expected = 0;
    std::unique_ptr<NsDorna::sim::SimDorna> dorna;
    std::unique_ptr<NsDorna::ports::Output> out;
    std::unique_ptr<NsDorna::ports::Input> in;
};
} // namespace

// One digest query and its answer, host to simulated device and back.
static void BM_SimDornaRoundTrip (benchmark::State& state)
{
    Rig rig;
    const auto query = sysex ({ 0xF0, 0x1D, 0x03, 0x10, 0x06, 0x21, 0x01, 0x05, 0xF7 });
    for (auto _ : state)
        rig.exchange (query);
}
BENCHMARK (BM_SimDornaRoundTrip)->Unit (benchmark::kMicrosecond);

// A whole slot without the protocol's pauses: query, six data parts, five text parts, digest store,
// each answered before the next goes out.
static void BM_SimDornaSlotWithoutPauses (benchmark::State& state)
{
    Rig rig;
    std::vector<juce::MidiMessage> messages { sysex ({ 0xF0, 0x1D, 0x03, 0x10, 0x06, 0x21, 0x01, 0x05, 0xF7 }) };
    for (int p = 1; p <= 6; ++p)
        messages.push_back (part (0x25, p, 40, p == 6 ? 208 : 320));
    for (int p = 1; p <= 5; ++p)
        messages.push_back (part (0x26, p, 16, 272));
    messages.push_back (sysex ({ 0xF0, 0x1D, 0x03, 0x10, 0x06, 0x24, 0x01, 0x05, 0xF7 }));

    for (auto _ : state)
        for (const auto& m : messages)
            rig.exchange (m);
    if (rig.dorna->getMalformedCount() != 0)
        state.SkipWithError ("the simulated Dorna found malformed messages");
}
BENCHMARK (BM_SimDornaSlotWithoutPauses)->Unit (benchmark::kMicrosecond);

// The port choice the device link makes on every timer tick.
static void BM_ChooseDornaPort (benchmark::State& state)
{
    const juce::StringArray names { "IAC Driver Bus 1", "Dorna Port 1", "Dorna Port 2", "Dorna Port 3", "Dorna Port 4", "Synth" };
    for (auto _ : state)
        benchmark::DoNotOptimize (arvix::getFirstTarWithMaxPortNum (names, 2054, true));
}
BENCHMARK (BM_ChooseDornaPort)->Unit (benchmark::kMicrosecond);
