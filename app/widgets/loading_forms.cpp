#include "widgets/loading_forms.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/numeric_entry.h"
#include "core/program_data.h"
#include "widgets/data_edit.h"

namespace {

constexpr Extended kLargestUpliftReduction = 1.0L;

}  // namespace

TLoadingForm::TLoadingForm(const QString& caption, const char* fieldName,
                           const QString& fieldCaption, const QString& unitsString,
                           TProgramData& project, TDialogs& dialogs)
    : TDataForm(caption, project, dialogs) {
  auto* valueGrid = new QGridLayout;
  value_ = AddField(valueGrid, 0, fieldName, fieldCaption, unitsString, kNoUpperLimit);

  auto* group = new QGroupBox(QStringLiteral("Type of Loading"), this);
  group->setObjectName(QStringLiteral("LoadingTypeGroup"));
  OptStatic = new QRadioButton(QStringLiteral("C&ompression"), group);
  OptStatic->setObjectName(QStringLiteral("OptStatic"));
  OptCyclic = new QRadioButton(QStringLiteral("&Uplift "), group);
  OptCyclic->setObjectName(QStringLiteral("OptCyclic"));
  auto* reductionGrid = new QGridLayout;
  // The reduction is kept apart from the typed values: its change is a
  // choice stored on commit.
  deRCYCL =
      AddField(reductionGrid, 0, "deRCYCL", QStringLiteral("&Reduction factor for uplift loading"),
               QString(), kLargestUpliftReduction, QString(), false);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(OptStatic);
  groupLayout->addWidget(OptCyclic);
  groupLayout->addLayout(reductionGrid);
  connect(OptStatic, &QRadioButton::clicked, this, &TLoadingForm::OptStaticClick);
  connect(OptCyclic, &QRadioButton::clicked, this, &TLoadingForm::OptCyclicClick);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(valueGrid);
  layout->addWidget(group);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(value_, OptStatic);
  setTabOrder(OptStatic, OptCyclic);
  setTabOrder(OptCyclic, deRCYCL);
}

// The reduction under compression is 1.0: shown, it is the natural start
// for a change to uplift.
void TLoadingForm::FormActivate() {
  ShowProjectUnits();
  value_->SetNumber(storedValue());
  deRCYCL->SetNumber(project_.UpliftReduction);
  if (project_.LoadingType == kCompressionLoading) {
    OptStatic->setChecked(true);
    OptStaticClick();
  } else {
    OptCyclic->setChecked(true);
    OptCyclicClick();
  }
}

void TLoadingForm::StoreFields() {
  LoadingChoice loading;
  loading.uplift = OptCyclic->isChecked();
  if (loading.uplift) {
    loading.reduction = deRCYCL->Number();
  }
  commit(value_->Number(), loading);
}

void TLoadingForm::OptStaticClick() {
  deRCYCL->setEnabled(false);
}

void TLoadingForm::OptCyclicClick() {
  deRCYCL->setEnabled(true);
}

TfrmPenetration::TfrmPenetration(TProgramData& project, TDialogs& dialogs)
    : TLoadingForm(QStringLiteral("Drilled Shaft Length"), "DataEdit1",
                   QStringLiteral("Enter the proposed &length"), QStringLiteral("L2"), project,
                   dialogs) {}

Extended TfrmPenetration::storedValue() const {
  return project_.ShaftLength();
}

void TfrmPenetration::commit(Extended value, const LoadingChoice& loading) {
  CommitShaftLength(project_, value, loading);
}

TfrmDesignLoad::TfrmDesignLoad(TProgramData& project, TDialogs& dialogs)
    : TLoadingForm(QStringLiteral("Specification of Design Load"), "DataEditL",
                   QStringLiteral("Enter the &design load"), QStringLiteral("F2"), project,
                   dialogs) {}

Extended TfrmDesignLoad::storedValue() const {
  return project_.DesignLoad();
}

void TfrmDesignLoad::commit(Extended value, const LoadingChoice& loading) {
  CommitDesignLoad(project_, value, loading);
}
