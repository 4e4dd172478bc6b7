#include "output/run_messages.h"

#include "output/fortran_format.h"

namespace bormek {

void writeRunError(RunOutput& out, const std::vector<std::string>& lines) {
  std::vector<std::string> framed = {
      "", fmt::X(5) + "*********************ERROR**********************"};
  for (const std::string& line : lines) {
    framed.push_back(fmt::X(5) + line);
  }
  framed.push_back(fmt::X(5) + "THE ANALYSIS HAS BEEN STOPPED.");
  framed.push_back(fmt::X(5) + std::string(48, '*'));
  for (const std::string& line : framed) {
    out.notes(line);
    out.report(line);
    out.console(line);
  }
}

void writeRunWarning(RunOutput& out, const std::vector<std::string>& lines) {
  out.notes("");
  out.notes(fmt::X(5) + "*********************WARNING**********************");
  for (const std::string& line : lines) {
    out.notes(fmt::X(5) + line);
  }
}

}  // namespace bormek
