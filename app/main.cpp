// bormek: the desktop program.
#include <QApplication>
#include <QScreen>

#include "widgets/desktop_look.h"
#include "widgets/main_form.h"
#include "widgets/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Bormek 2012"));
  InstallDesktopLook();
  QtDialogs dialogs;
  TMainForm window(QApplication::arguments().mid(1), dialogs);
  // Start on most of the screen: the soil-layer table is wide.
  constexpr double kScreenShare = 0.9;
  const QSize screen = window.screen()->availableGeometry().size();
  window.resize(screen * kScreenShare);
  window.show();
  return QApplication::exec();
}
