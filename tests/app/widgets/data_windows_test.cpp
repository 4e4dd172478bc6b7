// The data windows in the main window: values shown on activation and
// stored on leaving and closing, the rules between shaft length and design
// load, the loading type, the modified flag, the refresh on a change of
// unit system, a refused entry that keeps its window, the control options
// and one window of each kind.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/widgets/main_window_fixture.h"
#include "core/program_data.h"
#include "widgets/data_edit.h"
#include "widgets/data_form.h"
#include "widgets/data_windows.h"

namespace {

using bormek::ui_testing::MainWindow;
using bormek::ui_testing::waitFor;
using Kind = TDataWindows::Kind;

class DataWindowsTest : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    form = &start();
  }

  TProgramData& project() { return form->Project(); }
  TDataWindows& windows() { return form->DataWindows(); }

  // Leaves the active window for another one, which becomes active.
  void activate(TDataForm* other) {
    form->mdiArea()->setActiveSubWindow(other->SubWindow());
    QApplication::processEvents();
  }

  template <typename Control = TDataEdit>
  static Control* control(TDataForm* window, const char* name) {
    auto* found = window->findChild<Control*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  static QString labelOf(TDataEdit* field) { return field->EditLabel()->text(); }
  // Clicks the round indicator: the button takes clicks on its indicator
  // and caption only.
  static void choose(QRadioButton* button) {
    const int middle = button->height() / 2;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(middle, middle));
  }

  TMainForm* form = nullptr;
};

TEST_F(DataWindowsTest, AShaftLengthOf25ClearsTheDesignLoadAndZeroLeavesIt) {
  project().DesignLoad() = 200;
  TDataForm* length = openDataWindow("ShaftLengthItem");
  ASSERT_NE(length, nullptr);
  EXPECT_EQ(length->windowTitle(), "Drilled Shaft Length");
  TDataForm* water = openDataWindow("WaterTableItem");

  activate(length);
  typeOver(control(length, "DataEdit1"), "25");
  activate(water);
  EXPECT_EQ(project().ShaftLength(), 25.0L);
  EXPECT_EQ(project().DesignLoad(), 0.0L);

  project().DesignLoad() = 200;
  activate(length);
  EXPECT_EQ(control(length, "DataEdit1")->text(), "25");
  typeOver(control(length, "DataEdit1"), "0");
  activate(water);
  EXPECT_EQ(project().ShaftLength(), 0.0L);
  EXPECT_EQ(project().DesignLoad(), 200.0L);
}

TEST_F(DataWindowsTest, ADesignLoadAboveZeroClearsTheShaftLengthOnClose) {
  project().ShaftLength() = 40;
  TDataForm* load = openDataWindow("DesignLoadItem");
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(windows().Window(Kind::kDesignLoad), load);
  EXPECT_EQ(project().DesignControl, kDesignLoadSpecified);
  EXPECT_EQ(labelOf(control(load, "DataEditL")), "Enter the &design load (tons)");
  typeOver(control(load, "DataEditL"), "150");
  load->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(project().DesignLoad(), 150.0L);
  EXPECT_EQ(project().ShaftLength(), 0.0L);
  EXPECT_EQ(windows().Window(Kind::kDesignLoad), nullptr);
}

TEST_F(DataWindowsTest, CompressionStoresNoReductionAndUpliftStoresTheTypedOne) {
  TDataForm* load = openDataWindow("DesignLoadItem");
  TDataForm* water = openDataWindow("WaterTableItem");
  auto* uplift = control<QRadioButton>(load, "OptCyclic");
  auto* compression = control<QRadioButton>(load, "OptStatic");
  TDataEdit* reduction = control(load, "deRCYCL");
  activate(load);
  EXPECT_TRUE(compression->isChecked());
  EXPECT_FALSE(reduction->isEnabled());

  choose(uplift);
  EXPECT_TRUE(reduction->isEnabled());
  typeOver(reduction, "0.6");
  choose(compression);
  EXPECT_FALSE(reduction->isEnabled());
  activate(water);
  EXPECT_EQ(project().LoadingType, 1);
  EXPECT_EQ(project().UpliftReduction, 1.0L);

  activate(load);
  choose(uplift);
  typeOver(reduction, "0.8");
  activate(water);
  EXPECT_EQ(project().LoadingType, 2);
  EXPECT_EQ(project().UpliftReduction, 0.8L);

  // Shown again: uplift with its reduction.
  activate(load);
  EXPECT_TRUE(uplift->isChecked());
  EXPECT_TRUE(reduction->isEnabled());
  EXPECT_EQ(reduction->text(), "0.8");
}

