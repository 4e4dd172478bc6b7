#include "input/list_reader.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

namespace bormek {

namespace {

std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : line) {
    if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
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

// Fortran accepts a leading plus and a D exponent; from_chars does not.
std::string normalisedNumber(std::string text) {
  if (!text.empty() && text[0] == '+') {
    text.erase(0, 1);
  }
  for (char& c : text) {
    if (c == 'd' || c == 'D') {
      c = 'e';
    }
  }
  return text;
}

// Parses the whole word as a finite real; false when it is not one.
template <typename Real>
bool parseReal(const std::string& word, Real& value) {
  const std::string text = normalisedNumber(word);
  if (text.empty() || text.find_first_of("nNiIxXpP") != std::string::npos) {
    return false;  // no nan, inf or hexadecimal forms
  }
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() &&
         std::isfinite(value);
}

std::string quoted(const std::string& word) {
  return "\"" + word + "\"";
}

}  // namespace

InputError::InputError(const std::string& file, int line, int item, const std::string& what)
    : std::runtime_error(what), file_(file), line_(line), item_(item), reason_(what) {}

bool ListReader::open(const std::string& path) {
  path_ = path;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    return false;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines_.push_back(line);
  }
  return !in.bad();
}

void ListReader::fail(int line, int item, const std::string& reason) const {
  throw InputError(path_, line, item, reason);
}

std::string ListReader::readLine(std::string_view what) {
  inRecord_ = false;
  if (nextRecordLine_ >= lines_.size()) {
    fail(static_cast<int>(lines_.size()) + 1, 1, "THE FILE ENDS BEFORE THE " + std::string(what));
  }
  recordLine_ = nextRecordLine_;
  return lines_[nextRecordLine_++];
}

void ListReader::beginRecord() {
  currentLine_ = nextRecordLine_;
  recordLine_ = nextRecordLine_;
  words_ =
      currentLine_ < lines_.size() ? splitWords(lines_[currentLine_]) : std::vector<std::string>{};
  wordIndex_ = 0;
  inRecord_ = true;
}

ListReader::Word ListReader::nextWord(std::string_view what) {
  if (!inRecord_) {
    beginRecord();
  }
  while (wordIndex_ >= words_.size()) {
    if (currentLine_ + 1 >= lines_.size()) {
      fail(static_cast<int>(lines_.size()) + 1, 1, "THE FILE ENDS BEFORE THE " + std::string(what));
    }
    ++currentLine_;
    words_ = splitWords(lines_[currentLine_]);
    wordIndex_ = 0;
  }
  nextRecordLine_ = currentLine_ + 1;
  const int item = static_cast<int>(wordIndex_) + 1;
  return {words_[wordIndex_++], item};
}

float ListReader::readReal(std::string_view what) {
  const Word word = nextWord(what);
  float value = 0.0f;
  if (!parseReal(word.text, value)) {
    fail(static_cast<int>(currentLine_) + 1, word.item,
         "A NUMBER WAS EXPECTED FOR THE " + std::string(what) + " BUT " + quoted(word.text) +
             " WAS FOUND");
  }
  return value;
}

int ListReader::readInteger(std::string_view what) {
  const Word word = nextWord(what);
  double value = 0.0;
  const bool whole = parseReal(word.text, value) && value == std::floor(value) &&
                     value >= std::numeric_limits<int>::min() &&
                     value <= std::numeric_limits<int>::max();
  if (!whole) {
    fail(static_cast<int>(currentLine_) + 1, word.item,
         "A WHOLE NUMBER WAS EXPECTED FOR THE " + std::string(what) + " BUT " + quoted(word.text) +
             " WAS FOUND");
  }
  return static_cast<int>(value);
}

}  // namespace bormek
