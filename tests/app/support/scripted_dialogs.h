// A TDialogs for tests: answers the Yes/No/Cancel questions and the file
// dialogs from queues the test fills, and records every call in order. A
// question with no answer queued fails the test and is answered Cancel (a
// file dialog: cancelled).
#pragma once

#include <deque>
#include <vector>

#include "core/dialogs.h"

class ScriptedDialogs : public TDialogs {
 public:
  enum class Kind { kInformation, kConfirm, kOpenFile, kSaveFile };

  // One call: the message, question or dialog title, and for the file
  // dialogs their filters and start path.
  struct Call {
    Kind kind;
    QString text;
    QStringList filters;
    QString startPath;
  };

  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  // The user picks `path` with the filter at `filterIndex` (0-based).
  void QueueFile(const QString& path, int filterIndex = 0);
  // The user cancels the next file dialog.
  void QueueCancelledFile();

  const std::vector<Call>& Calls() const { return calls_; }
  // The texts of the information boxes, in order.
  QStringList Messages() const;
  // The texts of the Yes/No/Cancel questions, in order.
  QStringList Questions() const;
  // Answers and files queued but not asked for.
  std::size_t UnusedAnswers() const { return answers_.size() + files_.size(); }

  void Information(const QString& text) override;
  Answer Confirm(const QString& text) override;
  FileChoice OpenFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;
  FileChoice SaveFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;

 private:
  FileChoice nextFile(Kind kind, const QString& title, const QStringList& filters,
                      const QString& startPath);
  QStringList textsOf(Kind kind) const;

  std::deque<Answer> answers_;
  std::deque<FileChoice> files_;
  std::vector<Call> calls_;
};
