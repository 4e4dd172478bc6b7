// The "Control Options" window: the external text editor (a setting of the
// program, kept between runs), the depth step of the engine's output
// tables and the rule for end bearing in sands (both of the project). The
// editor is stored as typed, with no check; a path that cannot be started
// is reported when an editor command is used.
#pragma once

#include "widgets/data_form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TAppSettings;

class TDlgOptions : public TDataForm {
  Q_OBJECT

 public:
  TDlgOptions(TProgramData& project, TAppSettings& settings, TDialogs& dialogs);
  void FormActivate() override;

  QLineEdit* EdtWord = nullptr;
  QPushButton* BtnBrowse = nullptr;
  TDataEdit* DataEdit1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;

 protected:
  void StoreFields() override;

 private:
  void BtnBrowseClick();

  TAppSettings& settings_;
};
