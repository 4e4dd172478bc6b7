// The Find row under a text view: a field for the text, "Next" and
// "Previous" buttons and a note when the text is not there. The search
// wraps around the end of the document. Enter in the field finds the next
// occurrence; Ctrl+F (QKeySequence::Find) on the window puts the focus in
// the field and F3 finds the next one.
#pragma once

#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

// Finds `text` from the cursor of `view` (a QTextEdit or QPlainTextEdit),
// starting again at the other end when it is not found before the end;
// the cursor stays where it was when the text is nowhere.
template <class TextView>
bool FindWrapping(TextView& view, const QString& text, QTextDocument::FindFlags flags) {
  if (text.isEmpty()) {
    return false;
  }
  if (view.find(text, flags)) {
    return true;
  }
  const QTextCursor kept = view.textCursor();
  view.moveCursor(flags.testFlag(QTextDocument::FindBackward) ? QTextCursor::End
                                                              : QTextCursor::Start);
  if (view.find(text, flags)) {
    return true;
  }
  view.setTextCursor(kept);
  return false;
}

class TFindBar : public QWidget {
  Q_OBJECT

 public:
  using Finder = std::function<bool(const QString& text, QTextDocument::FindFlags flags)>;

  // `window` gets the Ctrl+F and F3 shortcuts; `find` searches the view.
  TFindBar(QWidget* window, Finder find);

  QLineEdit* Field() const { return field_; }
  // Finds the field's text forwards (or backwards); false, with the note
  // shown, when it is not there.
  bool FindNext(bool backward = false);

 private:
  Finder find_;
  QLineEdit* field_ = nullptr;
  QLabel* note_ = nullptr;
};
