// The About box: the product name, its version and one line on what the
// program does, with an OK button. Shown modally from Help > About.
#pragma once

#include <QDialog>

inline constexpr const char* kProductName = "Bormek 2012";
inline constexpr const char* kProductVersion = "2012.7.8";

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};
