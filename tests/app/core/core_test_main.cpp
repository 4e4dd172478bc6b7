// The logic tests run in one QGuiApplication: the table model measures text
// and the drawing routines paint into images, with no widget.
#include <QGuiApplication>

#include "app/support/offscreen_main.h"

int main(int argc, char** argv) {
  return bormek::app_testing::RunOffscreen<QGuiApplication>(argc, argv);
}
