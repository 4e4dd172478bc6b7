// The edit box of every scalar number in the data windows. It accepts an
// expression (12*2.5, sqrt(2)), checks the value against an optional
// minimum and maximum and, for an integer field, against being whole,
// writes it back in canonical form and keeps a companion label showing the
// quantity's caption with its unit in the current unit system. It does not
// convert its value when the unit system changes: the project does that.
//
// The check runs when the focus moves to another control of the same
// window, when Enter is pressed and from Validate. Leaving the window (for
// another window or a menu) does not run it: the window's own commit calls
// Validate. A refusal is a message through the TDialogs given; a value
// beyond a limit is replaced by the limit first. The edit then takes the
// focus back when its window is the active one; otherwise the window's
// owner gives it when it brings the window back.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "core/numeric_entry.h"

class TDialogs;

class TDataEdit : public QLineEdit {
  Q_OBJECT

 public:
  TDataEdit(TDialogs& dialogs, QWidget* parent = nullptr);

  bool IntegerOnly() const { return integerOnly_; }
  // Setting true clamps the present limits into the 32-bit range.
  void SetIntegerOnly(bool integerOnly);
  bool Hex() const { return hex_; }
  void SetHex(bool hex);
  Extended MinVal() const { return minVal_; }
  // Lowered to MaxVal when above it (32-bit for an integer field); raises
  // the present Number to it.
  void SetMinVal(Extended minimum);
  Extended MaxVal() const { return maxVal_; }
  // Raised to MinVal when below it (32-bit for an integer field); lowers the
  // present Number to it.
  void SetMaxVal(Extended maximum);

  // The text evaluated; throws EAssignError or EMathError when it cannot be.
  Extended Number() const;
  // Shows `value` clamped into [MinVal, MaxVal] in canonical form.
  void SetNumber(Extended value);
  QString FormatValue(Extended value) const;

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // Unit code of the quantity ("L2", "F/L²"); empty for none.
  QString UnitsString() const { return unitsString_; }
  void SetUnitsString(const QString& unitsString);
  // Unit system of the label: 1 English, 2 SI, 3 the code unchanged.
  int Units() const { return units_; }
  void SetUnits(int units);
  // The companion label; its access key moves the focus here.
  QLabel* EditLabel() const { return editLabel_; }
  void SetEditLabel(QLabel* label);

  // Runs the check and answers whether the entry was accepted.
  bool Validate();
  bool Valid() const { return valid_; }

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool presentNumber(Extended& value) const;
  void exitCheck();
  void refreshLabel();
  bool focusStaysInWindow() const;
  bool ownerIsActive() const;

  TDialogs& dialogs_;
  bool integerOnly_ = false;
  bool hex_ = false;
  Extended minVal_ = kNoLowerLimit;
  Extended maxVal_ = kNoUpperLimit;
  QString caption_;
  QString unitsString_;
  int units_ = 1;
  QPointer<QLabel> editLabel_;
  bool valid_ = false;
  bool checking_ = false;
};
