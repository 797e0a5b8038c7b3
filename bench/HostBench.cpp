#include "link/HostImpl.h"
#include "link/MappingFile.h"
#include "model/MappingValidator.h"

#include <benchmark/benchmark.h>

using namespace NsDorna;

namespace
{
// A host whose settings live in a folder of its own, removed afterwards.
struct ScratchHost
{
    ScratchHost()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("korvel-bench", "")),
          hostObject (std::make_unique<Host> (SettingsLocation::inFolder (folder))),
          host (*hostObject)
    {
    }
    ~ScratchHost()
    {
        hostObject.reset(); // it saves when it closes
        folder.deleteRecursively();
    }

    // Every save writes: a property of the last control changes each time.
    void touch (int i) { host.getCtlStore().getControlOfSlot (226, 2).setProperty (Tags::value, i % 100, nullptr); }

    juce::File folder;
    std::unique_ptr<Host> hostObject;
    Host& host;
};
} // namespace

static void BM_SettingsSave (benchmark::State& state)
{
    ScratchHost s;
    int i = 0;
    for (auto _ : state)
    {
        s.touch (++i);
        if (s.host.saveSettings().failed())
            state.SkipWithError ("save failed");
    }
    state.counters["file_bytes"] = (double) s.host.getImpl().getSettingsFile().getSize();
}
BENCHMARK (BM_SettingsSave)->Unit (benchmark::kMillisecond);

// A new host reading the full tree from its settings (start-up).
static void BM_SettingsRestore (benchmark::State& state)
{
    ScratchHost s;
    s.touch (1);
    s.host.saveSettings();
    const auto where = SettingsLocation::inFolder (s.folder);
    for (auto _ : state)
    {
        Host restored (where);
        benchmark::DoNotOptimize (restored.getCurrSlotIndex());
    }
}
BENCHMARK (BM_SettingsRestore)->Unit (benchmark::kMillisecond);

static void BM_MappingFileSave (benchmark::State& state)
{
    ScratchHost s;
    const auto file = s.folder.getChildFile ("bench.korvel");
    for (auto _ : state)
        if (s.host.saveCurrentMapping (file).failed())
            state.SkipWithError ("save failed");
    state.counters["file_bytes"] = (double) file.getSize();
}
BENCHMARK (BM_MappingFileSave)->Unit (benchmark::kMillisecond);

static void BM_MappingFileLoad (benchmark::State& state)
{
    ScratchHost s;
    const auto file = s.folder.getChildFile ("bench.korvel");
    s.host.saveCurrentMapping (file);
    for (auto _ : state)
        if (s.host.openFile (file).failed())
            state.SkipWithError ("load failed");
}
BENCHMARK (BM_MappingFileLoad)->Unit (benchmark::kMillisecond);

// The parts of a load: turning XML into a tree, and checking a full tree read from XML.
static void BM_ValidateFullMapping (benchmark::State& state)
{
    const auto tree = juce::ValueTree::fromXml (*CtlStore().getState().createXml());
    for (auto _ : state)
        benchmark::DoNotOptimize (validateMappingTree (tree).wasOk());
}
BENCHMARK (BM_ValidateFullMapping)->Unit (benchmark::kMillisecond);

static void BM_TreeFromXml (benchmark::State& state)
{
    const auto xml = CtlStore().getState().createXml();
    for (auto _ : state)
        benchmark::DoNotOptimize (juce::ValueTree::fromXml (*xml).getNumChildren());
}
BENCHMARK (BM_TreeFromXml)->Unit (benchmark::kMillisecond);
