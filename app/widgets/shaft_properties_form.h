// The "Drilled-Shaft Properties" window: the range of stem diameters, the
// bell (ratio and angle), the zones without side friction at the top and at
// the bottom, and the shaft's modulus: entries 0 to 6 of the project's
// Settings, in that order. A picture shows the dimensions on a belled and a
// straight shaft, and a text box explains them.
#pragma once

#include <array>

#include "widgets/data_form.h"

class QPlainTextEdit;

class TfrmShaftpeneta : public TDataForm {
  Q_OBJECT

 public:
  static constexpr int kFieldCount = 7;

  TfrmShaftpeneta(TProgramData& project, TDialogs& dialogs);
  void FormActivate() override;

  // DataEdit1 to DataEdit7.
  TDataEdit* Field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }

 protected:
  void StoreFields() override;

 private:
  std::array<TDataEdit*, kFieldCount> fields_{};
  QPlainTextEdit* Memo1 = nullptr;
};