TEST_F(DataWindowsTest, OnlyTypingOrAChangedChoiceMarksTheProjectModified) {
  TDataForm* safety = openDataWindow("FactorOfSafetyItem");
  TDataForm* title = openDataWindow("TitleItem");
  ASSERT_FALSE(project().Modified());

  // Looking and tabbing through the fields change nothing.
  activate(safety);
  control(safety, "DataEdit1")->setFocus();
  QTest::keyClick(control(safety, "DataEdit1"), Qt::Key_Tab);
  activate(title);
  activate(safety);
  EXPECT_FALSE(project().Modified());
  EXPECT_EQ(project().SafetySide(), 2.5L);

  // Typing marks it at once.
  typeOver(control(safety, "DataEdit2"), "3.5");
  EXPECT_TRUE(project().Modified());
  activate(title);
  EXPECT_EQ(project().SafetyBase(), 3.5L);

  // The same loading type stored again is no change.
  project().SetModified(false);
  TDataForm* length = openDataWindow("ShaftLengthItem");
  activate(title);
  EXPECT_FALSE(project().Modified());
  activate(length);
  choose(control<QRadioButton>(length, "OptCyclic"));
  activate(title);
  EXPECT_TRUE(project().Modified());
}

TEST_F(DataWindowsTest, SwitchingToSiShowsConvertedValuesAndUnitLabelsAtOnce) {
  TDataForm* water = openDataWindow("WaterTableItem");
  TDataForm* shaft = openDataWindow("ShaftPropertiesItem");
  ASSERT_NE(shaft, nullptr);
  EXPECT_EQ(shaft->windowTitle(), "Drilled-Shaft Properties");
  typeOver(control(shaft, "DataEdit1"), "3");
  typeOver(control(shaft, "DataEdit3"), "2");
  typeOver(control(shaft, "DataEdit7"), "3600000");
  activate(water);
  typeOver(control(water, "DataEdit1"), "10");
  activate(shaft);

  chooseSubmenuItem("DataMenu", "UnitsMenu", "SiUnitsItem");
  // 3 ft = 0.9144 m; 3 600 000 psi x 6.894757888 = 24 821 128.3968 kPa;
  // ratios stay; 10 ft = 3.048 m.
  EXPECT_EQ(control(shaft, "DataEdit1")->text(), "0.9144");
  EXPECT_EQ(control(shaft, "DataEdit3")->text(), "2");
  EXPECT_EQ(control(shaft, "DataEdit7")->text(), "24821128.3968");
  EXPECT_EQ(control(water, "DataEdit1")->text(), "3.048");
  EXPECT_EQ(labelOf(control(shaft, "DataEdit1")),
            "Minimum Shaft Diameter, B, to be Considered (m)");
  EXPECT_EQ(labelOf(control(shaft, "DataEdit7")),
            "&Modulus of Elasticity of Drilled Shaft  (kN/m\u00B2)");
  EXPECT_EQ(labelOf(control(shaft, "DataEdit4")),
            "&Angle of Bell with Respect to Vertical,  Ang  (deg)");
  EXPECT_EQ(labelOf(control(water, "DataEdit1")), "&Depth of water table (m)");

  chooseSubmenuItem("DataMenu", "UnitsMenu", "EnglishUnitsItem");
  EXPECT_EQ(labelOf(control(shaft, "DataEdit7")),
            "&Modulus of Elasticity of Drilled Shaft  (lbs/in\u00B2)");
  EXPECT_NEAR(static_cast<double>(project().MinDiameter()), 3.0, 1e-9);
}

TEST_F(DataWindowsTest, AnInvalidWaterDepthKeepsTheWindowTheFocusAndTheOldValue) {
  project().WaterDepth() = 12;
  TDataForm* water = openDataWindow("WaterTableItem");
  TDataForm* title = openDataWindow("TitleItem");
  activate(water);
  TDataEdit* depth = control(water, "DataEdit1");
  EXPECT_EQ(depth->text(), "12");
  typeOver(depth, "12+x");

  activate(title);
  EXPECT_EQ(dialogs_.Messages(),
            QStringList{"Entry could not be evaluated:\ninvalid character(s) in expression"});
  EXPECT_TRUE(waitFor([&] { return form->mdiArea()->activeSubWindow() == water->SubWindow(); }));
  EXPECT_TRUE(depth->hasFocus());
  EXPECT_EQ(depth->text(), "12+x");
  EXPECT_EQ(project().WaterDepth(), 12.0L);

  // Closing is refused too.
  water->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(windows().Window(Kind::kWaterTable), water);
  EXPECT_EQ(project().WaterDepth(), 12.0L);

  typeOver(depth, "12+3");
  water->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(windows().Window(Kind::kWaterTable), nullptr);
  EXPECT_EQ(project().WaterDepth(), 15.0L);
}

TEST_F(DataWindowsTest, AValueAboveItsLimitIsClampedBeforeTheWindowStoresIt) {
  TDataForm* shaft = openDataWindow("ShaftPropertiesItem");
  typeOver(control(shaft, "DataEdit6"), "150");
  QTest::keyClick(control(shaft, "DataEdit6"), Qt::Key_Tab);
  EXPECT_EQ(dialogs_.Messages(), QStringList{"Entry must be less than or equal to 100"});
  EXPECT_EQ(control(shaft, "DataEdit6")->text(), "100");
  shaft->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(project().BottomExclusion(), 100.0L);
}

