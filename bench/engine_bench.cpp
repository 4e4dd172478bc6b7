// Engine time of whole runs, in-process: the bundled example and the
// largest legal project (20 layers to 499 ft, stems from 1 to 30 ft).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "entry/engine_run.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// A scratch folder holding the project and its names.dat.
fs::path prepare(const std::string& name, const std::string& project) {
  const fs::path folder = fs::temp_directory_path() / ("bormek-bench-" + name);
  fs::create_directories(folder);
  writeFile(folder / "project.bkd", project);
  const std::string base = (folder / "project").string();
  writeFile(folder / "names.dat", "2012.7.8\r\n1\r\n" + base + ".bkd\r\n" + base + ".bko\r\n" +
                                      base + ".bkp\r\n" + base + ".bkr\r\n");
  return folder;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Alternating sand and clay layers of about 25 ft down to 499 ft.
std::string largestProject() {
  std::string text =
      "Largest legal project\r\n1\r\n2 1 1.0 5.0 1 2\r\n1.0 30.0 0 0 0 0 3600000\r\n"
      "20 10.0 400.0 2.0 3.0\r\n";
  for (int k = 1; k <= 20; ++k) {
    const std::string bottom = k == 20 ? "499.0" : std::to_string(k * 25) + ".0";
    if (k % 2 == 1) {
      text += "1 " + bottom + "\r\n0 120 33 0 25 0 0 1 1\r\n0 125 36 0 35 0 0 1 1\r\n2\r\n0 0\r\n";
    } else {
      text += "2 " + bottom + "\r\n0 122 0 2500 15 0 0 1 1\r\n0 124 0 3500 20 0 0 1 1\r\n0 0\r\n";
    }
  }
  return text;
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
  runIn(state, prepare("example", readFile(BORMEK_EXAMPLE)));
}

void LargestProject(benchmark::State& state) {
  runIn(state, prepare("largest", largestProject()));
}

}  // namespace

BENCHMARK(BundledExample)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestProject)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
