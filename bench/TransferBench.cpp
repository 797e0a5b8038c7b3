#include "link/Digest.h"
#include "link/Host.h"
#include "link/HostImpl.h"
#include "link/LinkState.h"
#include "link/MappingEncoder.h"
#include "link/MidiPorts.h"
#include "sim/SimDorna.h"

#include <benchmark/benchmark.h>

// Encoding the three slots, and one whole transfer to a simulated Dorna that answers at once.
namespace
{
using namespace NsDorna;

// The pauses the protocol itself asks for in a full transfer: 10 ms before and after each of the
// six data and five text parts, and before the digest store.
constexpr double protocolPausesMs = 11 * 20 + 10;

juce::ValueTree treeWithModes()
{
    auto tree = CtlStore().getState();
    const int modes[] = { 1, 3, 18 };
    for (int s = 0; s < 3; ++s)
        tree.getChild (s).setProperty (Tags::current, modes[s], nullptr);
    return tree;
}
} // namespace

static void BM_EncodeThreeSlots (benchmark::State& state)
{
    auto tree = treeWithModes();
    const CtlStore store (tree);
    for (auto _ : state)
        for (int s = 0; s < 3; ++s)
        {
            encodeSlot (store, s, { 1, 0, 0 }, { arrCurrMode[(size_t) s], g_sendingDataForCurrMode[(size_t) s], g_flagsTextsForSlot[(size_t) s] });
            benchmark::DoNotOptimize (digestForSlot (g_sendingDataForCurrMode[(size_t) s], g_flagsTextsForSlot[(size_t) s]));
        }
}
BENCHMARK (BM_EncodeThreeSlots)->Unit (benchmark::kMillisecond);

static void BM_FullTransferToSimulatedDorna (benchmark::State& state)
{
    const juce::TemporaryFile folder;
    folder.getFile().createDirectory();
    Host::setSettingsLocationForNewHosts (SettingsLocation::inFolder (folder.getFile()));
    auto* host = Host::getInstance();
    host->getImpl().replaceTree (treeWithModes(), false);

    ports::useVirtualPorts();
    auto dorna = sim::SimDorna::startOnVirtualPorts();

    bChged[0] = true;
    updateArrayOfDataAndTexts();
    bChged[0] = false;
    g_currDigests[0] = digestForSlot (g_sendingDataForCurrMode[0], g_flagsTextsForSlot[0]);

    bool allOk = true;
    for (auto _ : state)
    {
        state.PauseTiming();
        g_lastSentDigests[0] = -1;
        dorna->holdDigest (0, 1, (g_currDigests[0] + 1) & 0x7F); // so the whole slot goes out
        state.ResumeTiming();
        allOk = host->sendCurrMappings (0).wasOk() && allOk;
    }

    state.counters["protocol_pauses_ms"] = protocolPausesMs;
    state.counters["ok"] = allOk ? 1 : 0;
    state.counters["data_parts_received"] = dorna->count (sim::Inspected::Kind::dataPart);
    host->replaceMidiInputHandler();
    dorna.reset();
    ports::useSystemPorts();
    Host::deleteInstance();
    folder.getFile().deleteRecursively();
}
BENCHMARK (BM_FullTransferToSimulatedDorna)->Unit (benchmark::kMillisecond)->Iterations (10)->UseRealTime();
