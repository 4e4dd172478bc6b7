// The largest project the engine accepts, for the benchmarks: 20 layers of
// alternating sand and clay of about 25 ft down to 499 ft, trial stems from
// 1 to 30 ft, a 400 ft shaft. A run of it writes a plot file of about 2 MB.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace bormek::bench {

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// A scratch folder holding project.bkd and its names.dat.
inline std::filesystem::path prepareRun(const std::string& name, const std::string& project) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("bormek-bench-" + name);
  std::filesystem::create_directories(folder);
  writeFile(folder / "project.bkd", project);
  const std::string base = (folder / "project").string();
  writeFile(folder / "names.dat", "2012.7.8\r\n1\r\n" + base + ".bkd\r\n" + base + ".bko\r\n" +
                                      base + ".bkp\r\n" + base + ".bkr\r\n");
  return folder;
}

inline std::string largestProject() {
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

}  // namespace bormek::bench
