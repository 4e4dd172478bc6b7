#include "support/command_outcome.h"

#include <sys/wait.h>

#include <cstdio>

namespace bormek::testing {

CommandOutcome runCommand(const std::string& command) {
  CommandOutcome outcome;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) {
    return outcome;
  }
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    outcome.output += buffer;
  }
  const int status = ::pclose(pipe);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

}  // namespace bormek::testing
