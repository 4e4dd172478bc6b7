// A streaming JSON writer for the results file. Numbers are written as the
// shortest text that reads back to the same single-precision value, with
// "." as decimal point whatever the locale (output/float_text.h); a value that is not finite is
// written as null, which JSON can hold. Text is escaped, and a byte that is
// not part of valid UTF-8 is taken as Latin-1, so the output is always valid
// UTF-8. Containers opened with `oneLine` keep their members on one line;
// others put each member on its own line, indented by two blanks a level.
//
// The text goes to the sink in pieces of some tens of kilobytes, and the
// rest when the outermost container closes. The caller pairs begin and end
// calls and writes a key before each member of an object; the writer does
// not check this.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace bormek {

class JsonWriter {
 public:
  using Sink = std::function<void(std::string_view)>;

  explicit JsonWriter(Sink sink);
  // A writer of further members of an object that another writer's
  // document holds `depth` containers deep, after its first members (see
  // members()): separators and indents are those of that place, so that
  // parts of a document can be written apart, side by side.
  JsonWriter(Sink sink, std::size_t depth);

  void beginObject(bool oneLine = false);
  void endObject();
  void beginArray(bool oneLine = false);
  void endArray();
  void key(std::string_view name);

  void number(float value);
  // A whole array of numbers on one line: the quick way for table columns.
  void numberArray(std::span<const float> values);
  void integer(std::int64_t value);
  void text(std::string_view value);
  void boolean(bool value);
  void null();
  // Further members of the object being written, after those written so
  // far, as a writer made for their place wrote them.
  void members(std::string_view written);

  // Hands what is held to the sink: a writer of a whole document does so
  // when it closes, one of members when asked.
  void flush();

 private:
  struct Level {
    bool oneLine = false;
    bool empty = true;
  };

  void beforeValue();
  void open(char bracket, bool oneLine);
  void close(char bracket);
  void newLine(std::size_t depth);
  void append(std::string_view text);
  void append(char c);
  // Room for `bytes` more at the end of the buffer; commit() says how much
  // of it was used.
  char* room(std::size_t bytes);
  void commit(const char* end);

  Sink sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace bormek
