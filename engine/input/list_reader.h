// Free-format (Fortran list-directed) reading of a text file.
//
// Each record read starts on a new line, takes values from the following
// lines while it needs more, and skips what is left of its last line.
// Blanks, tabs and commas separate values; "1E-6", "1.5e+3" and "2.5D0" are
// numbers; "." is the decimal point whatever the locale.
//
// Every failure throws InputError naming the file, the line (from 1), the
// item (the word's position on its line, from 1) and what was being read.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bormek {

class InputError : public std::runtime_error {
 public:
  InputError(const std::string& file, int line, int item, const std::string& what);
  const std::string& file() const { return file_; }
  int line() const { return line_; }
  int item() const { return item_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string file_;
  int line_;
  int item_;
  std::string reason_;
};

class ListReader {
 public:
  // Reads the whole file; false when it cannot be opened.
  bool open(const std::string& path);
  const std::string& path() const { return path_; }

  // The whole next line (without its line end) as a record of its own.
  std::string readLine(std::string_view what);

  // Starts a new record on the line after the previous record's last line.
  void beginRecord();
  float readReal(std::string_view what);
  // A whole number in the 32-bit range; "2.0" is accepted as 2.
  int readInteger(std::string_view what);

  // Line number (from 1) of the line the current record started on.
  int recordLine() const { return static_cast<int>(recordLine_) + 1; }

 private:
  struct Word {
    std::string text;
    int item;
  };
  Word nextWord(std::string_view what);
  [[noreturn]] void fail(int line, int item, const std::string& reason) const;

  std::string path_;
  std::vector<std::string> lines_;
  std::size_t nextRecordLine_ = 0;  // where the next record starts
  std::size_t currentLine_ = 0;     // line the current record reads from
  std::size_t recordLine_ = 0;
  std::vector<std::string> words_;
  std::size_t wordIndex_ = 0;
  bool inRecord_ = false;
};

}  // namespace bormek
