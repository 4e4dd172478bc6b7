#include "app/support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>

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

QStringList ScriptedDialogs::Questions() const {
  return textsOf(Kind::kConfirm);
}

void ScriptedDialogs::Information(const QString& text) {
  calls_.push_back({Kind::kInformation, text, {}, {}});
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

bool ScriptedDialogs::Print(const QString& title,
                            const std::function<void(QPagedPaintDevice& printer)>& paint) {
  calls_.push_back({Kind::kPrint, title, {}, {}});
  if (prints_.empty()) {
    ADD_FAILURE() << "unexpected print dialog: " << title.toStdString();
    return false;
  }
  const bool accepted = prints_.front();
  prints_.pop_front();
  if (accepted) {
    QBuffer buffer(&printed_);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    paint(pdf);
  }
  return accepted;
}
