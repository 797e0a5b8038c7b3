#include "model/CtlStore.h"
#include "model/DisplayTexts.h"

#include <benchmark/benchmark.h>

// The full factory fill (12,204 control nodes) on an existing skeleton; BM_CtlStoreConstruction
// measures skeleton and fill together.
static void BM_FactoryFillAllSlotsAndModes (benchmark::State& state)
{
    juce::ValueTree tree (Tags::slots);
    NsDorna::CtlStore store (tree);
    store.addMissingProps();
    for (auto _ : state)
    {
        store.setDefaValues();
        benchmark::DoNotOptimize (tree.getNumChildren());
    }
}
BENCHMARK (BM_FactoryFillAllSlotsAndModes)->Unit (benchmark::kMillisecond);

// A reset of one slot's mode, as the editor's menu does it.
static void BM_FactoryFillOneMode (benchmark::State& state)
{
    NsDorna::CtlStore store;
    for (auto _ : state)
        store.setDefaValueForModeOfSlot (0, (int) state.range (0));
}
BENCHMARK (BM_FactoryFillOneMode)->Arg (1)->Arg (3)->Unit (benchmark::kMicrosecond);

// The 80 LCD texts of one slot, as the encoder asks for them before every transfer.
static void BM_LcdTextsOfOneSlot (benchmark::State& state)
{
    NsDorna::CtlStore store;
    for (auto _ : state)
        for (int cid = 101; cid <= 180; ++cid)
            benchmark::DoNotOptimize (NsDorna::Defa::getFormattedSendingText (store.getControlOfSlot (cid, 0)));
}
BENCHMARK (BM_LcdTextsOfOneSlot)->Unit (benchmark::kMicrosecond);
