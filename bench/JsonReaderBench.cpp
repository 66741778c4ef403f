// Parsing a JSON object with many member names: the cost per name must stay flat.
#include <benchmark/benchmark.h>

#include <string>

#include "CJsonReader.h"

namespace {

void BM_ObjectWithManyNames(benchmark::State& state) {
    std::string text = "{";
    for (int i = 0; i < state.range(0); ++i)
        text += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":" + std::to_string(i);
    text += "}";
    for (auto _ : state)
        benchmark::DoNotOptimize(brushly::tool::CJsonReader::Parse(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ObjectWithManyNames)->Arg(10000)->Arg(80000);

}  // namespace
