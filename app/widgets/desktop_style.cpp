#include "widgets/desktop_style.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// How much darker than the button colour a header is filled, and its rule:
// a header stands out from the white cells without looking raised.
constexpr int kHeaderFillDarkness = 104;
constexpr int kHeaderRuleDarkness = 125;

void drawHeaderSection(const QStyleOption& option, QPainter& painter) {
  const QColor fill = option.palette.color(QPalette::Button).darker(kHeaderFillDarkness);
  const QColor rule = option.palette.color(QPalette::Button).darker(kHeaderRuleDarkness);
  const QRect section = option.rect;
  painter.save();
  painter.fillRect(section, fill);
  painter.setPen(rule);
  painter.drawLine(section.bottomLeft(), section.bottomRight());
  painter.drawLine(section.topRight(), section.bottomRight());
  painter.restore();
}

}  // namespace

TDesktopStyle::TDesktopStyle() = default;

int TDesktopStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
  if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
    return 0;
  }
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void TDesktopStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  if (element == CE_HeaderSection && option != nullptr && painter != nullptr) {
    drawHeaderSection(*option, *painter);
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}
