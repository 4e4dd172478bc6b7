// The main window as a user drives it in tests: started with program
// arguments, menus opened with the mouse, items clicked, toolbar buttons
// pressed; every question answered by scripted dialogs. Settings live in a
// scratch folder, project files in another.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <memory>

#include "app/support/scratch_settings.h"
#include "app/support/scripted_dialogs.h"
#include "widgets/data_form.h"
#include "widgets/main_form.h"

namespace bormek::ui_testing {

inline QByteArray crlf(const QStringList& lines) {
  return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// A complete project in the current layout: one sand layer, ASD.
inline QStringList goodProject(const QString& title) {
  return {title,         "1",      "2 1 1.0 5.0 1 2",       "3 3 0 0 0 0 3600000",
          "1 10 30 2 3", "1 40",   "0 120 32 0 15 0 0 1 1", "0 120 34 0 20 0 0 1 1",
          "1",           "0.4 0.5"};
}

inline QtMessageHandler standardMessageHandler = nullptr;

// The offscreen platform warns about every window feature it lacks (raise,
// keyboard grab); those lines would bury the test output.
inline void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                                   const QString& message) {
  if (!message.startsWith(QStringLiteral("This plugin does not support")) &&
      standardMessageHandler != nullptr) {
    standardMessageHandler(type, context, message);
  }
}

inline bool waitFor(const std::function<bool()>& condition) {
  for (int k = 0; k < 100 && !condition(); ++k) {
    QTest::qWait(10);
  }
  return condition();
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_.IsValid());
    ASSERT_TRUE(folder_.isValid());
    previousFolder_ = QDir::currentPath();
    standardMessageHandler = qInstallMessageHandler(quietOffscreenWarnings);
  }

  void TearDown() override {
    closePopups();
    form_.reset();
    QDir::setCurrent(previousFolder_);
    qInstallMessageHandler(standardMessageHandler);
  }

  // The window shown and active, started with the program's `arguments`.
  TMainForm& start(const QStringList& arguments = {}) {
    form_ = std::make_unique<TMainForm>(arguments, dialogs_);
    form_->resize(900, 650);
    form_->show();
    form_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    return *form_;
  }

  QString write(const QString& name, const QStringList& lines) const {
    const QString path = folder_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(crlf(lines));
    return path;
  }

  static void storeSetting(const QString& key, const QString& value) {
    app_testing::ScratchSettings::Store(key, value);
  }
  static QString storedSetting(const QString& key) {
    return app_testing::ScratchSettings::Stored(key);
  }

  // Opens a menu of the menu bar by clicking its title.
  QMenu* openMenu(const char* name) {
    QMenu* menu = form_->Menu(QLatin1String(name));
    QMenuBar* bar = form_->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    EXPECT_TRUE(waitFor([menu] { return menu->isVisible(); })) << name;
    return menu;
  }

  // Clicks an item of an open menu; a submenu item opens its submenu.
  static void clickItem(QMenu* menu, QAction* item) {
    ASSERT_TRUE(item->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  }

  // Chooses an item of a submenu: File, Data... > submenu > item.
  void chooseSubmenuItem(const char* menuName, const char* submenuName, const char* itemName) {
    QMenu* menu = openMenu(menuName);
    QMenu* submenu = form_->Menu(QLatin1String(submenuName));
    clickItem(menu, submenu->menuAction());
    ASSERT_TRUE(waitFor([submenu] { return submenu->isVisible(); })) << submenuName;
    clickItem(submenu, form_->Action(QLatin1String(itemName)));
    closePopups();
  }

  // Opens a data window through its Data item; it is then the active one.
  TDataForm* openDataWindow(const char* item) {
    form_->Action(QLatin1String(item))->trigger();
    QApplication::processEvents();
    QMdiSubWindow* active = form_->mdiArea()->activeSubWindow();
    return active != nullptr ? qobject_cast<TDataForm*>(active->widget()) : nullptr;
  }
  // Types over the whole text of an edit, as after tabbing into it.
  static void typeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  void clickButton(const char* name) {
    QToolBar* bar = form_->findChild<QToolBar*>(QStringLiteral("ToolBar"));
    QWidget* button = bar->widgetForAction(form_->Action(QLatin1String(name)));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }

  static void closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    }
  }

  bool enabled(const char* name) const { return form_->Action(QLatin1String(name))->isEnabled(); }

  app_testing::ScratchSettings settings_;
  QTemporaryDir folder_;
  QString previousFolder_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TMainForm> form_;
};

}  // namespace bormek::ui_testing
