// The program's widget style: the platform's style (Fusion where the
// platform names none) with three changes that make the windows read like a
// current desktop program's:
// - dialog buttons are plain text, without pictures;
// - header sections of tables (the column headers and the row numbers of
//   the soil-layer table and its sub-tables, the lists of the help window
//   and the file dialog) are filled with the button colour and ruled off,
//   so headers and values are told apart at a glance;
// - everything else is the base style's.
#pragma once

#include <QProxyStyle>

class TDesktopStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // Wraps the application's default style.
  TDesktopStyle();

  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};
