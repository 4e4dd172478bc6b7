#include "core/component_stream.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr std::uint8_t kNegative = 1;
constexpr std::uint8_t kInfinite = 2;
constexpr std::uint8_t kNotANumber = 4;

}  // namespace

void TComponentWriter::WriteInteger(int value) {
  writeTag(TValueTag::IntegerValue);
  writeRaw(static_cast<std::uint32_t>(value), 4);
}

void TComponentWriter::WriteString(const std::string& value) {
  writeTag(TValueTag::StringValue);
  writeRaw(value.size(), 4);
  bytes_ += value;
}

void TComponentWriter::WriteBoolean(bool value) {
  writeTag(TValueTag::BooleanValue);
  writeRaw(value ? 1 : 0, 1);
}

// The significand holds the binary fraction of frexp scaled by 2^64, which
// keeps every bit of an 80-bit extended value; the exponent is frexp's.
void TComponentWriter::WriteExtended(Extended value) {
  writeTag(TValueTag::ExtendedValue);
  std::uint8_t flags = std::signbit(value) ? kNegative : 0;
  std::uint64_t significand = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    flags |= kNotANumber;
  } else if (std::isinf(value)) {
    flags |= kInfinite;
  } else if (value != 0) {
    significand =
        static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(value), &exponent), 64));
  }
  writeRaw(flags, 1);
  writeRaw(static_cast<std::uint32_t>(exponent), 4);
  writeRaw(significand, 8);
}

void TComponentWriter::WriteListBegin() {
  writeTag(TValueTag::ListBegin);
}

void TComponentWriter::WriteListEnd() {
  writeTag(TValueTag::ListEnd);
}

void TComponentWriter::writeTag(TValueTag tag) {
  bytes_ += static_cast<char>(tag);
}

void TComponentWriter::writeRaw(std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) {
    bytes_ += static_cast<char>((value >> (8 * i)) & 0xff);
  }
}

TComponentReader::TComponentReader(std::string bytes) : bytes_(std::move(bytes)) {}

int TComponentReader::ReadInteger() {
  readTag(TValueTag::IntegerValue);
  return static_cast<int>(static_cast<std::int32_t>(readRaw(4)));
}

std::string TComponentReader::ReadString() {
  readTag(TValueTag::StringValue);
  const std::uint64_t length = readRaw(4);
  if (length > bytes_.size() - position_) {
    throw EReadError("Read past end of stream");
  }
  std::string value = bytes_.substr(position_, length);
  position_ += length;
  return value;
}

bool TComponentReader::ReadBoolean() {
  readTag(TValueTag::BooleanValue);
  const std::uint64_t value = readRaw(1);
  if (value > 1) {
    throw EReadError("Invalid boolean value");
  }
  return value == 1;
}

Extended TComponentReader::ReadExtended() {
  readTag(TValueTag::ExtendedValue);
  const auto flags = static_cast<std::uint8_t>(readRaw(1));
  const auto exponent = static_cast<std::int32_t>(readRaw(4));
  const std::uint64_t significand = readRaw(8);
  Extended magnitude = std::ldexp(static_cast<Extended>(significand), exponent - 64);
  if ((flags & kNotANumber) != 0) {
    magnitude = std::numeric_limits<Extended>::quiet_NaN();
  } else if ((flags & kInfinite) != 0) {
    magnitude = std::numeric_limits<Extended>::infinity();
  }
  return (flags & kNegative) != 0 ? -magnitude : magnitude;
}

void TComponentReader::ReadListBegin() {
  readTag(TValueTag::ListBegin);
}

void TComponentReader::ReadListEnd() {
  readTag(TValueTag::ListEnd);
}

bool TComponentReader::EndOfList() const {
  return position_ < bytes_.size() &&
         static_cast<TValueTag>(bytes_[position_]) == TValueTag::ListEnd;
}

void TComponentReader::readTag(TValueTag expected) {
  if (position_ >= bytes_.size()) {
    throw EReadError("Read past end of stream");
  }
  if (static_cast<TValueTag>(bytes_[position_]) != expected) {
    throw EReadError("Invalid property value");
  }
  ++position_;
}

std::uint64_t TComponentReader::readRaw(int byteCount) {
  if (bytes_.size() - position_ < static_cast<std::size_t>(byteCount)) {
    throw EReadError("Read past end of stream");
  }
  std::uint64_t value = 0;
  for (int i = 0; i < byteCount; ++i) {
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[position_ + i]))
             << (8 * i);
  }
  position_ += byteCount;
  return value;
}
