// The "Project Title" window: one line of at most 80 characters. A title
// read from a longer line of a file is shown whole and kept unless edited;
// typing never makes it longer than 80 characters or than it already is.
#pragma once

#include "widgets/data_form.h"

class QLineEdit;

class TdlgTitle : public TDataForm {
  Q_OBJECT

 public:
  static constexpr int kTitleLength = 80;

  TdlgTitle(TProgramData& project, TDialogs& dialogs);
  void FormActivate() override;

  QLineEdit* TitleMemo = nullptr;

 protected:
  void StoreFields() override;
};
