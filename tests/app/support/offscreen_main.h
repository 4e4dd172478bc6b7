// The main function of a test program that needs a Qt application object:
// one `Application` (QGuiApplication or QApplication) on the offscreen
// platform unless the environment names another, prepared as the program
// prepares it, then every test.
#pragma once

#include <gtest/gtest.h>

#include <QtGlobal>
#include <functional>

namespace bormek::app_testing {

// `prepare` runs once the application exists, before the first test.
template <class Application>
int RunOffscreen(int argc, char** argv, const std::function<void()>& prepare = {}) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  Application application(argc, argv);
  if (prepare) {
    prepare();
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

}  // namespace bormek::app_testing
