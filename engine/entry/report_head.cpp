#include "entry/report_head.h"

#include <string>

#include "entry/path_parts.h"
#include "output/fortran_format.h"

namespace bormek {
namespace {

using fmt::Record;

constexpr int kRuleLength = 73;
constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

std::string twoDigits(int value) {
  return std::string(value < 10 ? "0" : "") + std::to_string(value);
}

std::string fileName(const std::string& path) {
  const PathParts parts = splitPath(path);
  return parts.baseName + parts.extension;
}

std::string folderOf(const std::string& path) {
  const PathParts parts = splitPath(path);
  return parts.drive + parts.directory;
}

}  // namespace

void writeReportHead(const RunControl& control, const std::tm& now, RunOutput& out) {
  const std::string doubleRule = fmt::X(5) + std::string(kRuleLength, '=');
  const std::string singleRule = fmt::X(5) + std::string(kRuleLength, '-');
  const std::string lines[] = {
      doubleRule,
      "",
      Record().X(20).A("  Bormek for Windows, Version ").A(control.versionLabel).str(),
      "",
      Record().X(20).A("  Installation Number ").I(control.installationNumber, 10).str(),
      "",
      Record().X(20).A("VERTICALLY LOADED DRILLED SHAFT ANALYSIS").str(),
      Record().X(20).A("Copyright (C) 2012 Talvex").str(),
      Record().X(20).A("All rights reserved").str(),
      "",
      doubleRule,
      "",
      "",
      "     Path to file locations      : " + folderOf(control.inputPath),
      "     Name of input data file     : " + fileName(control.inputPath),
      "     Name of output file         : " + fileName(control.reportPath),
      "     Name of plot output file    : " + fileName(control.plotPath),
      "     Name of runtime file        : " + fileName(control.notesPath),
      "",
      "",
      singleRule,
      Record().X(26).A("Time and Date of Analysis").str(),
      singleRule,
      "",
      Record()
          .X(15)
          .A("Date:  ")
          .A(kMonthNames[now.tm_mon])
          .A(" ")
          .A(twoDigits(now.tm_mday))
          .A(", ")
          .I(now.tm_year + 1900, 4)
          .X(5)
          .A("Time:  ")
          .A(twoDigits(now.tm_hour) + ":" + twoDigits(now.tm_min) + ":" + twoDigits(now.tm_sec))
          .str(),
      "",
  };
  for (const std::string& line : lines) {
    out.report(line);
  }
}

}  // namespace bormek
