#include "widgets/line_names_form.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/dialogs.h"
#include "core/graph_plot.h"
#include "core/plot_palette.h"

namespace {

const QSize kSmallestClient(195, 167);
const QString kNameNeeded = QStringLiteral("The line must have a name!");

}  // namespace

TfrmLineNames::TfrmLineNames(TGraphPlot& plot, TDialogs& dialogs, QWidget* parent)
    : QDialog(parent), plot_(plot), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmLineNames"));
  setWindowTitle(QStringLiteral("Legend"));
  setMinimumSize(kSmallestClient);
  auto* layout = new QVBoxLayout(this);
  auto* listLabel = new QLabel(QStringLiteral("Select line to modify:"), this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("NameList"));
  for (int line = 0; line < plot.LineCount(); ++line) {
    auto* item = new QListWidgetItem(plot.CurveNameOf(line), list_);
    item->setForeground(CurveColour(ColourIndexOf(plot, line)));
  }
  listLabel->setBuddy(list_);
  auto* editLabel = new QLabel(QStringLiteral("Type new legend below:"), this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("NameEdit"));
  editLabel->setBuddy(edit_);
  layout->addWidget(listLabel);
  layout->addWidget(list_);
  layout->addWidget(editLabel);
  layout->addWidget(edit_);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &TfrmLineNames::showSelected);
  connect(edit_, &QLineEdit::editingFinished, this, &TfrmLineNames::storeEdit);
  connect(ok, &QPushButton::clicked, this, [this] {
    storeEdit();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  if (list_->count() > 0) {
    list_->setCurrentRow(0);
  }
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

QStringList TfrmLineNames::Names() const {
  QStringList names;
  for (int row = 0; row < list_->count(); ++row) {
    names << list_->item(row)->text();
  }
  return names;
}

void TfrmLineNames::StoreNames() {
  const QStringList names = Names();
  for (int line = 0; line < plot_.LineCount() && line < names.size(); ++line) {
    plot_.Line(line).Name = names.at(line);
  }
}

void TfrmLineNames::showSelected() {
  const int row = list_->currentRow();
  if (row < 0) {
    return;
  }
  edit_->setText(list_->item(row)->text());
  QPalette colours = edit_->palette();
  colours.setColor(QPalette::Text, CurveColour(ColourIndexOf(plot_, row)));
  edit_->setPalette(colours);
}

// The message box takes the focus from the edit box, which finishes the
// edit once more: `storing_` keeps that from asking twice.
void TfrmLineNames::storeEdit() {
  const int row = list_->currentRow();
  if (row < 0 || storing_) {
    return;
  }
  storing_ = true;
  if (edit_->text().isEmpty()) {
    dialogs_.Information(kNameNeeded);
    edit_->setText(list_->item(row)->text());
  } else {
    list_->item(row)->setText(edit_->text());
  }
  storing_ = false;
}
