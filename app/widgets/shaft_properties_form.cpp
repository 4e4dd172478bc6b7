#include "widgets/shaft_properties_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "core/numeric_entry.h"
#include "core/program_data.h"
#include "widgets/data_edit.h"
#include "widgets/shaft_picture.h"

namespace {

// One field: its caption, unit code, upper limit, hint and the note shown
// beside it.
struct ShaftField {
  const char* name;
  const char* caption;
  const char* unitsString;
  Extended maxVal;
  const char* hint;
  const char* note;
};

constexpr const char* kSameAsMinimumNote = "(Enter 0 if same as minimum)";
constexpr const char* kStraightShaftNote = "(Enter 0 for straight shaft)";

constexpr Extended kLargestDiameter = 30.0L;
constexpr Extended kLargestBellRatio = 10.0L;
constexpr Extended kLargestBellAngleDeg = 90.0L;
constexpr Extended kLargestBottomExclusion = 100.0L;
constexpr Extended kLargestShaftModulus = 300000000.0L;

// Entries 0 to 6 of Settings, in order.
const ShaftField kShaftFields[TfrmShaftpeneta::kFieldCount] = {
    {"DataEdit1", "Minimum Shaft Diameter, B, to be Considered", "L2", kLargestDiameter,
     "Practical minimum value is 2 ft or 0.6 m", nullptr},
    {"DataEdit2", "Maximum Shaft Diameter, B, to be Considered", "L2", kLargestDiameter,
     "Practical maximum is 12 ft or 3.6 m", kSameAsMinimumNote},
    {"DataEdit3", "&Ratio of Base Diameter to Shaft Diameter,  Bb/B", "", kLargestBellRatio,
     "Usual value for belled shafts is 3", kStraightShaftNote},
    {"DataEdit4", "&Angle of Bell with Respect to Vertical,  Ang ", "deg", kLargestBellAngleDeg,
     "Usual value for belled shafts is 45 degrees", kStraightShaftNote},
    {"DataEdit5", "Length of &Upper Exclusion Zone without Skin Friction, Lue", "L2", kNoUpperLimit,
     "", nullptr},
    {"DataEdit6", "Lenght of Bottom Portion of Shaft without Skin Friction, Lle", "L2",
     kLargestBottomExclusion, "From top of bell for belled shafts or from base for straight shafts",
     nullptr},
    {"DataEdit7", "&Modulus of Elasticity of Drilled Shaft ", "F/L\u00B2", kLargestShaftModulus, "",
     nullptr},
};

// The explanation below the fields, line by line (trailing blanks kept).
constexpr const char* kExplanationLines[] = {
    "Shaft diameter, B, is automatically incremented in 6-inch or 0.15 m increments between the "
    "specified minimum ",
    "and maximum diameters.",
    "",
    "For shafts in cohesive soils, the upper exclusion zone, Lue, is used to eliminate side "
    "resistance lost due to ",
    "desiccation cracking and the lower exclusion zone, Lle, is used to account for side "
    "resistance lost due to horizontal ",
    "stress loss under loading.  ",
    "",
    "For shafts in cohesive soils, a lower exclusion zone for side resistance is usually not "
    "reccomended for uplift loading. ",
    "",
    "No exclusion zones are recommended for shafts in cohesionless soils.",
    "",
    "Bells should not be specified for shafts in cohesionless soils or rock.",
};

// The text box is as tall as the explanation wrapped to the window.
constexpr int kExplanationHeightLines = 13;

QString explanationText() {
  QStringList lines;
  for (const char* line : kExplanationLines) {
    lines.append(QString::fromUtf8(line));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

TfrmShaftpeneta::TfrmShaftpeneta(TProgramData& project, TDialogs& dialogs)
    : TDataForm(QStringLiteral("Drilled-Shaft Properties"), project, dialogs) {
  auto* grid = new QGridLayout;
  for (int index = 0; index < kFieldCount; ++index) {
    const ShaftField& field = kShaftFields[index];
    fields_.at(static_cast<std::size_t>(index)) =
        AddField(grid, index, field.name, QString::fromUtf8(field.caption),
                 QString::fromUtf8(field.unitsString), field.maxVal, QString::fromUtf8(field.hint));
    if (field.note != nullptr) {
      grid->addWidget(new QLabel(QString::fromUtf8(field.note), this), index, 2);
    }
  }

  auto* picture = new TShaftPicture(this);
  picture->setObjectName(QStringLiteral("ShaftPicture"));

  // Explanatory only: it is read-only and the Tab key passes it by.
  Memo1 = new QPlainTextEdit(explanationText(), this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setBackgroundRole(QPalette::Window);
  Memo1->viewport()->setAutoFillBackground(false);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * kExplanationHeightLines);

  auto* layout = new QGridLayout(this);
  layout->addLayout(grid, 0, 0, Qt::AlignTop);
  layout->addWidget(picture, 0, 1, Qt::AlignTop);
  layout->addWidget(Memo1, 1, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmShaftpeneta::FormActivate() {
  ShowProjectUnits();
  for (int index = 0; index < kFieldCount; ++index) {
    Field(index)->SetNumber(project_.Settings.at(static_cast<std::size_t>(index)));
  }
}

void TfrmShaftpeneta::StoreFields() {
  for (int index = 0; index < kFieldCount; ++index) {
    project_.Settings.at(static_cast<std::size_t>(index)) = Field(index)->Number();
  }
}
