// The About box: the product name, its version and one line on what the
// program does, with an OK button. Shown modally from Help > About.
#pragma once

#include <QDialog>

#include "core/product.h"

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};
