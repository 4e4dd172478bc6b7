// The run notes as a list of messages, for the results file: the lines
// written to the run-notes file, grouped at their blank lines. A frame line
// of asterisks around ERROR or WARNING starts a message of that kind and is
// not kept; a line of asterisks alone ends the message; asterisks around
// other text are trimmed off, as are leading and trailing blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bormek {

enum class NoteKind { kNote, kWarning, kError };

struct NoteMessage {
  NoteKind kind = NoteKind::kNote;
  std::vector<std::string> lines;
};

class NoteMessages {
 public:
  // A line as it goes to the run-notes file.
  void add(std::string_view line);
  // A line that is a message by itself, whatever surrounds it.
  void addAlone(std::string_view line);
  const std::vector<NoteMessage>& messages() const { return messages_; }

 private:
  void start(NoteKind kind);

  std::vector<NoteMessage> messages_;
  bool open_ = false;
};

}  // namespace bormek
