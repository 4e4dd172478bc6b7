#include "core/display_lines.h"

QString DisplayLines(const std::string& text) {
  QString lines = QString::fromStdString(text);
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}
