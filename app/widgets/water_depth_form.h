// The "Water Table" window: the depth of the water table below the ground.
#pragma once

#include "widgets/data_form.h"

class TfrmWaterDepth : public TDataForm {
  Q_OBJECT

 public:
  TfrmWaterDepth(TProgramData& project, TDialogs& dialogs);
  void FormActivate() override;

 protected:
  void StoreFields() override;

 private:
  TDataEdit* DataEdit1 = nullptr;
};
