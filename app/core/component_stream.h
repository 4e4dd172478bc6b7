// A small typed stream of component properties held in memory: every value
// is written behind a one-byte type tag (integer, string, boolean,
// extended, list begin, list end). Integers are 32-bit little-endian,
// strings a 32-bit length and their bytes, extended values a flag byte
// (sign, infinity, NaN), a 32-bit binary exponent and a 64-bit significand,
// so the bytes do not depend on the platform's long double layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/number_text.h"

// A value read with the wrong type tag, or past the end of the bytes.
class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TValueTag : std::uint8_t {
  IntegerValue = 1,
  StringValue = 2,
  BooleanValue = 3,
  ExtendedValue = 4,
  ListBegin = 5,
  ListEnd = 6,
};

class TComponentWriter {
 public:
  void WriteInteger(int value);
  void WriteString(const std::string& value);
  void WriteBoolean(bool value);
  void WriteExtended(Extended value);
  void WriteListBegin();
  void WriteListEnd();

  const std::string& Bytes() const { return bytes_; }

 private:
  void writeTag(TValueTag tag);
  void writeRaw(std::uint64_t value, int byteCount);

  std::string bytes_;
};

// Reads the values of `bytes` in the order they were written; every Read
// throws EReadError when the next value is not of the asked type.
class TComponentReader {
 public:
  explicit TComponentReader(std::string bytes);

  int ReadInteger();
  std::string ReadString();
  bool ReadBoolean();
  Extended ReadExtended();
  void ReadListBegin();
  void ReadListEnd();
  // True when the next value is a list end (and is left unread).
  bool EndOfList() const;
  bool AtEnd() const { return position_ == bytes_.size(); }

 private:
  void readTag(TValueTag expected);
  std::uint64_t readRaw(int byteCount);

  std::string bytes_;
  std::size_t position_ = 0;
};
