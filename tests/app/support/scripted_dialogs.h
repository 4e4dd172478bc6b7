// A TDialogs for tests: answers the Yes/No/Cancel questions and the file
// dialogs from queues the test fills, the print dialogs through a hook the
// test sets, and records every call in order. A question with no answer
// queued fails the test and is answered Cancel (a file dialog: cancelled;
// a print dialog without its hook: cancelled).
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "core/dialogs.h"

class ScriptedDialogs : public TDialogs {
 public:
  enum class Kind { kInformation, kError, kConfirm, kOpenFile, kSaveFile, kPrint, kPageSetup };

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
  // The texts of the error boxes, in order.
  QStringList Errors() const;
  // The texts of the Yes/No/Cancel questions, in order.
  QStringList Questions() const;
  // Answers and files queued but not asked for.
  std::size_t UnusedAnswers() const { return answers_.size() + files_.size(); }

  // Answer the print and page-setup dialogs: the hook may set up the
  // printer (a PDF file, a page layout) and returns the user's OK.
  std::function<bool(QPrinter&)> OnPrint;
  std::function<bool(QPrinter&)> OnPageSetup;

  void Information(const QString& text) override;
  void Error(const QString& text) override;
  Answer Confirm(const QString& text) override;
  FileChoice OpenFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;
  FileChoice SaveFile(const QString& title, const QStringList& filters,
                      const QString& startPath) override;
  bool Print(QPrinter& printer) override;
  bool PageSetup(QPrinter& printer) override;

 private:
  bool printDialog(Kind kind, const std::function<bool(QPrinter&)>& hook, QPrinter& printer);
  FileChoice nextFile(Kind kind, const QString& title, const QStringList& filters,
                      const QString& startPath);
  QStringList textsOf(Kind kind) const;

  std::deque<Answer> answers_;
  std::deque<FileChoice> files_;
  std::vector<Call> calls_;
};
