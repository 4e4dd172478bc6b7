#include "widgets/data_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/dialogs.h"
#include "core/display_lines.h"
#include "core/expression_evaluator.h"

namespace {

// Typed over a fully selected value, these extend it instead of replacing
// it: *2 after tabbing into 12 gives 12*2.
const QString kExtendingOperators = QStringLiteral("+-/*^=%!");

// The window a control belongs to: its MDI child window, or its top-level
// window.
const QWidget* ownerWindow(const QWidget* control) {
  const QWidget* owner = control;
  while (owner->parentWidget() != nullptr && !owner->isWindow() &&
         qobject_cast<const QMdiSubWindow*>(owner) == nullptr) {
    owner = owner->parentWidget();
  }
  return owner;
}

}  // namespace

TDataEdit::TDataEdit(TDialogs& dialogs, QWidget* parent) : QLineEdit(parent), dialogs_(dialogs) {
  setText(QStringLiteral("0"));
}

void TDataEdit::SetIntegerOnly(bool integerOnly) {
  integerOnly_ = integerOnly;
  if (integerOnly_) {
    SetMaxVal(maxVal_);
    SetMinVal(minVal_);
  }
}

void TDataEdit::SetHex(bool hex) {
  hex_ = hex;
}

void TDataEdit::SetMinVal(Extended minimum) {
  if (minimum > maxVal_) {
    minimum = maxVal_;
  }
  if (integerOnly_) {
    minimum = IntegerEntryLimit(minimum);
  }
  Extended present = 0;
  if (presentNumber(present) && minimum > present) {
    setText(FormatValue(minimum));
  }
  minVal_ = minimum;
}

void TDataEdit::SetMaxVal(Extended maximum) {
  if (maximum < minVal_) {
    maximum = minVal_;
  }
  if (integerOnly_) {
    maximum = IntegerEntryLimit(maximum);
  }
  Extended present = 0;
  if (presentNumber(present) && present > maximum) {
    setText(FormatValue(maximum));
  }
  maxVal_ = maximum;
}

Extended TDataEdit::Number() const {
  return Evaluate(text().toStdString());
}

// A text that is no number yet is left for the exit check.
bool TDataEdit::presentNumber(Extended& value) const {
  try {
    value = Number();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void TDataEdit::SetNumber(Extended value) {
  if (value < minVal_) {
    value = minVal_;
  } else if (value > maxVal_) {
    value = maxVal_;
  }
  setText(FormatValue(value));
}

QString TDataEdit::FormatValue(Extended value) const {
  return QString::fromStdString(FormatEntryValue(value, hex_));
}

void TDataEdit::SetCaption(const QString& caption) {
  caption_ = caption;
  refreshLabel();
}

void TDataEdit::SetUnitsString(const QString& unitsString) {
  unitsString_ = unitsString;
  refreshLabel();
}

void TDataEdit::SetUnits(int units) {
  units_ = LabelUnitSystem(units);
  refreshLabel();
}

void TDataEdit::SetEditLabel(QLabel* label) {
  editLabel_ = label;
  if (editLabel_ != nullptr) {
    editLabel_->setBuddy(this);
  }
  refreshLabel();
}

void TDataEdit::refreshLabel() {
  if (editLabel_ == nullptr) {
    return;
  }
  editLabel_->setEnabled(isEnabled());
  editLabel_->setText(QString::fromStdString(
      EntryLabelText(caption_.toStdString(), unitsString_.toStdString(), units_)));
}

bool TDataEdit::Validate() {
  exitCheck();
  return valid_;
}

// Accepted: the canonical text. Refused: the message, with the limit shown
// in place of a value beyond it, then the focus comes back here.
void TDataEdit::exitCheck() {
  if (checking_) {
    return;  // the message box took the focus from us while refusing
  }
  checking_ = true;
  valid_ = false;
  const EntryCheck check = CheckEntry(text().toStdString(), integerOnly_, minVal_, maxVal_, hex_);
  if (!check.text.empty()) {
    setText(QString::fromStdString(check.text));
  }
  if (check.fault == EntryFault::kNone) {
    valid_ = true;
  } else {
    dialogs_.Information(DisplayLines(check.message));
    if (isVisible() && ownerIsActive()) {
      setFocus(Qt::OtherFocusReason);
    }
  }
  checking_ = false;
}

// Taking the focus in a window that is not the active one would activate
// it in the middle of another activation; that window's owner brings it
// back and gives the focus instead.
bool TDataEdit::ownerIsActive() const {
  const QWidget* owner = ownerWindow(this);
  if (const auto* child = qobject_cast<const QMdiSubWindow*>(owner)) {
    return child->mdiArea() == nullptr || child->mdiArea()->activeSubWindow() == child;
  }
  return owner->isActiveWindow();
}

// The check runs only while the focus moves within this window: leaving the
// window for another one or for a menu is the window's commit to check.
bool TDataEdit::focusStaysInWindow() const {
  const QWidget* next = QApplication::focusWidget();
  if (next == nullptr || next == this) {
    return false;
  }
  return ownerWindow(this)->isAncestorOf(next);
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (focusStaysInWindow()) {
    exitCheck();
  }
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    exitCheck();
    selectAll();
    event->accept();
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && kExtendingOperators.contains(typed) && hasSelectedText() &&
      selectedText() == text()) {
    end(false);
  }
  QLineEdit::keyPressEvent(event);
}

void TDataEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    refreshLabel();
  }
}
