#include "widgets/water_depth_form.h"

#include <QGridLayout>

#include "core/program_data.h"
#include "widgets/data_edit.h"

TfrmWaterDepth::TfrmWaterDepth(TProgramData& project, TDialogs& dialogs)
    : TDataForm(QStringLiteral("Water Table"), project, dialogs) {
  auto* grid = new QGridLayout(this);
  DataEdit1 = AddField(grid, 0, "DataEdit1", QStringLiteral("&Depth of water table"),
                       QStringLiteral("L2"), kNoUpperLimit);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmWaterDepth::FormActivate() {
  ShowProjectUnits();
  DataEdit1->SetNumber(project_.WaterDepth());
}

void TfrmWaterDepth::StoreFields() {
  project_.WaterDepth() = DataEdit1->Number();
}
