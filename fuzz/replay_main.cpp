// Replays inputs through a fuzz target without the fuzzing engine: each
// file named on the command line, and each file in a folder named there, is
// passed once to LLVMFuzzerTestOneInput. The normal test build runs the
// regression corpus and the seed projects this way.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// A folder gives its files; a folder not there (a target whose regression
// corpus is still empty) gives none.
std::vector<fs::path> inputsOf(const fs::path& path) {
  if (!fs::exists(path)) {
    return {};
  }
  if (!fs::is_directory(path)) {
    return {path};
  }
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
    if (entry.is_regular_file()) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  // Targets may change the working folder: every path is made absolute
  // before the first input runs.
  std::vector<fs::path> files;
  for (int k = 1; k < argc; ++k) {
    const std::vector<fs::path> found = inputsOf(fs::absolute(argv[k]));
    files.insert(files.end(), found.begin(), found.end());
  }
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
      return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("replayed %zu inputs\n", files.size());
  return files.empty() ? 1 : 0;
}
