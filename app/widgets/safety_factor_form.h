// The "Factor of Safety (F.S.)" window: the factors of safety of allowable
// stress design, on the ultimate side friction and on the base capacity.
#pragma once

#include "widgets/data_form.h"

class TfrmSafetyFactor : public TDataForm {
  Q_OBJECT

 public:
  TfrmSafetyFactor(TProgramData& project, TDialogs& dialogs);
  void FormActivate() override;

 protected:
  void StoreFields() override;

 private:
  TDataEdit* DataEdit1 = nullptr;
  TDataEdit* DataEdit2 = nullptr;
};
