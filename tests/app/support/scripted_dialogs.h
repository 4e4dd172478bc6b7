// A TDialogs for tests: answers the Yes/No/Cancel questions, the file
// dialogs and the print dialog from queues the test fills, and records every
// call in order. A question with no answer queued fails the test and is
// answered Cancel (a file or print dialog: cancelled). A confirmed print
// paints into a PDF kept in memory.
#pragma once

#include <QByteArray>
#include <deque>
#include <vector>

#include "core/dialogs.h"

class ScriptedDialogs : public TDialogs {
 public:
  enum class Kind { kInformation, kConfirm, kOpenFile, kSaveFile, kPrint };

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
  // The user confirms (or cancels) the next print dialog.
  void QueuePrint(bool accepted) { prints_.push_back(accepted); }
  // The PDF of the last confirmed print; empty when nothing was printed.
  const QByteArray& Printed() const { return printed_; }

  const std::vector<Call>& Calls() const { return calls_; }
  // The texts of the information boxes, in order.
  QStringList Messages() const;
  // The texts of the Yes/No/Cancel questions, in order.
  QStringList Questions() const;
  // Answers and files queued but not asked for.
  std::size_t UnusedAnswers() const { return answers_.size() + files_.size() + prints_.size(); }

  void Information(const QString& text) override;
  Answer Confirm(const QString& text) override;
  FileChoice OpenFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;
  FileChoice SaveFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;
  bool Print(const QString& title,
             const std::function<void(QPagedPaintDevice& printer)>& paint) override;

 private:
  FileChoice nextFile(Kind kind, const QString& title, const QStringList& filters,
                      const QString& startPath);
  QStringList textsOf(Kind kind) const;

  std::deque<Answer> answers_;
  std::deque<FileChoice> files_;
  std::deque<bool> prints_;
  QByteArray printed_;
  std::vector<Call> calls_;
};
