#include "widgets/about_box.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ") + QLatin1String(kProductName));

  auto* product = new QLabel(QLatin1String(kProductName), this);
  product->setObjectName(QStringLiteral("ProductName"));
  QFont large = product->font();
  large.setPointSizeF(large.pointSizeF() * 1.6);
  large.setBold(true);
  product->setFont(large);

  auto* version = new QLabel(QStringLiteral("Version ") + QLatin1String(kProductVersion), this);
  version->setObjectName(QStringLiteral("Version"));
  auto* description = new QLabel(
      QStringLiteral("Axial capacity and load-settlement analysis of drilled shafts."), this);
  description->setObjectName(QStringLiteral("Description"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(product, 0, Qt::AlignHCenter);
  layout->addWidget(version, 0, Qt::AlignHCenter);
  layout->addSpacing(8);
  layout->addWidget(description, 0, Qt::AlignHCenter);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
