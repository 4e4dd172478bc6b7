// The program's settings, and Qt's own, kept in a scratch folder for the life of the
// object, and read or written past the code under test.
#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace bormek::app_testing {

class ScratchSettings {
 public:
  ScratchSettings() {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    // Qt's own settings (its file dialog's columns and places) too.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
  }

  bool IsValid() const { return folder_.isValid(); }

  // A value of the program's group, such as "File1".
  static QString Stored(const QString& key) { return store().value(group() + key).toString(); }
  static void Store(const QString& key, const QString& value) {
    store().setValue(group() + key, value);
  }

 private:
  static QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Talvex", "Bormek");
  }
  static QString group() { return QStringLiteral("2012.7.8/"); }

  QTemporaryDir folder_;
};

}  // namespace bormek::app_testing
