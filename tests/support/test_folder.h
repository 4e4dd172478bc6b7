// A scratch folder per test, with helpers to write inputs and read the
// engine's output files line by line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace bormek::testing {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

  // Writes `text` as it stands (no line-end translation).
  void write(const std::string& name, const std::string& text) const;
  // Writes names.dat for project `name`.bkd with the derived output names.
  void writeRunControl(const std::string& projectBase,
                       const std::string& versionLabel = "2012.7.8") const;
  bool exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Makes a folder the current folder for the lifetime of the object.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder);
  ~InFolder();
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

std::vector<std::string> readLines(const std::string& path);
std::string readText(const std::string& path);

// Joins lines with CR LF, as the application writes project files.
std::string crlf(const std::vector<std::string>& lines);

}  // namespace bormek::testing
