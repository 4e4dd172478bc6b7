// The errors of the grid tables: EGridError for a refused entry, a bad
// index or an unreadable column stream; EInvalidCast for a cell read or
// written as a type its column does not hold.
#pragma once

#include <stdexcept>

class EGridError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EInvalidCast : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kWrongDataType = "Data of wrong type";
inline constexpr const char* kIndexOutOfBounds = "Index out of bounds";
