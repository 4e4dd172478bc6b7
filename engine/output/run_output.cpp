#include "output/run_output.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace bormek {

namespace {
bool consoleRequested() {
  const char* value = std::getenv("BORMEK_CONSOLE");
  return value != nullptr && std::strcmp(value, "1") == 0;
}
}  // namespace

RunOutput::RunOutput() : consoleEnabled_(consoleRequested()) {}

bool RunOutput::create(std::ofstream& stream, const std::string& path) {
  stream.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  return stream.is_open();
}

bool RunOutput::openReport(const std::string& path) {
  return create(report_, path);
}
bool RunOutput::openPlot(const std::string& path) {
  return create(plot_, path);
}
bool RunOutput::openNotes(const std::string& path) {
  return create(notes_, path);
}
bool RunOutput::openResults(const std::string& path) {
  // Replaced rather than truncated: truncating a file that holds data makes
  // the file system write its old blocks out first, which on ext4 takes
  // longer than writing the whole results file.
  std::error_code ignored;
  if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ignored))) {
    std::filesystem::remove(path, ignored);
  }
  return create(results_, path);
}

void RunOutput::closeAll() {
  report_.close();
  plot_.close();
  notes_.close();
  results_.close();
}

void RunOutput::put(std::ofstream& stream, std::string_view line) {
  if (stream.is_open()) {
    stream << line << '\n';
  }
}

void RunOutput::report(std::string_view line) {
  put(report_, line);
}
void RunOutput::plot(std::string_view line) {
  put(plot_, line);
}
void RunOutput::notes(std::string_view line) {
  put(notes_, line);
  noteMessages_.add(line);
}
void RunOutput::notesAlone(std::string_view line) {
  put(notes_, line);
  noteMessages_.addAlone(line);
}

void RunOutput::results(std::string_view text) {
  if (results_.is_open()) {
    results_ << text;
  }
}

void RunOutput::console(std::string_view line) {
  if (consoleEnabled_) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
  }
}

void RunOutput::reportBlank(int count) {
  for (int k = 0; k < count; ++k) {
    report("");
  }
}

void RunOutput::notesBlank(int count) {
  for (int k = 0; k < count; ++k) {
    notes("");
  }
}

}  // namespace bormek
