// Runs a command through the shell, as a user types it, and gives back what
// it printed and how it ended.
#pragma once

#include <string>

namespace bormek::testing {

struct CommandOutcome {
  int exitCode = -1;   // -1 when the command did not exit normally
  std::string output;  // standard output and standard error together
};

CommandOutcome runCommand(const std::string& command);

}  // namespace bormek::testing
