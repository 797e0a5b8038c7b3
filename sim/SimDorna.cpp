#include "SimDorna.h"

#include <cstring>

namespace NsDorna::sim
{
using Clock = std::chrono::steady_clock;
using Kind = Inspected::Kind;

namespace
{
// Unrelated traffic a surface sends now and then; none of it is a reply the host may act on.
juce::MidiMessage strayMessage (int index)
{
    static const juce::uint8 identity[] = { 0x7E, 0x7F, 0x06, 0x02 };
    switch (index % 9)
    {
        case 0: return juce::MidiMessage (0xF8);             // clock
        case 1: return juce::MidiMessage (0xB0, 0x07, 0x64); // control change, channel 1
        case 2: return juce::MidiMessage (0x90, 0x3C, 0x64); // note on, channel 1
        case 3: return juce::MidiMessage (0x8A, 0x21, 0x7F); // note off, channel 11, a reply's note
        case 4: return juce::MidiMessage (0x9A, 0x24, 0x7F); // note on, channel 11, notes without a status
        case 5: return juce::MidiMessage (0x9A, 0x25, 0x00);
        case 6: return juce::MidiMessage (0x9A, 0x26, 0x7F);
        case 7: return juce::MidiMessage (0xFE);             // active sensing
        default: return juce::MidiMessage::createSysExMessage (identity, (int) sizeof (identity));
    }
}

bool isPart (const juce::MidiMessage& m, int command, int part)
{
    const auto* d = m.getRawData();
    return part > 0 && m.getRawDataSize() > 8 && d[0] == 0xF0 && d[5] == command && d[7] == part;
}
} // namespace

juce::String SimDorna::SlotMemory::textAt (int index) const
{
    if (! juce::isPositiveAndBelow (index, Wire::numTexts))
        return {};
    const auto* p = static_cast<const char*> (textBlock.getData()) + index * Wire::textBytes;
    return juce::String::fromUTF8 (p, Wire::textBytes);
}

SimDorna::SimDorna (std::shared_ptr<ports::VirtualPorts> p, Options o) : options (std::move (o)), ports (std::move (p))
{
    jassert (ports != nullptr);
    worker = std::thread ([this] { run(); });
    plugIn();
}

SimDorna::~SimDorna()
{
    unplug();
    {
        std::lock_guard<std::mutex> l (lock);
        quitting = true;
    }
    wake.notify_all();
    worker.join();
}

std::unique_ptr<SimDorna> SimDorna::startOnVirtualPorts (Options options)
{
    auto vp = ports::currentVirtualPorts();
    if (vp == nullptr)
        vp = ports::useVirtualPorts();
    return std::make_unique<SimDorna> (std::move (vp), std::move (options));
}

juce::String SimDorna::portName (int number) const { return options.baseName + " Port " + juce::String (number); }

juce::StringArray SimDorna::portNames() const
{
    juce::StringArray names;
    for (int n = 1; n <= numPorts; ++n)
        names.add (portName (n));
    return names;
}

void SimDorna::plugIn()
{
    std::lock_guard<std::mutex> l (lock);
    if (published[0] != nullptr)
        return;
    for (int n = 1; n <= numPorts; ++n)
        published[(size_t) n - 1] = ports->publish (portName (n), [this, n] (const juce::MidiMessage& m) { receive (n, m); });
    nextStray = Clock::now() + std::chrono::milliseconds (strayIntervalMs);
}

SimDorna::PortSet SimDorna::takePorts()
{
    PortSet gone;
    gone.swap (published);
    ++generation;
    replies.clear();
    return gone;
}

void SimDorna::unpublishAll (PortSet& gone)
{
    // Outside the lock: a receiver may be running (it may be this very call's caller).
    for (auto& p : gone)
        if (p != nullptr)
            p->unpublish();
    wake.notify_all();
}

void SimDorna::unplug()
{
    PortSet gone;
    {
        std::lock_guard<std::mutex> l (lock);
        gone = takePorts();
    }
    unpublishAll (gone);
}

bool SimDorna::isPluggedIn() const
{
    std::lock_guard<std::mutex> l (lock);
    return published[0] != nullptr;
}

void SimDorna::receive (int port, const juce::MidiMessage& message)
{
    PortSet gone;
    {
        std::lock_guard<std::mutex> l (lock);
        if (quitting)
            return;
        inbox.push_back ({ port, generation, message });
        // Gone in the same step, so the part is never answered.
        if (port == configPort
            && (isPart (message, Wire::cmdDataPart, vanishDataPart) || isPart (message, Wire::cmdTextPart, vanishTextPart)))
            gone = takePorts();
    }
    wake.notify_all();
    unpublishAll (gone);
}

const std::shared_ptr<ports::VirtualPorts::Port>& SimDorna::replyPort() const { return published[(size_t) configPort - 1]; }

void SimDorna::answer (const Incoming& in, int note, bool positive)
{
    if (silent)
        return;
    Reply r { Clock::now() + std::chrono::milliseconds (replyDelayMs), in.generation,
              juce::MidiMessage (Wire::replyStatus, note, positive ? options.positiveVelocity : Wire::negativeVelocity) };
    auto pos = std::upper_bound (replies.begin(), replies.end(), r.due, [] (auto due, const Reply& x) { return due < x.due; });
    replies.insert (pos, std::move (r));
}

void SimDorna::handle (const Incoming& in)
{
    const auto what = inspect (in.message, options.pid);
    log.push_back ({ in.port, what, in.message });
    if (! what.wellFormed)
        malformed.add ("port " + juce::String (in.port) + ": " + what.problem);
    // Only the configuration port speaks the mapping protocol.
    if (in.port != configPort)
        return;

    // Faulty messages addressed to it are answered negatively; foreign ones not at all.
    if (! what.wellFormed && ! what.forThisDevice)
        return;
    const bool ok = what.wellFormed;
    auto* slot = ok ? &slots[(size_t) what.slot] : nullptr;
    switch (what.kind)
    {
        case Kind::announcement:
            if (ok)
                announcements.push_back (what.value);
            break;

        case Kind::digestQuery:
            answer (in, Wire::noteDigest, ok && slot->digest >= 0 && slot->digest == what.digest && slot->mode == what.mode);
            break;

        case Kind::digestStore:
            if (ok)
            {
                slot->mode = what.mode;
                slot->digest = what.digest;
            }
            answer (in, Wire::noteTexts, ok);
            break;

        case Kind::dataPart:
            if (ok)
            {
                const auto offset = (size_t) (what.part - 1) * Wire::recordsPerDataPart * Wire::recordBytes;
                slot->mappingBlock.copyFrom (in.message.getRawData() + 9, (int) offset, in.message.getRawDataSize() - 10);
                slot->mode = what.mode;
                slot->digest = -1;
            }
            answer (in, Wire::noteData, ok && what.part != negativeDataPart);
            break;

        case Kind::textPart:
            if (ok)
            {
                const auto offset = (size_t) (what.part - 1) * Wire::textsPerTextPart * Wire::textBytes;
                slot->textBlock.copyFrom (in.message.getRawData() + 9, (int) offset, in.message.getRawDataSize() - 10);
                slot->mode = what.mode;
                slot->digest = -1;
            }
            answer (in, Wire::noteTexts, ok && what.part != negativeTextPart);
            break;

        case Kind::filler:
        case Kind::other:
            break;
    }
}

void SimDorna::run()
{
    std::unique_lock<std::mutex> l (lock);
    while (! quitting)
    {
        while (! inbox.empty())
        {
            const auto in = std::move (inbox.front());
            inbox.pop_front();
            handle (in);
        }

        const auto now = Clock::now();
        const bool plugged = replyPort() != nullptr;
        std::vector<juce::MidiMessage> out;
        int replyCount = 0;
        while (! replies.empty() && replies.front().due <= now)
        {
            if (replies.front().generation == generation && plugged)
            {
                out.push_back (std::move (replies.front().message));
                ++replyCount;
            }
            replies.pop_front();
        }
        const bool stray = strayIntervalMs > 0 && plugged && now >= nextStray;
        if (stray)
        {
            out.push_back (strayMessage (strayIndex++));
            nextStray = now + std::chrono::milliseconds (strayIntervalMs);
        }

        if (! out.empty())
        {
            auto port = published[(size_t) configPort - 1];
            ++busy;
            l.unlock();
            for (const auto& m : out)
                port->sendToHost (m);
            // Let go unlocked: this may be the last owner, and unpublishing waits for a running receiver.
            port.reset();
            l.lock();
            --busy;
            repliesSent += replyCount;
            straysSent += stray ? 1 : 0;
        }
        wake.notify_all();

        if (quitting || ! inbox.empty())
            continue;
        auto deadline = Clock::time_point::max();
        if (! replies.empty())
            deadline = replies.front().due;
        if (strayIntervalMs > 0 && replyPort() != nullptr)
            deadline = std::min (deadline, nextStray);
        if (deadline == Clock::time_point::max())
            wake.wait (l);
        else
            wake.wait_until (l, deadline);
    }
}

bool SimDorna::waitUntilIdle (int timeoutMs)
{
    bool idle = false;
    {
        std::unique_lock<std::mutex> l (lock);
        idle = wake.wait_for (l, std::chrono::milliseconds (timeoutMs),
                              [this] { return inbox.empty() && replies.empty() && busy == 0; });
    }
    ports->waitUntilDelivered();
    return idle;
}

template <typename Fn>
static void configure (std::mutex& m, std::condition_variable& cv, Fn&& fn)
{
    {
        std::lock_guard<std::mutex> l (m);
        fn();
    }
    cv.notify_all();
}

void SimDorna::setSilent (bool s) { configure (lock, wake, [&] { silent = s; }); }
void SimDorna::setNegativeDataPart (int p) { configure (lock, wake, [&] { negativeDataPart = p; }); }
void SimDorna::setNegativeTextPart (int p) { configure (lock, wake, [&] { negativeTextPart = p; }); }
void SimDorna::setReplyDelayMs (int ms) { configure (lock, wake, [&] { replyDelayMs = juce::jmax (0, ms); }); }
void SimDorna::setVanishOnDataPart (int p) { configure (lock, wake, [&] { vanishDataPart = p; }); }
void SimDorna::setVanishOnTextPart (int p) { configure (lock, wake, [&] { vanishTextPart = p; }); }

void SimDorna::setStrayIntervalMs (int ms)
{
    configure (lock, wake, [&] {
        strayIntervalMs = juce::jmax (0, ms);
        nextStray = Clock::now() + std::chrono::milliseconds (strayIntervalMs);
    });
}

void SimDorna::holdDigest (int slot, int mode, int digest)
{
    configure (lock, wake, [&] {
        if (juce::isPositiveAndBelow (slot, (int) slots.size()))
        {
            slots[(size_t) slot].mode = mode;
            slots[(size_t) slot].digest = digest & 0x7F;
        }
    });
}

SimDorna::SlotMemory SimDorna::getSlot (int slot) const
{
    std::lock_guard<std::mutex> l (lock);
    return juce::isPositiveAndBelow (slot, (int) slots.size()) ? slots[(size_t) slot] : SlotMemory {};
}

std::vector<int> SimDorna::getAnnouncements() const
{
    std::lock_guard<std::mutex> l (lock);
    return announcements;
}

int SimDorna::getMalformedCount() const
{
    std::lock_guard<std::mutex> l (lock);
    return malformed.size();
}

juce::StringArray SimDorna::getMalformedProblems() const
{
    std::lock_guard<std::mutex> l (lock);
    return malformed;
}

std::vector<SimDorna::Received> SimDorna::getLog() const
{
    std::lock_guard<std::mutex> l (lock);
    return log;
}

int SimDorna::count (Kind kind) const
{
    std::lock_guard<std::mutex> l (lock);
    return (int) std::count_if (log.begin(), log.end(), [kind] (const Received& r) { return r.port == configPort && r.what.kind == kind; });
}

int SimDorna::getRepliesSent() const
{
    std::lock_guard<std::mutex> l (lock);
    return repliesSent;
}

int SimDorna::getStraysSent() const
{
    std::lock_guard<std::mutex> l (lock);
    return straysSent;
}

void SimDorna::clearLog()
{
    std::lock_guard<std::mutex> l (lock);
    log.clear();
    malformed.clear();
    announcements.clear();
    repliesSent = 0;
    straysSent = 0;
}
} // namespace NsDorna::sim
