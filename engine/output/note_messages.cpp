#include "output/note_messages.h"

namespace bormek {
namespace {

std::string_view trimmed(std::string_view text, std::string_view strip) {
  const std::size_t first = text.find_first_not_of(strip);
  if (first == std::string_view::npos) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(strip);
  return text.substr(first, last - first + 1);
}

}  // namespace

void NoteMessages::start(NoteKind kind) {
  messages_.push_back({kind, {}});
  open_ = true;
}

void NoteMessages::add(std::string_view line) {
  std::string_view text = trimmed(line, " ");
  if (text.empty()) {
    open_ = false;
    return;
  }
  if (text.front() == '*') {
    text = trimmed(text, "* ");
    if (text == "ERROR" || text == "WARNING") {
      start(text == "ERROR" ? NoteKind::kError : NoteKind::kWarning);
      return;
    }
    if (text.empty()) {
      open_ = false;
      return;
    }
  }
  if (!open_) {
    start(NoteKind::kNote);
  }
  messages_.back().lines.emplace_back(text);
}

void NoteMessages::addAlone(std::string_view line) {
  open_ = false;
  add(line);
  open_ = false;
}

}  // namespace bormek
