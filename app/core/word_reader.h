// Reads a text file into lines of blank- or tab-separated words, for the
// project file. Numbers are read with "." as decimal separator whatever the
// user's locale.
//
// Every failure throws EInputError with the message shown to the user:
// "This file either invalid or incomplete." when a word is needed after
// the last line, or "Error on Line n Item m" and a line break followed by
// what was expected.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "core/number_text.h"

class EInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TWordReader {
 public:
  // Reads the whole file; a file that cannot be opened throws EInputError
  // with the system's message.
  explicit TWordReader(const std::string& path);

  // The whole text of the current line; moves to the next line.
  std::string ReadLine();
  Extended ReadReal();
  // A whole number in the 32-bit range; "2.0" is taken as 2.
  int ReadInteger();
  // Words of the line the next read takes its word from.
  int WordCount();
  bool AtEnd();
  // Rejects the word read last: "Error on Line n Item m" and `expected`.
  [[noreturn]] void Reject(const char* expected) const;

 private:
  struct Line {
    std::string text;
    std::vector<std::string> words;
  };
  // Moves past lines whose words are used up; false at the end.
  bool SeekWord();
  const std::string& NextWord();

  std::vector<Line> lines_;
  std::size_t line_ = 0;
  std::size_t word_ = 0;
};
