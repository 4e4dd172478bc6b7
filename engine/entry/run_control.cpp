#include "entry/run_control.h"

#include <charconv>
#include <fstream>
#include <vector>

namespace bormek {
namespace {

std::string withoutLineEnd(std::string line) {
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return line;
}

std::string trimmedRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.pop_back();
  }
  return text;
}

// Free-format integer: the first word of the line.
bool parseInstallationNumber(const std::string& line, std::int32_t& value) {
  const auto begin = line.find_first_not_of(" \t,");
  if (begin == std::string::npos) {
    return false;
  }
  const auto end = line.find_first_of(" \t,", begin);
  std::string word = line.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
  if (!word.empty() && word[0] == '+') {
    word.erase(0, 1);
  }
  const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

}  // namespace

std::optional<RunControl> readRunControl(const std::string& fileName, std::string& problem) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in.is_open()) {
    problem = "THE RUN-CONTROL FILE " + fileName + " CANNOT BE OPENED IN THE CURRENT FOLDER";
    return std::nullopt;
  }
  std::vector<std::string> lines;
  std::string line;
  while (lines.size() < 6 && std::getline(in, line)) {
    lines.push_back(withoutLineEnd(line));
  }
  static constexpr const char* kLineNames[] = {"VERSION LABEL",   "INSTALLATION NUMBER",
                                               "INPUT FILE PATH", "REPORT FILE PATH",
                                               "PLOT FILE PATH",  "RUN-NOTES FILE PATH"};
  if (lines.size() < 6) {
    problem = fileName + ", LINE " + std::to_string(lines.size() + 1) + ": THE " +
              kLineNames[lines.size()] + " IS MISSING";
    return std::nullopt;
  }
  RunControl control;
  control.versionLabel = lines[0].substr(0, kVersionLabelLength);
  control.versionLabel.resize(kVersionLabelLength, ' ');
  if (!parseInstallationNumber(lines[1], control.installationNumber)) {
    problem = fileName + ", LINE 2, ITEM 1: THE INSTALLATION NUMBER IS NOT A WHOLE NUMBER";
    return std::nullopt;
  }
  std::string* paths[] = {&control.inputPath, &control.reportPath, &control.plotPath,
                          &control.notesPath};
  for (std::size_t k = 0; k < 4; ++k) {
    *paths[k] = trimmedRight(lines[k + 2].substr(0, kPathLength));
    if (paths[k]->empty()) {
      problem =
          fileName + ", LINE " + std::to_string(k + 3) + ": THE " + kLineNames[k + 2] + " IS EMPTY";
      return std::nullopt;
    }
  }
  return control;
}

}  // namespace bormek
