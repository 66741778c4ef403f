// Writing and reading one million tagged 24-byte objects in one object array.
#include <benchmark/benchmark.h>

#include "archive/CMemFile.h"
#include "support/ArchiveTestRecords.h"

namespace brushly::testing {
namespace {

constexpr int kObjects = 1'000'000;

std::vector<std::unique_ptr<CPointRecord>> MakePoints() {
    std::vector<std::unique_ptr<CPointRecord>> points;
    points.reserve(kObjects);
    for (int i = 0; i < kObjects; ++i) {
        points.push_back(std::make_unique<CPointRecord>());
        points.back()->x = i;
        points.back()->weight = i * 0.5;
    }
    return points;
}

std::string Write(const std::vector<std::unique_ptr<CPointRecord>>& points) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    archive.WriteObjectArray(points);
    archive.Close();
    return file.Bytes();
}

void BM_WriteTaggedObjects(benchmark::State& state) {
    const auto points = MakePoints();
    for (auto _ : state)
        benchmark::DoNotOptimize(Write(points));
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_WriteTaggedObjects)->Unit(benchmark::kMillisecond);

void BM_ReadTaggedObjects(benchmark::State& state) {
    const std::string bytes = Write(MakePoints());
    const CClassRegistry registry = MakeTestRegistry();
    for (auto _ : state) {
        CMemFile file(bytes);
        CArchive archive(file, CArchive::Mode::Load, &registry);
        std::vector<std::unique_ptr<CPointRecord>> points;
        archive.ReadObjectArray(points);
        benchmark::DoNotOptimize(points.data());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_ReadTaggedObjects)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly::testing
