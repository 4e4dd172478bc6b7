#include "support/test_folder.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace bormek::testing {
namespace fs = std::filesystem;

TestFolder::TestFolder() {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() /
          ("bormek-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

void TestFolder::write(const std::string& name, const std::string& text) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out << text;
}

void TestFolder::writeRunControl(const std::string& projectBase,
                                 const std::string& versionLabel) const {
  const std::string base = (path_ / projectBase).string();
  write("names.dat",
        crlf({versionLabel, "1", base + ".bkd", base + ".bko", base + ".bkp", base + ".bkr"}));
}

bool TestFolder::exists(const std::string& name) const {
  return fs::exists(path_ / name);
}

InFolder::InFolder(const fs::path& folder) : previous_(fs::current_path()) {
  fs::current_path(folder);
}

InFolder::~InFolder() {
  fs::current_path(previous_);
}

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    lines.push_back(line);
  }
  return lines;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\r\n";
  }
  return text;
}

}  // namespace bormek::testing
