// bormek: the desktop program.
#include <QApplication>

#include "widgets/desktop_look.h"
#include "widgets/main_form.h"
#include "widgets/qt_dialogs.h"
#include "widgets/window_placement.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Bormek 2012"));
  InstallDesktopLook();
  QtDialogs dialogs;
  TMainForm window(QApplication::arguments().mid(1), dialogs);
  PlaceMainWindow(window);
  window.show();
  return QApplication::exec();
}
