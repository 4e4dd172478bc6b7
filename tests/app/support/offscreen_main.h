// The main function of a test program that needs a Qt application object:
// one `Application` (QGuiApplication or QApplication) on the offscreen
// platform unless the environment names another, then every test.
#pragma once

#include <gtest/gtest.h>

#include <QtGlobal>

namespace bormek::app_testing {

template <class Application>
int RunOffscreen(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  Application application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

}  // namespace bormek::app_testing
