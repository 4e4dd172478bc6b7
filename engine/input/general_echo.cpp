#include "input/general_echo.h"

#include "output/fortran_format.h"

namespace bormek {
namespace {

using fmt::Record;

// A labelled value, its rule and two empty lines, to the report and, when
// asked, to the console.
void writeBlock(RunOutput& out, const std::string& label, const std::string& valueText,
                bool leadingBlanks, bool toConsole) {
  const std::string line = Record().X(5).A(label).A(valueText).str();
  const std::string rule = ruleUnder(label);
  if (leadingBlanks) {
    out.reportBlank(2);
  }
  out.report(line);
  out.report(rule);
  out.reportBlank(2);
  if (toConsole) {
    out.console(line);
    out.console(rule);
  }
}

}  // namespace

std::string ruleUnder(const std::string& label) {
  return fmt::X(5) + std::string(label.size(), '-');
}

void echoGeneralData(const RunSettings& s, RunOutput& out) {
  const bool si = s.si;
  if (s.designControl == kDesignLoadGiven) {
    writeBlock(out, "TOTAL LOAD =", fmt::F(s.designValue, 10, 1) + (si ? " KN" : " TONS"), true,
               true);
  }
  if (s.designControl == kShaftLengthGiven) {
    writeBlock(out, "PROPOSED DEPTH =", fmt::F(s.designValue, 10, 1) + (si ? " M" : " FT"), true,
               true);
  }
  if (s.loadingType == kUplift) {
    writeBlock(out,
               "REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION =", fmt::F(s.upliftReduction, 6, 3),
               false, false);
  }
  writeBlock(out, "NUMBER OF LAYERS =", fmt::I(s.layersRead, 5), false, true);
  writeBlock(out, "WATER TABLE DEPTH =", fmt::F(s.waterTableDepth, 10, 1) + (si ? " M" : " FT."),
             false, true);
}

void warnIfProposedDepthBelowProfile(const InputData& data, RunOutput& out) {
  const float lastBottom = data.layers[static_cast<std::size_t>(data.entryCount - 1)].bottomDepth;
  if (!(data.settings.proposedDepth > lastBottom)) {
    return;
  }
  const char* lines[] = {"*********************WARNING**********************",
                         "PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER",
                         "THAN THE TIP OF DRILLED SHAFTS"};
  out.notesBlank(2);
  out.reportBlank(2);
  for (const char* text : lines) {
    out.notes(fmt::X(5) + text);
    out.report(fmt::X(5) + text);
  }
  out.notesBlank(2);
  out.reportBlank(2);
}

}  // namespace bormek
