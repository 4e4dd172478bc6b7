// The windows of the shaft length and of the design load. Each edits its
// one value
// and the type of loading (compression, or uplift with its reduction
// factor). Storing a length above 0 clears the design load, storing a load
// above 0 clears the shaft length: a project has one or the other.
#pragma once

#include "core/setting_commits.h"
#include "widgets/data_form.h"

class QRadioButton;

class TLoadingForm : public TDataForm {
  Q_OBJECT

 public:
  void FormActivate() override;

  QRadioButton* OptStatic = nullptr;
  QRadioButton* OptCyclic = nullptr;
  TDataEdit* deRCYCL = nullptr;

 protected:
  TLoadingForm(const QString& caption, const char* fieldName, const QString& fieldCaption,
               const QString& unitsString, TProgramData& project, TDialogs& dialogs);

  void StoreFields() override;
  // The value the window edits, in the project's unit system.
  virtual Extended storedValue() const = 0;
  virtual void commit(Extended value, const LoadingChoice& loading) = 0;

  TDataEdit* value_ = nullptr;

 private:
  void OptStaticClick();
  void OptCyclicClick();
};

class TfrmPenetration : public TLoadingForm {
  Q_OBJECT

 public:
  TfrmPenetration(TProgramData& project, TDialogs& dialogs);

 protected:
  Extended storedValue() const override;
  void commit(Extended value, const LoadingChoice& loading) override;
};

class TfrmDesignLoad : public TLoadingForm {
  Q_OBJECT

 public:
  TfrmDesignLoad(TProgramData& project, TDialogs& dialogs);

 protected:
  Extended storedValue() const override;
  void commit(Extended value, const LoadingChoice& loading) override;
};
