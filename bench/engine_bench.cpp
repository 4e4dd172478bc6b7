// Engine time of whole runs, in-process: the bundled example and the
// largest legal project (20 layers to 499 ft, stems from 1 to 30 ft).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/largest_project.h"
#include "entry/engine_run.h"

namespace {

namespace fs = std::filesystem;
using bormek::bench::largestProject;
using bormek::bench::prepareRun;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void runIn(benchmark::State& state, const fs::path& folder) {
  const fs::path previous = fs::current_path();
  fs::current_path(folder);
  for (auto _ : state) {
    benchmark::DoNotOptimize(bormek::runEngine(bormek::kRunRequestCode));
  }
  fs::current_path(previous);
}

void BundledExample(benchmark::State& state) {
  runIn(state, prepareRun("example", readFile(BORMEK_EXAMPLE)));
}

void LargestProject(benchmark::State& state) {
  runIn(state, prepareRun("largest", largestProject()));
}

}  // namespace

BENCHMARK(BundledExample)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestProject)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
