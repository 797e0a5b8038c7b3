#include "MidiPortsVirtual.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace NsDorna::ports
{
using Endpoint = VirtualPorts::Port::Endpoint;
using Registry = VirtualPorts::Port::Registry;

struct VirtualPorts::Port::Endpoint
{
    juce::String name;
    Direction direction;
    Receiver receiver;
    // Held while the receiver runs, so that unpublishing waits for a call in progress.
    std::recursive_mutex receiveLock;
    std::atomic<bool> alive { true };

    bool listedAsInput() const { return direction != Direction::hostOutput; }
    bool listedAsOutput() const { return direction != Direction::hostInput; }
};

namespace
{
// A host input opened on an endpoint.
struct InputState
{
    std::shared_ptr<Endpoint> endpoint;
    juce::MidiInputCallback* callback = nullptr;
    // Held while the callback runs; stop() takes it, so no call outlives stop(). Recursive so that the
    // callback may stop or close its own input.
    std::recursive_mutex lock;
    std::atomic<bool> started { false };
    std::atomic<bool> closed { false };
};

struct OutputState
{
    std::shared_ptr<Endpoint> endpoint;
};

// What the devices send to the host, delivered in order from one thread of its own.
class DeliveryQueue
{
public:
    void push (std::shared_ptr<InputState> input, const juce::MidiMessage& message)
    {
        {
            std::lock_guard<std::mutex> l (lock);
            if (quitting)
                return;
            items.emplace_back (std::move (input), message);
        }
        changed.notify_all();
    }

    void run()
    {
        std::unique_lock<std::mutex> l (lock);
        for (;;)
        {
            changed.wait (l, [this] { return quitting || ! items.empty(); });
            if (quitting)
                break;
            auto item = std::move (items.front());
            items.pop_front();
            busy = true;
            l.unlock();
            deliver (*item.first, item.second);
            item.first.reset();
            l.lock();
            busy = false;
            changed.notify_all();
        }
        items.clear();
        busy = false;
        changed.notify_all();
    }

    void waitIdle()
    {
        std::unique_lock<std::mutex> l (lock);
        changed.wait (l, [this] { return quitting || (items.empty() && ! busy); });
    }

    void quit()
    {
        {
            std::lock_guard<std::mutex> l (lock);
            quitting = true;
        }
        changed.notify_all();
    }

private:
    static void deliver (InputState& input, const juce::MidiMessage& message)
    {
        std::lock_guard<std::recursive_mutex> l (input.lock);
        if (input.started && ! input.closed && input.endpoint->alive)
            input.callback->handleIncomingMidiMessage (nullptr, message);
    }

    std::mutex lock;
    std::condition_variable changed;
    std::deque<std::pair<std::shared_ptr<InputState>, juce::MidiMessage>> items;
    bool quitting = false;
    bool busy = false;
};
} // namespace

struct VirtualPorts::Port::Registry
{
    Registry() : queue (std::make_shared<DeliveryQueue>())
    {
        worker = std::thread ([q = queue] { q->run(); });
    }

    ~Registry()
    {
        queue->quit();
        // The last owner may let go inside an input callback, on the worker itself.
        if (worker.get_id() == std::this_thread::get_id())
            worker.detach();
        else
            worker.join();
    }

    std::shared_ptr<Endpoint> find (const juce::String& name, bool asOutput)
    {
        for (auto& e : endpoints)
            if (e->name == name && (asOutput ? e->listedAsOutput() : e->listedAsInput()))
                return e;
        return nullptr;
    }

    template <typename T>
    static void prune (std::vector<std::weak_ptr<T>>& list)
    {
        list.erase (std::remove_if (list.begin(), list.end(), [] (const auto& w) { return w.expired(); }), list.end());
    }

    mutable std::mutex lock;
    std::vector<std::shared_ptr<Endpoint>> endpoints; // published, in publishing order
    std::vector<std::weak_ptr<InputState>> inputs;
    std::vector<std::weak_ptr<OutputState>> outputs;
    std::shared_ptr<DeliveryQueue> queue;
    std::thread worker;
};

namespace
{
class VirtualOutput : public Output
{
public:
    VirtualOutput (std::shared_ptr<Registry> r, std::shared_ptr<OutputState> s)
        : registry (std::move (r)), state (std::move (s)) {}

    void sendMessageNow (const juce::MidiMessage& message) override
    {
        auto& e = *state->endpoint;
        std::lock_guard<std::recursive_mutex> l (e.receiveLock);
        if (e.alive && e.receiver)
            e.receiver (message);
    }

    void sendBlockOfMessagesNow (const juce::MidiBuffer& buffer) override
    {
        for (const auto meta : buffer)
            sendMessageNow (meta.getMessage());
    }

    juce::String getName() const override { return state->endpoint->name; }
    bool isAvailable() const override { return state->endpoint->alive; }

private:
    std::shared_ptr<Registry> registry;
    std::shared_ptr<OutputState> state;
};

class VirtualInput : public Input
{
public:
    VirtualInput (std::shared_ptr<Registry> r, std::shared_ptr<InputState> s)
        : registry (std::move (r)), state (std::move (s)) {}

    ~VirtualInput() override
    {
        state->closed = true;
        stop();
    }

    void start() override
    {
        std::lock_guard<std::recursive_mutex> l (state->lock);
        state->started = ! state->closed;
    }

    void stop() override
    {
        // Cleared before waiting, so that the delivery thread cannot slip further calls in meanwhile;
        // taking the lock then waits for a call in progress.
        state->started = false;
        std::lock_guard<std::recursive_mutex> l (state->lock);
    }

    juce::String getName() const override { return state->endpoint->name; }
    bool isAvailable() const override { return state->endpoint->alive; }

private:
    std::shared_ptr<Registry> registry;
    std::shared_ptr<InputState> state;
};
} // namespace

VirtualPorts::Port::Port (std::shared_ptr<Registry> r, std::shared_ptr<Endpoint> e)
    : registry (std::move (r)), endpoint (std::move (e)) {}

VirtualPorts::Port::~Port() { unpublish(); }

juce::String VirtualPorts::Port::getName() const { return endpoint->name; }

bool VirtualPorts::Port::isPublished() const { return endpoint->alive; }

void VirtualPorts::Port::unpublish()
{
    // Once gone, always gone (set under the receive lock, so no receiver call is running any more).
    if (! endpoint->alive)
        return;
    {
        std::lock_guard<std::mutex> l (registry->lock);
        auto& list = registry->endpoints;
        list.erase (std::remove (list.begin(), list.end(), endpoint), list.end());
    }
    // Not under the registry's lock: a receiver running now may itself publish or send.
    std::lock_guard<std::recursive_mutex> l (endpoint->receiveLock);
    endpoint->alive = false;
}

void VirtualPorts::Port::sendToHost (const juce::MidiMessage& message)
{
    if (! endpoint->alive)
        return;

    std::vector<std::shared_ptr<InputState>> targets;
    {
        std::lock_guard<std::mutex> l (registry->lock);
        for (auto& w : registry->inputs)
            if (auto input = w.lock())
                if (input->endpoint == endpoint && input->started && ! input->closed)
                    targets.push_back (std::move (input));
    }
    for (auto& t : targets)
        registry->queue->push (std::move (t), message);
}

VirtualPorts::VirtualPorts() : registry (std::make_shared<Port::Registry>()) {}

VirtualPorts::~VirtualPorts() = default;

std::unique_ptr<VirtualPorts::Port> VirtualPorts::publish (const juce::String& name, Receiver receiver, Direction direction)
{
    auto e = std::make_shared<Endpoint>();
    e->name = name;
    e->direction = direction;
    e->receiver = std::move (receiver);
    {
        std::lock_guard<std::mutex> l (registry->lock);
        registry->endpoints.push_back (e);
    }
    return std::make_unique<Port> (registry, std::move (e));
}

void VirtualPorts::waitUntilDelivered() { registry->queue->waitIdle(); }

int VirtualPorts::numOpenInputs() const
{
    std::lock_guard<std::mutex> l (registry->lock);
    int n = 0;
    for (auto& w : registry->inputs)
        if (auto s = w.lock())
            n += (! s->closed && s->endpoint->alive) ? 1 : 0;
    return n;
}

int VirtualPorts::numOpenOutputs() const
{
    std::lock_guard<std::mutex> l (registry->lock);
    int n = 0;
    for (auto& w : registry->outputs)
        if (auto s = w.lock())
            n += s->endpoint->alive ? 1 : 0;
    return n;
}

juce::StringArray VirtualPorts::inputNames()
{
    std::lock_guard<std::mutex> l (registry->lock);
    juce::StringArray names;
    for (auto& e : registry->endpoints)
        if (e->listedAsInput())
            names.add (e->name);
    return names;
}

juce::StringArray VirtualPorts::outputNames()
{
    std::lock_guard<std::mutex> l (registry->lock);
    juce::StringArray names;
    for (auto& e : registry->endpoints)
        if (e->listedAsOutput())
            names.add (e->name);
    return names;
}

std::unique_ptr<Output> VirtualPorts::openOutput (const juce::String& name)
{
    std::lock_guard<std::mutex> l (registry->lock);
    auto e = registry->find (name, true);
    if (e == nullptr)
        return nullptr;
    auto state = std::make_shared<OutputState>();
    state->endpoint = std::move (e);
    Registry::prune (registry->outputs);
    registry->outputs.push_back (state);
    return std::make_unique<VirtualOutput> (registry, std::move (state));
}

std::unique_ptr<Input> VirtualPorts::openInput (const juce::String& name, juce::MidiInputCallback* callback)
{
    if (callback == nullptr)
        return nullptr;
    std::lock_guard<std::mutex> l (registry->lock);
    auto e = registry->find (name, false);
    if (e == nullptr)
        return nullptr;
    auto state = std::make_shared<InputState>();
    state->endpoint = std::move (e);
    state->callback = callback;
    Registry::prune (registry->inputs);
    registry->inputs.push_back (state);
    return std::make_unique<VirtualInput> (registry, std::move (state));
}
} // namespace NsDorna::ports
