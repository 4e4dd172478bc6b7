// The widget tests run in one QApplication.
#include <QApplication>

#include "app/support/offscreen_main.h"

int main(int argc, char** argv) {
  return bormek::app_testing::RunOffscreen<QApplication>(argc, argv);
}
