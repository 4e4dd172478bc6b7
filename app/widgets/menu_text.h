// Plain text shown on a menu item or a button, where "&" marks the
// mnemonic: the text's own "&" is doubled so that it shows.
#pragma once

#include <QString>

inline QString PlainMenuText(QString text) {
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
