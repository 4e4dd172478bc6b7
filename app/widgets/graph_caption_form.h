// The graph-title dialog of a plot window: the title and whether it stands
// at the top or the bottom. Whichever way it closes, the window takes over
// what it shows.
#pragma once

#include <QDialog>

#include "core/graph_plot.h"

class QLineEdit;
class QRadioButton;

class TfrmGraphCaption : public QDialog {
  Q_OBJECT

 public:
  TfrmGraphCaption(const QString& title, TitlePosition at, QWidget* parent = nullptr);

  QString Title() const;
  TitlePosition Position() const;

 private:
  QLineEdit* title_ = nullptr;
  QRadioButton* top_ = nullptr;
  QRadioButton* bottom_ = nullptr;
};
