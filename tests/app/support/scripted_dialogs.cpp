#include "app/support/scripted_dialogs.h"

#include <gtest/gtest.h>

void ScriptedDialogs::QueueFile(const QString& path, int filterIndex) {
  files_.push_back({true, path, filterIndex});
}

void ScriptedDialogs::QueueCancelledFile() {
  files_.push_back({});
}

QStringList ScriptedDialogs::textsOf(Kind kind) const {
  QStringList texts;
  for (const Call& call : calls_) {
    if (call.kind == kind) {
      texts.push_back(call.text);
    }
  }
  return texts;
}

QStringList ScriptedDialogs::Messages() const {
  return textsOf(Kind::kInformation);
}

QStringList ScriptedDialogs::Errors() const {
  return textsOf(Kind::kError);
}

QStringList ScriptedDialogs::Questions() const {
  return textsOf(Kind::kConfirm);
}

void ScriptedDialogs::Information(const QString& text) {
  calls_.push_back({Kind::kInformation, text, {}, {}});
}

void ScriptedDialogs::Error(const QString& text) {
  calls_.push_back({Kind::kError, text, {}, {}});
}

TDialogs::Answer ScriptedDialogs::Confirm(const QString& text) {
  calls_.push_back({Kind::kConfirm, text, {}, {}});
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return Answer::kCancel;
  }
  const Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

TDialogs::FileChoice ScriptedDialogs::OpenFile(const QString& title, const QStringList& filters,
                                               const QString& startPath) {
  return nextFile(Kind::kOpenFile, title, filters, startPath);
}

TDialogs::FileChoice ScriptedDialogs::SaveFile(const QString& title, const QStringList& filters,
                                               const QString& startPath) {
  return nextFile(Kind::kSaveFile, title, filters, startPath);
}

TDialogs::FileChoice ScriptedDialogs::nextFile(Kind kind, const QString& title,
                                               const QStringList& filters,
                                               const QString& startPath) {
  calls_.push_back({kind, title, filters, startPath});
  if (files_.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
    return {};
  }
  const FileChoice choice = files_.front();
  files_.pop_front();
  return choice;
}

bool ScriptedDialogs::Print(QPrinter& printer) {
  return printDialog(Kind::kPrint, OnPrint, printer);
}

bool ScriptedDialogs::PageSetup(QPrinter& printer) {
  return printDialog(Kind::kPageSetup, OnPageSetup, printer);
}

bool ScriptedDialogs::printDialog(Kind kind, const std::function<bool(QPrinter&)>& hook,
                                  QPrinter& printer) {
  calls_.push_back({kind, {}, {}, {}});
  if (!hook) {
    ADD_FAILURE() << "unexpected print dialog";
    return false;
  }
  return hook(printer);
}