TEST_F(DataWindowsTest, TheOutputIncrementIsLabelledAndStoredInTheProjectsUnits) {
  chooseSubmenuItem("DataMenu", "UnitsMenu", "SiUnitsItem");
  TDataForm* options = openDataWindow("ControlOptionsItem");
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->windowTitle(), "Control Options");
  TDataEdit* increment = control(options, "DataEdit1");
  EXPECT_EQ(labelOf(increment), "Output Increment (m)");
  typeOver(increment, "0.5");
  choose(control<QRadioButton>(options, "RadioButton2"));
  options->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(project().OutputIncrement, 0.5L);
  EXPECT_EQ(project().SandTipOption, 0);

  // Not converted back with the unit system.
  chooseSubmenuItem("DataMenu", "UnitsMenu", "EnglishUnitsItem");
  EXPECT_EQ(project().OutputIncrement, 0.5L);
}

TEST_F(DataWindowsTest, TheEditorPathSurvivesClosingAndDoesNotMarkTheProject) {
  TDataForm* options = openDataWindow("ControlOptionsItem");
  auto* editor = control<QLineEdit>(options, "EdtWord");
  auto* browse = control<QPushButton>(options, "BtnBrowse");

  editor->setText("/usr/bin/gedit");
  dialogs_.QueueCancelledFile();
  QTest::mouseClick(browse, Qt::LeftButton);
  EXPECT_EQ(editor->text(), "/usr/bin/gedit");
  ASSERT_EQ(dialogs_.Calls().size(), 1u);
  EXPECT_EQ(dialogs_.Calls().front().startPath, "/usr/bin/gedit");
  EXPECT_EQ(dialogs_.Calls().front().filters,
            (QStringList{"Programs (*.exe *.com)", "All Files (*)"}));

  dialogs_.QueueFile("/usr/bin/kate");
  QTest::mouseClick(browse, Qt::LeftButton);
  EXPECT_EQ(editor->text(), "/usr/bin/kate");

  options->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(form->Settings().WordProcessor, "/usr/bin/kate");
  EXPECT_EQ(storedSetting("Word Processor"), "/usr/bin/kate");
  EXPECT_FALSE(project().Modified());

  // Shown again, the window offers the stored path.
  options = openDataWindow("ControlOptionsItem");
  EXPECT_EQ(control<QLineEdit>(options, "EdtWord")->text(), "/usr/bin/kate");
}

TEST_F(DataWindowsTest, ATitleOfEightyCharactersIsTheLongestThatCanBeTyped) {
  TDataForm* title = openDataWindow("TitleItem");
  ASSERT_NE(title, nullptr);
  auto* memo = control<QLineEdit>(title, "TitleMemo");
  EXPECT_EQ(memo->text(), "New Pile");
  const QString eighty(80, QLatin1Char('t'));
  typeOver(memo, eighty + QStringLiteral("xyz"));
  EXPECT_EQ(memo->text(), eighty);
  QTest::keyClick(memo, Qt::Key_Return);  // no second line
  title->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(project().Title, eighty.toStdString());
  EXPECT_TRUE(project().Modified());

  // A longer title read from a file is shown and kept whole.
  const std::string longer(100, 'L');
  project().Title = longer;
  project().SetModified(false);
  title = openDataWindow("TitleItem");
  EXPECT_EQ(control<QLineEdit>(title, "TitleMemo")->text().size(), 100);
  title->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_EQ(project().Title, longer);
  EXPECT_FALSE(project().Modified());
}

TEST_F(DataWindowsTest, OneWindowOfEachKindAndNewClosesThemAll) {
  TDataForm* water = openDataWindow("WaterTableItem");
  openDataWindow("TitleItem");
  EXPECT_EQ(openDataWindow("WaterTableItem"), water);
  // The two and the elevation view the program starts with.
  EXPECT_EQ(form->mdiArea()->subWindowList().size(), 3);

  // Choosing the design load closes the shaft-length window.
  openDataWindow("ShaftLengthItem");
  openDataWindow("DesignLoadItem");
  EXPECT_EQ(windows().Window(Kind::kShaftLength), nullptr);
  EXPECT_NE(windows().Window(Kind::kDesignLoad), nullptr);

  // New goes no further while the active window refuses its entry; once
  // the entry is accepted it closes every window.
  TDataEdit* depth = control(water, "DataEdit1");
  typeOver(depth, "x");
  form->Action("FileNewItem")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(form->mdiArea()->subWindowList().size(), 4);
  EXPECT_TRUE(dialogs_.Questions().isEmpty());
  typeOver(depth, "7");
  dialogs_.QueueAnswer(TDialogs::Answer::kNo);
  form->Action("FileNewItem")->trigger();
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form->mdiArea()->subWindowList().isEmpty());
  for (Kind kind : {Kind::kWaterTable, Kind::kTitle, Kind::kDesignLoad}) {
    EXPECT_EQ(windows().Window(kind), nullptr);
  }
}

}  // namespace
