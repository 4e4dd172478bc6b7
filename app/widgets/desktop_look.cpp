#include "widgets/desktop_look.h"

#include <QApplication>
#include <QIcon>

#include "widgets/desktop_style.h"
#include "widgets/toolbar_icons.h"

namespace {

// The desktop entry, icon and AppStream files are named after this id.
constexpr const char* kDesktopId = "com.talvex.Bormek";
// The freedesktop name of the theme a system uses when the desktop names
// none; on Debian it inherits the distribution's default theme.
constexpr const char* kSystemDefaultIconTheme = "default";
// hicolor is every theme's last fallback; a platform that names only it
// has no theme of its own (a bare X server, for one).
constexpr const char* kFallbackIconTheme = "hicolor";

void useSystemIconThemeWhereThePlatformHasNone() {
  const QString theme = QIcon::themeName();
  if (theme.isEmpty() || theme == QLatin1String(kFallbackIconTheme)) {
    QIcon::setThemeName(QLatin1String(kSystemDefaultIconTheme));
  }
}

}  // namespace

void InstallDesktopLook() {
  QApplication::setWindowIcon(ApplicationIcon());
  QGuiApplication::setDesktopFileName(QLatin1String(kDesktopId));
  useSystemIconThemeWhereThePlatformHasNone();
  QApplication::setStyle(new TDesktopStyle);
}
