#include "core/project_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <vector>

#include "core/grid_enum_column.h"
#include "core/grid_int_column.h"
#include "core/program_data.h"
#include "core/soil_layer_columns.h"
#include "core/word_reader.h"

namespace {

constexpr int kFileDigits = 8;
constexpr int kSandKOption = 1;
constexpr int kSandBetaOption = 2;

// One value of a layer line: a 0.0 placeholder, a cell of the layer's
// sub-table, or a cell of the layer's row of D.
struct Token {
  enum Source { kPlaceholder, kSubTable, kLayerRow } source;
  int column;
};

constexpr Token P{Token::kPlaceholder, 0};
constexpr Token S(int column) {
  return {Token::kSubTable, column};
}
constexpr Token L(int column) {
  return {Token::kLayerRow, column};
}

// clang-format off
constexpr Token kSandLine[] = {
    P, S(0), S(1), P, S(2),
    L(kMaxSideColumn), L(kMaxBaseColumn), L(kLrfdSideColumn), L(kLrfdTipColumn)};
constexpr Token kClayLine[] = {
    S(4), S(0), P, S(1), S(2),
    L(kMaxSideColumn), L(kMaxBaseColumn), L(kLrfdSideColumn), L(kLrfdTipColumn)};
// Strong and weak rock lines share their positions: five sub-table values,
// maxS, the modulus and RQD, then maxB and the factors.
constexpr Token kRockLine[] = {
    S(0), S(1), S(2), S(3), S(4), L(kMaxSideColumn), S(5), S(6),
    L(kMaxBaseColumn), L(kLrfdSideColumn), L(kLrfdTipColumn)};
constexpr Token kDecomposedLine[] = {
    S(0), S(1), S(2), S(3), S(4),
    L(kMaxSideColumn), L(kMaxBaseColumn), L(kLrfdSideColumn), L(kLrfdTipColumn)};
constexpr Token kGravelLine[] = {
    S(0), S(1), S(2),
    L(kMaxSideColumn), L(kMaxBaseColumn), L(kLrfdSideColumn), L(kLrfdTipColumn)};
// clang-format on

std::span<const Token> lineOf(int type) {
  switch (type) {
    case kSand:
      return kSandLine;
    case kClay:
    case kShale:
      return kClayLine;
    case kStrongRockEither:
    case kStrongRockBoth:
    case kWeakRock:
      return kRockLine;
    case kDecomposedRock:
      return kDecomposedLine;
    default:
      return kGravelLine;
  }
}

std::string number(Extended value) {
  return FormatGeneral(value, kFileDigits);
}

// ---- writing -----------------------------------------------------------

class LineWriter {
 public:
  void token(const std::string& text) { text_ += text + " "; }
  void token(int value) { token(std::to_string(value)); }
  void number(Extended value) { token(::number(value)); }
  void end() { text_ += "\r\n"; }
  void line(const std::string& text) {
    text_ += text;
    end();
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

void writeLayerLine(LineWriter& out, TGridTable& d, int layer, TGridTable& sub, int row) {
  for (const Token& token : lineOf(d.Cells(kTypeColumn, layer).AsInteger())) {
    switch (token.source) {
      case Token::kPlaceholder:
        out.token("0.0");
        break;
      case Token::kSubTable:
        out.token(sub.Cells(token.column, row).AsText());
        break;
      case Token::kLayerRow:
        out.token(d.Cells(token.column, layer).AsText());
        break;
    }
  }
  out.end();
}

void writeCoefficientLine(LineWriter& out, TGridTable& sub, int column) {
  out.token(sub.Cells(column, 0).AsText());
  out.token(sub.Cells(column, 1).AsText());
  out.end();
}

void writeLayer(LineWriter& out, TProgramData& project, int layer) {
  TGridTable& d = project.Tables().D();
  const int type = d.Cells(kTypeColumn, layer).AsInteger();
  out.token(d.Cells(kTypeColumn, layer).AsText());
  out.token(d.Cells(kDepthColumn, layer).AsText());
  out.end();
  TGridTable& sub = *d.Cells(kLayerDataColumn, layer).AsTable();
  writeLayerLine(out, d, layer, sub, 0);
  writeLayerLine(out, d, layer, sub, 1);
  if (type == kSand) {
    // K values are kept only when the bottom K is given; else the betas.
    const bool kMethod = sub.Cells(kSandKColumn, 1).AsFloat() > 0.0L;
    out.token(kMethod ? kSandKOption : kSandBetaOption);
    out.end();
    writeCoefficientLine(out, sub, kMethod ? kSandKColumn : kSandBetaColumn);
  } else if (type == kClay || type == kShale) {
    writeCoefficientLine(out, sub, kClayAlphaColumn);
  }
  if (type >= kStrongRockEither && type <= kStrongRockBoth) {
    project.SettlementCurves = 0;
  }
}

std::string projectText(TProgramData& p) {
  // The design control follows from the data; the value it does not select
  // is cleared.
  p.DesignControl = p.ShaftLength() > 0.0L ? kShaftLengthSpecified : kDesignLoadSpecified;
  if (p.DesignControl == kShaftLengthSpecified) {
    p.DesignLoad() = 0.0L;
  } else {
    p.ShaftLength() = 0.0L;
  }
  LineWriter out;
  out.line(p.Title);
  out.token(p.UnitSystem);
  out.end();
  out.token(p.DesignControl);
  out.token(p.LoadingType);
  out.number(p.UpliftReduction);
  out.number(p.OutputIncrement);
  out.token(p.SandTipOption);
  out.token(p.DesignMethod);
  out.end();
  for (int k = kMinDiameter; k <= kShaftModulus; ++k) {
    out.number(p.Settings[static_cast<std::size_t>(k)]);
  }
  out.end();
  TGridTable& d = p.Tables().D();
  out.token(d.RowCount());
  out.number(p.WaterDepth());
  out.number(p.DesignControl == kDesignLoadSpecified ? p.DesignLoad() : p.ShaftLength());
  out.number(p.SafetySide());
  out.number(p.SafetyBase());
  out.end();
  for (int layer = 0; layer < d.RowCount(); ++layer) {
    writeLayer(out, p, layer);
  }
  return out.text();
}

[[noreturn]] void failToWrite(const std::string& path) {
  throw EProjectFileError("Cannot create file \"" + path + "\". " + std::strerror(errno));
}

// ---- reading -----------------------------------------------------------

bool integerColumn(TGridTable& table, int column) {
  TColumn& c = table.Columns(column);
  return dynamic_cast<TIntColumn*>(&c) != nullptr || dynamic_cast<TEnumColumn*>(&c) != nullptr;
}

void readCell(TWordReader& in, TGridTable& table, int column, int row) {
  if (integerColumn(table, column)) {
    table.Cells(column, row).SetInteger(in.ReadInteger());
  } else {
    table.Cells(column, row).SetFloat(in.ReadReal());
  }
}

// One layer line; the LRFD factors only when the line has its full length,
// as earlier versions wrote lines without them.
void readLayerLine(TWordReader& in, TGridTable& d, int layer, TGridTable& sub, int row) {
  const std::span<const Token> line = lineOf(d.Cells(kTypeColumn, layer).AsInteger());
  const bool withLrfd = in.WordCount() >= static_cast<int>(line.size());
  for (const Token& token : line) {
    const bool lrfd = token.source == Token::kLayerRow &&
                      (token.column == kLrfdSideColumn || token.column == kLrfdTipColumn);
    if (lrfd && !withLrfd) {
      continue;
    }
    switch (token.source) {
      case Token::kPlaceholder:
        in.ReadReal();
        break;
      case Token::kSubTable:
        readCell(in, sub, token.column, row);
        break;
      case Token::kLayerRow:
        readCell(in, d, token.column, layer);
        break;
    }
  }
}

void readCoefficients(TWordReader& in, TGridTable& sub, int column) {
  sub.Cells(column, 0).SetFloat(in.ReadReal());
  sub.Cells(column, 1).SetFloat(in.ReadReal());
}

void readLayer(TWordReader& in, TGridTable& d, int layer) {
  const int type = in.ReadInteger();
  if (type < kSand || type > kGravel) {
    in.Reject("A soil type from 1 to 9 was expected but not found.");
  }
  d.Cells(kTypeColumn, layer).SetInteger(type);
  d.Cells(kDepthColumn, layer).SetFloat(in.ReadReal());
  TGridTable& sub = *d.Cells(kLayerDataColumn, layer).AsTable();
  if (sub.RowCount() < sub.MinRows()) {
    sub.SetRowCount(sub.MinRows());
  }
  readLayerLine(in, d, layer, sub, 0);
  readLayerLine(in, d, layer, sub, 1);
  if (type == kSand) {
    const int option = in.ReadInteger();
    readCoefficients(in, sub, option == kSandKOption ? kSandKColumn : kSandBetaColumn);
  } else if (type == kClay || type == kShale) {
    readCoefficients(in, sub, kClayAlphaColumn);
  }
}

void readControlLine(TWordReader& in, TProgramData& p, bool current) {
  const int words = in.WordCount();
  p.DesignControl = in.ReadInteger();
  p.LoadingType = in.ReadInteger();
  p.UpliftReduction = in.ReadReal();
  p.OutputIncrement = in.ReadReal();
  if (current) {
    p.SandTipOption = in.ReadInteger();
    p.DesignMethod = in.ReadInteger();
    return;
  }
  // Legacy layout: the sand option only when the line has a fifth word.
  constexpr int kLegacyWordsWithOption = 5;
  p.SandTipOption = words >= kLegacyWordsWithOption ? in.ReadInteger() : 1;
}

void readProject(TWordReader& in, TProgramData& p, bool current) {
  p.Title = in.ReadLine();
  p.SetUnits(in.ReadInteger());
  readControlLine(in, p, current);
  for (int k = kMinDiameter; k <= kShaftModulus; ++k) {
    p.Settings[static_cast<std::size_t>(k)] = in.ReadReal();
  }
  TGridTable& d = p.Tables().D();
  // Checked before any row is made: a count beyond the table would build
  // rows the table cannot hold, and a huge one takes the memory with it.
  const int layers = in.ReadInteger();
  if (layers < 0 || layers > d.MaxRows) {
    const std::string expected = "A number of layers from 0 to " + std::to_string(d.MaxRows) +
                                 " was expected but not found.";
    in.Reject(expected.c_str());
  }
  d.SetRowCount(layers);
  p.WaterDepth() = in.ReadReal();
  const Extended designValue = in.ReadReal();
  p.DesignLoad() = p.DesignControl == kDesignLoadSpecified ? designValue : 0.0L;
  p.ShaftLength() = p.DesignControl == kDesignLoadSpecified ? 0.0L : designValue;
  p.SafetySide() = in.ReadReal();
  p.SafetyBase() = in.ReadReal();
  for (int layer = 0; layer < d.RowCount(); ++layer) {
    readLayer(in, d, layer);
  }
}

}  // namespace

std::string ReadProjectFile(TProgramData& project, const std::string& path, bool current) {
  try {
    TWordReader in(path);
    readProject(in, project, current);
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}

void WriteProjectFile(TProgramData& project, const std::string& path) {
  const std::string text = projectText(project);
  const std::filesystem::path target(path);
  std::filesystem::path temporary = target;
  temporary += ".saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
      failToWrite(path);
    }
    out << text;
    out.close();
    if (out.fail()) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      failToWrite(path);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw EProjectFileError("Cannot create file \"" + path + "\". " + error.message());
  }
}
