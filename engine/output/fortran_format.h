// Fortran edit descriptors for fixed-column text output.
//
// Every line the engine writes (report, run notes, plot data, curve listing)
// is laid out with these descriptors, so the printed digits match a Fortran
// formatted write of the same single-precision values:
//   nX    n blanks
//   Iw    integer right-aligned in w columns
//   Fw.d  fixed point, d decimals, right-aligned in w columns
//   Ew.d  0.ddd form with a signed two-digit exponent (2.5 -> 0.250E+01)
//   A     text as it stands, or held in a w-character field (cut, or
//         padded with trailing blanks, as a CHARACTER*w variable prints)
//   /     end of line
// A value that does not fit its field prints as w asterisks. Rounding is to
// nearest on the exact binary value, ties to even, as gfortran does.
// The output never depends on the process locale: "." is the decimal point.
#pragma once

#include <string>
#include <string_view>

namespace bormek::fmt {

std::string X(int n);
std::string I(long long value, int w);
std::string F(float value, int w, int d);
std::string E(float value, int w, int d);
// Text cut to, or padded with trailing blanks to, exactly w columns.
std::string A(std::string_view text, int w);

// One record built field by field: Record().X(5).A("LOAD =").F(p, 10, 1).
// Slash() ends a line inside the record; str() gives the text without the
// final line end.
class Record {
 public:
  Record() { text_.reserve(kTypicalLength); }
  Record& X(int n);
  Record& I(long long value, int w);
  Record& F(float value, int w, int d);
  Record& E(float value, int w, int d);
  Record& A(std::string_view text);
  Record& A(std::string_view text, int w);
  Record& Slash();
  const std::string& str() const { return text_; }

 private:
  // Room for the longest line of the report, so that a record is built in
  // one allocation.
  static constexpr std::size_t kTypicalLength = 136;

  std::string text_;
};

}  // namespace bormek::fmt
