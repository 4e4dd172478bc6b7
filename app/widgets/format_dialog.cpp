#include "widgets/format_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/data_edit.h"

namespace {

constexpr Extended kSmallestSideInches = 2;
constexpr Extended kFewestPixelsPerInch = 10;

struct ColourChoice {
  const char* caption;
  const char* name;
  ColourDepth depth;
};

constexpr std::array<ColourChoice, 5> kColourChoices = {{
    {"Black and White", "BlackAndWhiteButton", ColourDepth::kBlackAndWhite},
    {"16 Colors", "Colors16Button", ColourDepth::k16Colours},
    {"256 Colors", "Colors256Button", ColourDepth::k256Colours},
    {"High Color (16 bit)", "HighColorButton", ColourDepth::kHighColour},
    {"True Color (24 bit)", "TrueColorButton", ColourDepth::kTrueColour},
}};

}  // namespace

TdlgFormat::TdlgFormat(TDialogs& dialogs, const PictureOptions& options, bool bitmap,
                       QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("dlgFormat"));
  setWindowTitle(QStringLiteral("Save Attributes"));
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QGridLayout;
  auto addField = [this, &dialogs, fields](int row, const char* caption, const char* name,
                                           Extended smallest, Extended value, bool integer) {
    auto* label = new QLabel(this);
    auto* field = new TDataEdit(dialogs, this);
    field->setObjectName(QLatin1String(name));
    field->SetEditLabel(label);
    field->SetCaption(QLatin1String(caption));
    field->SetIntegerOnly(integer);
    field->SetMinVal(smallest);
    field->SetNumber(value);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
    return field;
  };
  height_ =
      addField(0, "&Height (in)", "HeightEdit", kSmallestSideInches, options.heightInches, false);
  width_ = addField(1, "&Width (in)", "WidthEdit", kSmallestSideInches, options.widthInches, false);
  pixelsPerInch_ = addField(2, "&Pixels Per Inch", "PixelsPerInchEdit", kFewestPixelsPerInch,
                            options.pixelsPerInch, true);
  layout->addLayout(fields);

  auto* colours = new QGroupBox(QStringLiteral("Colors"), this);
  colours->setObjectName(QStringLiteral("ColorsGroup"));
  auto* choices = new QVBoxLayout(colours);
  for (std::size_t k = 0; k < kColourChoices.size(); ++k) {
    auto* button = new QRadioButton(QLatin1String(kColourChoices[k].caption), colours);
    button->setObjectName(QLatin1String(kColourChoices[k].name));
    button->setChecked(kColourChoices[k].depth == options.colours);
    choices->addWidget(button);
    colours_[k] = button;
  }
  colours->setEnabled(bitmap);
  layout->addWidget(colours);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TdlgFormat::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

// Closes only when every field holds a number it accepts.
void TdlgFormat::accept() {
  for (TDataEdit* field : {height_, width_, pixelsPerInch_}) {
    if (!field->Validate()) {
      field->setFocus();
      return;
    }
  }
  QDialog::accept();
}

PictureOptions TdlgFormat::Options() const {
  PictureOptions options;
  options.heightInches = static_cast<double>(height_->Number());
  options.widthInches = static_cast<double>(width_->Number());
  options.pixelsPerInch = static_cast<int>(pixelsPerInch_->Number());
  for (std::size_t k = 0; k < kColourChoices.size(); ++k) {
    if (colours_[k]->isChecked()) {
      options.colours = kColourChoices[k].depth;
    }
  }
  return options;
}
