#include "widgets/safety_factor_form.h"

#include <QGridLayout>

#include "core/numeric_entry.h"
#include "core/program_data.h"
#include "widgets/data_edit.h"

TfrmSafetyFactor::TfrmSafetyFactor(TProgramData& project, TDialogs& dialogs)
    : TDataForm(QStringLiteral("Factor of Safety (F.S.)"), project, dialogs) {
  auto* grid = new QGridLayout(this);
  DataEdit1 = AddField(grid, 0, "DataEdit1",
                       QStringLiteral("The F.S. applied to the ultimate &side friction"), QString(),
                       kNoUpperLimit);
  DataEdit2 = AddField(grid, 1, "DataEdit2",
                       QStringLiteral("The F.S. applied to the ultimate &base capacity"), QString(),
                       kNoUpperLimit);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmSafetyFactor::FormActivate() {
  ShowProjectUnits();
  DataEdit1->SetNumber(project_.SafetySide());
  DataEdit2->SetNumber(project_.SafetyBase());
}

void TfrmSafetyFactor::StoreFields() {
  project_.SafetySide() = DataEdit1->Number();
  project_.SafetyBase() = DataEdit2->Number();
}
