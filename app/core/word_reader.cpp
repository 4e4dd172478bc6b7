#include "core/word_reader.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

namespace {

constexpr const char* kIncompleteFile = "This file either invalid or incomplete.";

std::vector<std::string> wordsOf(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (c == ' ' || c == '\t') {
      if (!word.empty()) {
        words.push_back(word);
        word.clear();
      }
    } else {
      word += c;
    }
  }
  if (!word.empty()) {
    words.push_back(word);
  }
  return words;
}

}  // namespace

TWordReader::TWordReader(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    throw EInputError("Cannot open file \"" + path + "\". " + std::strerror(errno));
  }
  std::string text;
  while (std::getline(in, text)) {
    if (!text.empty() && text.back() == '\r') {
      text.pop_back();
    }
    lines_.push_back({text, wordsOf(text)});
  }
}

bool TWordReader::SeekWord() {
  while (line_ < lines_.size() && word_ >= lines_[line_].words.size()) {
    ++line_;
    word_ = 0;
  }
  return line_ < lines_.size();
}

bool TWordReader::AtEnd() {
  return !SeekWord();
}

int TWordReader::WordCount() {
  return SeekWord() ? static_cast<int>(lines_[line_].words.size()) : 0;
}

std::string TWordReader::ReadLine() {
  if (word_ > 0) {
    ++line_;
    word_ = 0;
  }
  if (line_ >= lines_.size()) {
    throw EInputError(kIncompleteFile);
  }
  return lines_[line_++].text;
}

const std::string& TWordReader::NextWord() {
  if (!SeekWord()) {
    throw EInputError(kIncompleteFile);
  }
  return lines_[line_].words[word_++];
}

void TWordReader::Reject(const char* expected) const {
  throw EInputError("Error on Line " + std::to_string(line_ + 1) + " Item " +
                    std::to_string(word_) + "\n" + expected);
}

Extended TWordReader::ReadReal() {
  Extended value = 0;
  if (!ParseNumber(NextWord(), value)) {
    Reject("A floating point number was expected but not found.");
  }
  return value;
}

int TWordReader::ReadInteger() {
  Extended value = 0;
  const bool whole = ParseNumber(NextWord(), value) && value == std::trunc(value) &&
                     value >= std::numeric_limits<int>::min() &&
                     value <= std::numeric_limits<int>::max();
  if (!whole) {
    Reject("An integer was expected but not found.");
  }
  return static_cast<int>(value);
}
