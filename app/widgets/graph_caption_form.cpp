#include "widgets/graph_caption_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmGraphCaption::TfrmGraphCaption(const QString& title, TitlePosition at, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmGraphCaption"));
  setWindowTitle(QStringLiteral("Graph Caption"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("Enter Graph Caption"), this);
  title_ = new QLineEdit(title, this);
  title_->setObjectName(QStringLiteral("TitleEdit"));
  title_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
  label->setBuddy(title_);
  layout->addWidget(label);
  layout->addWidget(title_);

  auto* location = new QGroupBox(QStringLiteral("Caption Location"), this);
  auto* choices = new QHBoxLayout(location);
  top_ = new QRadioButton(QStringLiteral("Top"), location);
  top_->setObjectName(QStringLiteral("TopButton"));
  bottom_ = new QRadioButton(QStringLiteral("Bottom"), location);
  bottom_->setObjectName(QStringLiteral("BottomButton"));
  choices->addWidget(top_);
  choices->addWidget(bottom_);
  (at == TitlePosition::kTop ? top_ : bottom_)->setChecked(true);
  layout->addWidget(location);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  layout->addLayout(buttons);
}

QString TfrmGraphCaption::Title() const {
  return title_->text();
}

TitlePosition TfrmGraphCaption::Position() const {
  return bottom_->isChecked() ? TitlePosition::kBottom : TitlePosition::kTop;
}
