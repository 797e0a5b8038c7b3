#include "model/CtlStore.h"

#include <benchmark/benchmark.h>

static void BM_CtlStoreConstruction (benchmark::State& state)
{
    for (auto _ : state)
    {
        NsDorna::CtlStore store;
        benchmark::DoNotOptimize (store.getState().getNumChildren());
    }
}
BENCHMARK (BM_CtlStoreConstruction)->Unit (benchmark::kMillisecond);

static void BM_TreeToXmlAndBack (benchmark::State& state)
{
    NsDorna::CtlStore store;
    size_t bytes = 0;
    for (auto _ : state)
    {
        const auto text = store.getState().toXmlString();
        bytes = (size_t) text.getNumBytesAsUTF8();
        auto back = juce::ValueTree::fromXml (text);
        benchmark::DoNotOptimize (back.getNumChildren());
    }
    state.counters["xml_bytes"] = (double) bytes;
}
BENCHMARK (BM_TreeToXmlAndBack)->Unit (benchmark::kMillisecond);
