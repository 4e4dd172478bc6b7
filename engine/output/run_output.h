// The text streams of one run: report, plot data, run notes and the
// console copy. Each line is written with a single '\n' line end.
//
// A stream that could not be created swallows its lines; the entry checks
// the open states and stops the run before anything is computed.
// Console copies go to standard output only when the environment variable
// BORMEK_CONSOLE is "1"; otherwise they are dropped.
//
// The run notes are also kept as messages, and the results file is written
// whole at the end of the run, for the programs that read the results.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

#include "output/note_messages.h"

namespace bormek {

class RunOutput {
 public:
  RunOutput();

  // Creates (or replaces) the file of each stream; false when it failed. An
  // existing results file is removed and created anew.
  bool openReport(const std::string& path);
  bool openPlot(const std::string& path);
  bool openNotes(const std::string& path);
  bool openResults(const std::string& path);
  bool reportOpen() const { return report_.is_open(); }
  bool notesOpen() const { return notes_.is_open(); }
  bool consoleEnabled() const { return consoleEnabled_; }
  void closeAll();

  void report(std::string_view line);
  void plot(std::string_view line);
  void notes(std::string_view line);
  // A run-notes line that is a message of its own.
  void notesAlone(std::string_view line);
  void console(std::string_view line);
  // The whole text of the results file, written as it stands.
  void results(std::string_view text);

  const NoteMessages& noteMessages() const { return noteMessages_; }

  void reportBlank(int count = 1);
  void notesBlank(int count = 1);

 private:
  static bool create(std::ofstream& stream, const std::string& path);
  static void put(std::ofstream& stream, std::string_view line);

  std::ofstream report_;
  std::ofstream plot_;
  std::ofstream notes_;
  std::ofstream results_;
  NoteMessages noteMessages_;
  bool consoleEnabled_;
};

}  // namespace bormek
