#include "output/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <utility>

#include "output/float_text.h"

namespace bormek {
namespace {

constexpr std::size_t kIndentPerLevel = 2;
// Room for a number: a float's text, or any 64-bit integer.
constexpr std::size_t kLongestNumber = kFloatTextCapacity;
// The buffer goes to the sink once it holds this much; it is not cleared
// when made, so a small document touches only the memory it fills.
constexpr std::size_t kFlushBytes = 64 * 1024;
// Room kept beyond that for the piece being written.
constexpr std::size_t kLargestPiece = 4096;
// A byte of text escapes to at most six characters: a backslash, "u00" and
// two hex digits.
constexpr std::size_t kEscapedBytesPerByte = 6;

// Length of the UTF-8 sequence that starts at `at`, or 0 when the bytes
// there do not form one (overlong forms and surrogates included).
std::size_t utf8SequenceAt(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[at + k]); };
  const auto continuation = [&](std::size_t k) {
    return at + k < s.size() && (byte(k) & 0xC0u) == 0x80u;
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80u) {
    return 1;
  }
  if (lead >= 0xC2u && lead <= 0xDFu) {
    return continuation(1) ? 2 : 0;
  }
  if (lead >= 0xE0u && lead <= 0xEFu) {
    if (!continuation(1) || !continuation(2)) {
      return 0;
    }
    const bool overlong = lead == 0xE0u && byte(1) < 0xA0u;
    const bool surrogate = lead == 0xEDu && byte(1) >= 0xA0u;
    return overlong || surrogate ? 0 : 3;
  }
  if (lead >= 0xF0u && lead <= 0xF4u) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) {
      return 0;
    }
    const bool overlong = lead == 0xF0u && byte(1) < 0x90u;
    const bool beyondUnicode = lead == 0xF4u && byte(1) >= 0x90u;
    return overlong || beyondUnicode ? 0 : 4;
  }
  return 0;
}

// Writes `s` escaped and in quotes at `out`, which has room for
// kEscapedBytesPerByte characters a byte and the quotes.
char* writeEscaped(char* out, std::string_view s) {
  constexpr char kHex[] = "0123456789abcdef";
  *out++ = '"';
  std::size_t at = 0;
  while (at < s.size()) {
    const auto byte = static_cast<unsigned char>(s[at]);
    // Plain ASCII, as keys and most text are, goes as it stands.
    if (byte >= 0x20u && byte < 0x80u && byte != '"' && byte != '\\') {
      *out++ = static_cast<char>(byte);
      ++at;
      continue;
    }
    const std::size_t length = utf8SequenceAt(s, at);
    if (length == 0) {
      // Taken as Latin-1: the code point equals the byte.
      *out++ = static_cast<char>(0xC0u | (byte >> 6));
      *out++ = static_cast<char>(0x80u | (byte & 0x3Fu));
      ++at;
      continue;
    }
    if (byte == '"' || byte == '\\') {
      *out++ = '\\';
      *out++ = static_cast<char>(byte);
    } else if (byte < 0x20u) {
      out = std::copy_n("\\u00", 4, out);
      *out++ = kHex[byte >> 4];
      *out++ = kHex[byte & 0x0Fu];
    } else {
      out = std::copy_n(s.data() + at, length, out);
    }
    at += length;
  }
  *out++ = '"';
  return out;
}

// Writes `value` at `out`, which has room for kLongestNumber characters.
char* writeNumber(char* out, float value) {
  if (!std::isfinite(value)) {
    return std::copy_n("null", 4, out);
  }
  return writeShortestFloat(out, value);
}

}  // namespace

JsonWriter::JsonWriter(Sink sink)
    : sink_(std::move(sink)),
      buffer_(std::make_unique_for_overwrite<char[]>(kFlushBytes + kLargestPiece)),
      capacity_(kFlushBytes + kLargestPiece) {}

JsonWriter::JsonWriter(Sink sink, std::size_t depth) : JsonWriter(std::move(sink)) {
  levels_.assign(depth, Level{false, false});
}

char* JsonWriter::room(std::size_t bytes) {
  if (used_ + bytes > capacity_) {
    flush();
    if (bytes > capacity_) {
      buffer_ = std::make_unique_for_overwrite<char[]>(bytes);
      capacity_ = bytes;
    }
  }
  return buffer_.get() + used_;
}

void JsonWriter::commit(const char* end) {
  used_ = static_cast<std::size_t>(end - buffer_.get());
  if (used_ >= kFlushBytes) {
    flush();
  }
}

void JsonWriter::flush() {
  if (used_ > 0) {
    sink_(std::string_view(buffer_.get(), used_));
    used_ = 0;
  }
}

void JsonWriter::append(std::string_view text) {
  commit(std::copy_n(text.data(), text.size(), room(text.size())));
}

void JsonWriter::append(char c) {
  char* out = room(1);
  *out++ = c;
  commit(out);
}

void JsonWriter::newLine(std::size_t depth) {
  const std::size_t blanks = depth * kIndentPerLevel;
  char* out = room(blanks + 1);
  *out++ = '\n';
  commit(std::fill_n(out, blanks, ' '));
}

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) {
    return;
  }
  Level& level = levels_.back();
  if (!level.empty) {
    append(level.oneLine ? ", " : ",");
  }
  if (!level.oneLine) {
    newLine(levels_.size());
  }
  level.empty = false;
}

void JsonWriter::open(char bracket, bool oneLine) {
  beforeValue();
  append(bracket);
  // Inside a one-line container everything stays on that line.
  const bool inherited = !levels_.empty() && levels_.back().oneLine;
  levels_.push_back({oneLine || inherited, true});
}

void JsonWriter::close(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  if (!level.oneLine && !level.empty) {
    newLine(levels_.size());
  }
  append(bracket);
  if (levels_.empty()) {
    append('\n');
    flush();
  }
}

void JsonWriter::beginObject(bool oneLine) {
  open('{', oneLine);
}
void JsonWriter::endObject() {
  close('}');
}
void JsonWriter::beginArray(bool oneLine) {
  open('[', oneLine);
}
void JsonWriter::endArray() {
  close(']');
}

void JsonWriter::key(std::string_view name) {
  beforeValue();
  char* out = writeEscaped(room(name.size() * kEscapedBytesPerByte + 4), name);
  *out++ = ':';
  *out++ = ' ';
  commit(out);
  afterKey_ = true;
}

void JsonWriter::number(float value) {
  beforeValue();
  commit(writeNumber(room(kLongestNumber), value));
}

void JsonWriter::numberArray(std::span<const float> values) {
  constexpr std::size_t kSeparator = 2;  // ", "
  beforeValue();
  char* out = room(values.size() * (kLongestNumber + kSeparator) + 2);
  *out++ = '[';
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (k > 0) {
      *out++ = ',';
      *out++ = ' ';
    }
    out = writeNumber(out, values[k]);
  }
  *out++ = ']';
  commit(out);
}

void JsonWriter::integer(std::int64_t value) {
  beforeValue();
  char* out = room(kLongestNumber);
  commit(std::to_chars(out, out + kLongestNumber, value).ptr);
}

void JsonWriter::text(std::string_view value) {
  beforeValue();
  commit(writeEscaped(room(value.size() * kEscapedBytesPerByte + 2), value));
}

void JsonWriter::boolean(bool value) {
  beforeValue();
  append(value ? "true" : "false");
}

void JsonWriter::null() {
  beforeValue();
  append("null");
}

void JsonWriter::members(std::string_view written) {
  flush();
  sink_(written);
  if (!written.empty()) {
    levels_.back().empty = false;
  }
}

}  // namespace bormek
