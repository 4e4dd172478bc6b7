// bormek: the desktop program.
#include <QApplication>

#include "core/product.h"
#include "widgets/desktop_look.h"
#include "widgets/main_form.h"
#include "widgets/qt_dialogs.h"
#include "widgets/window_placement.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kProductName));
  InstallDesktopLook();
  QtDialogs dialogs;
  TMainForm window(QApplication::arguments().mid(1), dialogs);
  PlaceMainWindow(window);
  window.show();
  return QApplication::exec();
}
