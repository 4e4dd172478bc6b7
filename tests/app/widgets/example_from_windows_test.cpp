// The bundled example built from nothing with the windows only: the data
// windows for the scalar settings, the soil-layer table and its sub-tables
// for the layers, typed as a user types. Its run must give the report of
// the example file, line for line after the head (which names the folder
// and the time of the run).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "app/widgets/main_window_fixture.h"
#include "app/widgets/table_window_driver.h"
#include "core/grid_table.h"
#include "core/program_data.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"
#include "support/engine_run.h"
#include "support/test_folder.h"
#include "widgets/data_edit.h"
#include "widgets/data_form.h"
#include "widgets/table_form.h"

namespace {

using bormek::testing::afterHead;
using bormek::testing::examplePath;
using bormek::testing::readLines;
using bormek::testing::readText;
using bormek::testing::runEngineOn;
using bormek::testing::TestFolder;
using bormek::ui_testing::addRows;
using bormek::ui_testing::clickCell;
using bormek::ui_testing::frameOf;
using bormek::ui_testing::layerButtonAt;
using bormek::ui_testing::listAt;
using bormek::ui_testing::MainWindow;
using bormek::ui_testing::typeAndEnter;

// One layer of the example as the windows take it: D's row and the
// sub-table's cells, top row then bottom row, column by column.
struct ExampleLayer {
  bool clay;
  const char* depth;
  const char* sideFactor;
  const char* tipFactor;
  std::vector<const char*> top;
  std::vector<const char*> bottom;
};

// Clay: unit weight, cohesion, blow counts (alpha and Nc left at 0).
// Sand: unit weight, friction angle, blow counts (K and beta left at 0).
const ExampleLayer kLayers[] = {
    {true, "8", "0.45", "0.40", {"120", "1500", "8"}, {"122", "1800", "10"}},
    {false, "22", "0.55", "0.50", {"118", "32", "18"}, {"122", "34", "25"}},
    {true, "45", "0.45", "0.40", {"124", "2500", "16"}, {"126", "3500", "22"}},
    {false, "70", "0.55", "0.50", {"125", "36", "40"}, {"128", "38", "50"}},
};

class ExampleFromWindows : public MainWindow {
 protected:
  // Types each value into its field, then closes the window.
  static void fill(TDataForm* window,
                   const std::vector<std::pair<const char*, const char*>>& values) {
    ASSERT_NE(window, nullptr);
    for (const auto& [name, text] : values) {
      auto* field = window->findChild<TDataEdit*>(QLatin1String(name));
      ASSERT_NE(field, nullptr) << name;
      typeOver(field, QLatin1String(text));
    }
    window->SubWindow()->close();
    QApplication::processEvents();
  }
  static void typeInto(TTableForm* table, int row, int column, const char* text) {
    clickCell(table, row, column);
    typeAndEnter(table, text);
  }

  void enterLayers() {
    TGridTable& d = form_->Tables().D();
    form_->Action("SoilLayerDataItem")->trigger();
    QApplication::processEvents();
    TTableForm* table = TTableForm::WindowOf(d);
    ASSERT_NE(table, nullptr);
    addRows(table, 3);
    for (int row = 0; row < 4; ++row) {
      const ExampleLayer& layer = kLayers[row];
      form_->mdiArea()->setActiveSubWindow(frameOf(table));
      if (layer.clay) {
        QTest::keyClick(listAt(table, row), Qt::Key_Down);  // the item after sand
      }
      typeInto(table, row, kDepthColumn, layer.depth);
      typeInto(table, row, kLrfdSideColumn, layer.sideFactor);
      typeInto(table, row, kLrfdTipColumn, layer.tipFactor);
      QTest::mouseClick(layerButtonAt(table, row), Qt::LeftButton);
      TTableForm* sub = TTableForm::WindowOf(*d.Cells(kLayerDataColumn, row).AsTable());
      ASSERT_NE(sub, nullptr) << "layer " << row + 1;
      for (int column = 0; column < static_cast<int>(layer.top.size()); ++column) {
        typeInto(sub, 0, column, layer.top.at(static_cast<std::size_t>(column)));
        typeInto(sub, 1, column, layer.bottom.at(static_cast<std::size_t>(column)));
      }
      frameOf(sub)->close();
      QApplication::processEvents();
    }
  }
};

TEST_F(ExampleFromWindows, TheBundledExampleBuiltInTheWindowsGivesTheSameReport) {
  start();
  form_->resize(1800, 1200);
  QApplication::processEvents();

  TDataForm* titleWindow = openDataWindow("TitleItem");
  ASSERT_NE(titleWindow, nullptr);
  auto* memo = titleWindow->findChild<QLineEdit*>("TitleMemo");
  typeOver(memo, "Bridge pier 4 - stiff clay over medium dense sand (example)");
  titleWindow->SubWindow()->close();
  QApplication::processEvents();

  fill(openDataWindow("DesignLoadItem"), {{"DataEditL", "200"}});
  fill(openDataWindow("ShaftPropertiesItem"),
       {{"DataEdit1", "3"}, {"DataEdit2", "5"}, {"DataEdit5", "5"}, {"DataEdit7", "3600000"}});
  fill(openDataWindow("WaterTableItem"), {{"DataEdit1", "12"}});
  fill(openDataWindow("FactorOfSafetyItem"), {{"DataEdit1", "2"}, {"DataEdit2", "2.5"}});
  fill(openDataWindow("ControlOptionsItem"), {{"DataEdit1", "5"}});

  // The resistance factors are entered under LRFD; the example is ASD.
  form_->Action("LrfdItem")->trigger();
  enterLayers();
  form_->Action("AsdItem")->trigger();
  QApplication::processEvents();
  ASSERT_TRUE(dialogs_.Messages().isEmpty()) << dialogs_.Messages().join('|').toStdString();

  const QString path = folder_.filePath(QStringLiteral("project.bkd"));
  dialogs_.QueueFile(path);
  form_->Action("RunAnalysisItem")->trigger();
  ASSERT_EQ(dialogs_.Messages().size(), 1);

  const TestFolder exampleFolder;
  const auto expected = runEngineOn(exampleFolder, readText(examplePath("sand_clay.bkd")));
  ASSERT_EQ(expected.status, 0);
  const std::vector<std::string> built = readLines(folder_.filePath("project.bko").toStdString());
  EXPECT_EQ(afterHead(built), afterHead(expected.report));
  EXPECT_GT(afterHead(built).size(), 100u);
}

}  // namespace
