#include "core/display_name.h"

#include <QFileInfo>

QString DisplayName(const QString& path) {
  QString name = QFileInfo(path).fileName();
  const qsizetype lastDot = name.lastIndexOf(QLatin1Char('.'));
  const QString projectSuffix = QLatin1Char('.') + QLatin1String(kProjectExtension);
  if (lastDot >= 0 && name.mid(lastDot).compare(projectSuffix, Qt::CaseInsensitive) == 0) {
    name.truncate(name.indexOf(QLatin1Char('.')));
  }
  if (name.size() > 1) {
    name[0] = name[0].toUpper();
  }
  return name;
}
