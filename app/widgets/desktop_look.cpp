#include "widgets/desktop_look.h"

#include <QApplication>
#include <QIcon>

#include "widgets/desktop_style.h"

// The resources of a static library are registered by hand once: nothing
// else refers to the generated registration code, so the linker would drop
// it. (Outside the namespace: the macro declares the registration function
// where it stands.)
static void registerIconResource() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(app_icon);
    return true;
  }();
  static_cast<void>(registered);
}

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

QIcon ApplicationIcon() {
  registerIconResource();
  return QIcon(QStringLiteral(":/app/bormek.svg"));
}

void InstallDesktopLook() {
  QApplication::setWindowIcon(ApplicationIcon());
  QGuiApplication::setDesktopFileName(QLatin1String(kDesktopId));
  useSystemIconThemeWhereThePlatformHasNone();
  QApplication::setStyle(new TDesktopStyle);
}
