// Paths are held as std::string in the project, in the file system's
// encoding; the windows and dialogs show and return them as QString.
#pragma once

#include <QFile>
#include <QString>
#include <string>

inline std::string toStdPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

inline QString fromStdPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
