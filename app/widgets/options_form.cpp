#include "widgets/options_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/app_settings.h"
#include "core/dialogs.h"
#include "core/numeric_entry.h"
#include "core/program_data.h"
#include "core/setting_commits.h"
#include "widgets/data_edit.h"

namespace {

const QStringList kProgramFilters = {QStringLiteral("Programs (*.exe *.com)"),
                                     QStringLiteral("All Files (*)")};

// The editor box is wide enough for a path of about fifty characters.
constexpr int kEditorWidthCharacters = 50;

}  // namespace

TDlgOptions::TDlgOptions(TProgramData& project, TAppSettings& settings, TDialogs& dialogs)
    : TDataForm(QStringLiteral("Control Options"), project, dialogs), settings_(settings) {
  auto* editorLabel = new QLabel(QStringLiteral("&Text Editor:"), this);
  EdtWord = new QLineEdit(this);
  EdtWord->setObjectName(QStringLiteral("EdtWord"));
  EdtWord->setMinimumWidth(EdtWord->fontMetrics().averageCharWidth() * kEditorWidthCharacters);
  editorLabel->setBuddy(EdtWord);
  BtnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
  BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
  connect(BtnBrowse, &QPushButton::clicked, this, &TDlgOptions::BtnBrowseClick);

  auto* grid = new QGridLayout;
  grid->addWidget(editorLabel, 0, 0, 1, 2);
  grid->addWidget(EdtWord, 1, 0, 1, 2);
  grid->addWidget(BtnBrowse, 1, 2);
  DataEdit1 = AddField(grid, 2, "DataEdit1", QStringLiteral("Output Increment"),
                       QStringLiteral("L2"), kNoUpperLimit);

  GroupBox1 = new QGroupBox(QStringLiteral("End Bearing in Sands"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  RadioButton1 = new QRadioButton(QStringLiteral("Use linear interpolation from zero at ground to "
                                                 "\nmaximum values at 10 pile diameters."),
                                  GroupBox1);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton2 = new QRadioButton(QStringLiteral("Use maximum values at any depth"), GroupBox1);
  RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
  auto* groupLayout = new QVBoxLayout(GroupBox1);
  groupLayout->addWidget(RadioButton1);
  groupLayout->addWidget(RadioButton2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(GroupBox1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(EdtWord, BtnBrowse);
  setTabOrder(BtnBrowse, DataEdit1);
  setTabOrder(DataEdit1, RadioButton1);
  setTabOrder(RadioButton1, RadioButton2);
}

void TDlgOptions::FormActivate() {
  EdtWord->setText(settings_.WordProcessor);
  ShowProjectUnits();
  DataEdit1->SetNumber(project_.OutputIncrement);
  RadioButton1->setChecked(project_.SandTipOption == kSandTipLinearToTenDiameters);
  RadioButton2->setChecked(project_.SandTipOption != kSandTipLinearToTenDiameters);
}

// The editor is a setting of the program: stored at once, without marking
// the project modified. The output increment keeps its number when the
// unit system changes later.
void TDlgOptions::StoreFields() {
  if (settings_.WordProcessor != EdtWord->text()) {
    settings_.WordProcessor = EdtWord->text();
    settings_.UpdateRegistry();
  }
  project_.OutputIncrement = DataEdit1->Number();
  CommitSandTipOption(project_, RadioButton1->isChecked() ? kSandTipLinearToTenDiameters
                                                          : kSandTipMaximumAtAnyDepth);
}

void TDlgOptions::BtnBrowseClick() {
  const TDialogs::FileChoice choice =
      dialogs_.OpenFile(QStringLiteral("Open"), kProgramFilters, EdtWord->text());
  if (choice.accepted) {
    EdtWord->setText(choice.path);
  }
}
