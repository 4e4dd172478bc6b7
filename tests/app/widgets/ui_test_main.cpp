// The widget tests run in one QApplication with the program's look.
#include <QApplication>

#include "app/support/offscreen_main.h"
#include "widgets/desktop_look.h"

int main(int argc, char** argv) {
  return bormek::app_testing::RunOffscreen<QApplication>(argc, argv, InstallDesktopLook);
}
