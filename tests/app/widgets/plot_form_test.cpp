// The plot window in an MDI area, driven with Qt Test's mouse and keys:
// opening, the curve limit, zooming, the coordinates in the caption, the
// legend, the Plot menu and its dialogs, printing, saving and copying.
#include "widgets/plot_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "app/support/scripted_dialogs.h"
#include "app/widgets/modal_dialog.h"
#include "core/graph_plot.h"
#include "core/plot_legend.h"
#include "support/test_folder.h"
#include "widgets/active_lines_form.h"
#include "widgets/data_edit.h"
#include "widgets/line_names_form.h"
#include "widgets/plot_canvas.h"
#include "widgets/plot_legend_box.h"

namespace {

using bormek::testing::TestFolder;
using bormek::ui_testing::whenModal;

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PlotWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(1200, 900);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    plot.Caption = QStringLiteral("Skin");
    plot.XCaption = QStringLiteral("Load");
    plot.YCaption = QStringLiteral("Depth");
    setCurves(3);
    plot.SetWindowFactory([this](TGraphPlot& p) { return TPlotForm::Create(p, area, dialogs); });
  }

  // `count` straight curves from the origin to (40 - k, 25): x 0 to 40,
  // y 0 to 25 once rounded.
  void setCurves(int count) {
    plot.SetLineCount(count);
    for (int k = 0; k < count; ++k) {
      plot.Line(k).Points = {{0, 0}, {20 - k / 2.0L, 12.5}, {40.0L - k, 25}};
    }
  }

  TPlotForm* open() {
    plot.Show();
    QApplication::processEvents();
    return dynamic_cast<TPlotForm*>(plot.Window());
  }

  static QPoint pixel(TPlotForm* form, double x, double y) {
    return QPointF(form->View().MapX(0, x), form->View().MapY(0, y)).toPoint();
  }

  ScriptedDialogs dialogs;
  TGraphPlot plot;
  QMainWindow main;  // destroyed first: it closes the plot's window
  QMdiArea* area = nullptr;
};

TEST_F(PlotWindow, OpensMaximisedOnItsCaptionWithTheLegendAndOneItemPerCurve) {
  TPlotForm* form = open();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isMaximized());
  EXPECT_EQ(form->windowTitle(), "Skin");
  EXPECT_TRUE(plot.WindowExists());
  EXPECT_TRUE(form->Legend()->isVisible());
  EXPECT_TRUE(form->Action("ShowLegendItem")->isVisible());
  EXPECT_TRUE(form->Action("ShowLegendItem")->isChecked());
  // No layer bands: the soil-layer item is not offered; no wall either.
  EXPECT_FALSE(form->Action("ShowSoilLayerItem")->isVisible());
  EXPECT_FALSE(form->Action("ShowWallItem")->isVisible());
  for (int k = 1; k <= 3; ++k) {
    QAction* item = form->Action(QStringLiteral("Curve%1").arg(k));
    ASSERT_NE(item, nullptr) << k;
    EXPECT_EQ(item->text(), QStringLiteral("Curve #%1").arg(k));
    EXPECT_TRUE(item->isChecked());
  }
  EXPECT_TRUE(form->Action("Markers1")->isChecked());
  EXPECT_TRUE(form->Action("FontSize10")->isChecked());
  EXPECT_TRUE(form->Action("LineWidth1")->isChecked());
  // Showing again brings the same window back; closing frees it.
  plot.Show();
  EXPECT_EQ(plot.Window(), form);
  form->close();
  EXPECT_FALSE(plot.WindowExists());
}

TEST_F(PlotWindow, APlotWithoutAFiniteRangeOpensNoWindow) {
  plot.Line(0).Points[2].X = 1e308L * 10;
  plot.Show();
  EXPECT_FALSE(plot.WindowExists());
  EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST_F(PlotWindow, MoreThanTwentyCurvesOpenWithTheFirstTwentyActive) {
  setCurves(25);
  TPlotForm* form = open();
  ASSERT_NE(form, nullptr);
  for (int k = 0; k < 25; ++k) {
    EXPECT_EQ(plot.Line(k).Active, k < 20) << k;
    EXPECT_EQ(form->Action(QStringLiteral("Curve%1").arg(k + 1)) != nullptr, k < 20) << k;
  }
  EXPECT_EQ(LegendEntries(plot).size(), 20u);
  // Reopened, the user's choice stands until the next load.
  plot.Line(22).Active = true;
  form->close();
  QApplication::processEvents();
  form = open();
  EXPECT_TRUE(plot.Line(22).Active);
  EXPECT_NE(form->Action("Curve23"), nullptr);
}

TEST_F(PlotWindow, DraggingZoomsInAndARightClickZoomsOut) {
  TPlotForm* form = open();
  TPlotCanvas* canvas = form->Canvas();
  QTest::mousePress(canvas, Qt::LeftButton, {}, pixel(form, 10, 5));
  QTest::mouseMove(canvas, pixel(form, 20, 10));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, pixel(form, 30, 15));
  const PanelRange zoomed = form->View().Range(0);
  const double pixelX = 40 / form->View().Panel(0).area.width();
  EXPECT_NEAR(zoomed.x.min, 10, 2 * pixelX);
  EXPECT_NEAR(zoomed.x.max, 30, 2 * pixelX);
  // A click without a drag changes nothing.
  QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->rect().center());
  EXPECT_EQ(form->View().Range(0).x.min, zoomed.x.min);
  // Right-clicks double the range until it is whole again.
  for (int k = 0; k < 3; ++k) {
    QTest::mouseClick(canvas, Qt::RightButton, {}, form->View().Panel(0).area.center().toPoint());
  }
  EXPECT_EQ(form->View().Range(0).x.min, 0);
  EXPECT_EQ(form->View().Range(0).x.max, 40);
}

TEST_F(PlotWindow, TheCaptionShowsThePointersCoordinatesClampedToTheArea) {
  TPlotForm* form = open();
  const QRectF plotArea = form->View().Panel(0).area;
  const struct {
    QPoint at;
    const char* caption;
  } cases[] = {
      {plotArea.topLeft().toPoint(), "Skin X: 0 Y: 0"},
      {plotArea.bottomRight().toPoint() + QPoint(30, 30), "Skin X: 40 Y: 25"},
      {pixel(form, 10, 5), nullptr},
  };
  for (const auto& c : cases) {
    QTest::mouseMove(form->Canvas(), c.at);
    if (c.caption != nullptr) {
      EXPECT_EQ(form->windowTitle(), c.caption);
    } else {
      const QRegularExpression shown(QStringLiteral("^Skin X: ([-0-9.E]+) Y: ([-0-9.E]+)$"));
      const QRegularExpressionMatch match = shown.match(form->windowTitle());
      ASSERT_TRUE(match.hasMatch()) << form->windowTitle().toStdString();
      EXPECT_NEAR(match.captured(1).toDouble(), 10, 0.1);
      EXPECT_NEAR(match.captured(2).toDouble(), 5, 0.1);
    }
  }
}

TEST_F(PlotWindow, DoubleClickingALegendEntryTogglesItsCurve) {
  TPlotForm* form = open();
  TPlotLegendBox* legend = form->Legend();
  const LegendMetrics metrics =
      MeasureLegend(plot, form->View().Surface().ppx, form->View().Surface().ppy);
  // The middle of the second entry.
  const QPoint second(legend->width() / 2,
                      static_cast<int>(metrics.itemHeight / 8 + 1.5 * metrics.itemHeight));
  EXPECT_EQ(legend->CurveAt(second.y()), 1);
  QTest::mouseDClick(legend, Qt::LeftButton, {}, second);
  EXPECT_FALSE(plot.Line(1).Visible);
  EXPECT_FALSE(form->Action("Curve2")->isChecked());
  EXPECT_EQ(LegendEntries(plot).at(1).text, "Curve #2");
  EXPECT_EQ(LegendEntries(plot).at(0).text, "Curve #1 *");
  // The menu item toggles it back.
  form->Action("Curve2")->trigger();
  EXPECT_TRUE(plot.Line(1).Visible);
}

TEST_F(PlotWindow, TheLegendIsDraggedAndStaysInsideTheWindow) {
  TPlotForm* form = open();
  TPlotLegendBox* legend = form->Legend();
  const QPoint grab(5, 5);
  QTest::mousePress(legend, Qt::LeftButton, {}, grab);
  QTest::mouseMove(legend, grab - QPoint(2000, 2000));
  QTest::mouseRelease(legend, Qt::LeftButton, {}, grab - QPoint(2000, 2000));
  EXPECT_EQ(legend->pos(), QPoint(0, 0));
  // It keeps that place when the window is laid out again.
  form->Relayout(false);
  EXPECT_EQ(legend->pos(), QPoint(0, 0));
  // Hidden and shown again by the menu.
  form->Action("ShowLegendItem")->trigger();
  EXPECT_FALSE(legend->isVisible());
  EXPECT_FALSE(plot.ShowLegend);
}

TEST_F(PlotWindow, TheMenuSetsMarkersFontSizeLineWidthAndLayers) {
  plot.SetLineCount(1, LineList::kLayers);
  plot.Line(0, LineList::kLayers).Points = {{7, 10}};
  TPlotForm* form = open();
  const double labelHeight = form->View().LabelHeight();
  const struct {
    const char* item;
    std::function<int()> value;
    int expected;
  } cases[] = {
      {"Markers3", [this] { return plot.Markers; }, 3},
      {"Markers0", [this] { return plot.Markers; }, 0},
      {"FontSize25", [this] { return plot.SizeFont; }, 25},
      {"LineWidth6", [this] { return plot.WidthLine; }, 6},
  };
  for (const auto& c : cases) {
    form->Action(QLatin1String(c.item))->trigger();
    EXPECT_EQ(c.value(), c.expected) << c.item;
    EXPECT_TRUE(form->Action(QLatin1String(c.item))->isChecked()) << c.item;
  }
  EXPECT_EQ(form->findChild<QMenu*>("MarkersMenu")->title(), "Show &Markers");
  EXPECT_EQ(form->Action("Markers3")->text(), "Every &3 Incrments");
  EXPECT_EQ(form->Action("Markers10")->text(), "Every &10 Incements");
  // Labels at 2.5 times their size.
  EXPECT_GT(form->View().LabelHeight(), 2 * labelHeight);

  QAction* layers = form->Action("ShowSoilLayerItem");
  EXPECT_TRUE(layers->isVisible());
  layers->trigger();
  EXPECT_TRUE(plot.ShowLayers);
  EXPECT_FALSE(form->View().LayerStrip().isEmpty());
  // Without ShowFontWidth the font and width menus are not offered.
  form->close();
  QApplication::processEvents();
  plot.ShowFontWidth = false;
  form = open();
  EXPECT_FALSE(form->findChild<QMenu*>("FontSizeMenu")->menuAction()->isVisible());
  EXPECT_FALSE(form->findChild<QMenu*>("LineWidthMenu")->menuAction()->isVisible());
}

TEST_F(PlotWindow, TheTitleDialogSetsTheTitleAndItsPlace) {
  TPlotForm* form = open();
  const double top = form->View().Panel(0).area.top();
  whenModal<QDialog>([](QDialog* dialog) {
    ASSERT_EQ(dialog->windowTitle(), "Graph Caption");
    dialog->findChild<QLineEdit*>("TitleEdit")->setText(QStringLiteral("Pier 4"));
    dialog->findChild<QRadioButton*>("TopButton")->setChecked(true);
    dialog->findChild<QPushButton*>("OkButton")->click();
  });
  form->Action("GraphTitleItem")->trigger();
  EXPECT_EQ(plot.Title, "Pier 4");
  EXPECT_EQ(plot.TitleAt, TitlePosition::kTop);
  EXPECT_GT(form->View().Panel(0).area.top(), top);
}

TEST_F(PlotWindow, TheLegendDialogRenamesCurvesAndRefusesAnEmptyName) {
  TfrmLineNames dialog(plot, dialogs);
  EXPECT_EQ(dialog.windowTitle(), "Legend");
  auto* list = dialog.findChild<QListWidget*>("NameList");
  auto* edit = dialog.findChild<QLineEdit*>("NameEdit");
  list->setCurrentRow(2);
  EXPECT_EQ(edit->text(), "Curve #3");
  // The edit shows the curve's colour: red for the third active curve.
  EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 0, 0));
  edit->setText(QStringLiteral("Dia=4 ft"));
  QTest::keyClick(edit, Qt::Key_Return);
  edit->setText(QString());
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(dialogs.Messages(), QStringList{"The line must have a name!"});
  EXPECT_EQ(edit->text(), "Dia=4 ft");
  EXPECT_EQ(dialog.Names(), (QStringList{"Curve #1", "Curve #2", "Dia=4 ft"}));
  dialog.StoreNames();
  EXPECT_EQ(plot.Line(2).Name, "Dia=4 ft");
  EXPECT_EQ(plot.Line(0).Name, "Curve #1");
}

TEST_F(PlotWindow, TheActiveCurvesDialogSetsWhichCurvesTheWindowLists) {
  TPlotForm* form = open();
  whenModal<TfrmActiveLines>([](TfrmActiveLines* dialog) {
    auto* list = dialog->findChild<QTreeWidget*>("CurveList");
    EXPECT_EQ(list->topLevelItem(0)->text(1), " yes : ");
    dialog->DeactivateAll();
    EXPECT_EQ(list->topLevelItem(0)->text(1), " no  : ");
    list->topLevelItem(0)->setSelected(true);
    list->topLevelItem(2)->setSelected(true);
    dialog->findChild<QPushButton*>("ToggleSelectedButton")->click();
    EXPECT_EQ(dialog->Statuses(), (std::vector<bool>{true, false, true}));
    dialog->findChild<QPushButton*>("OkButton")->click();
  });
  form->Action("ActiveCurvesItem")->trigger();
  EXPECT_FALSE(plot.Line(1).Active);
  EXPECT_EQ(form->Action("Curve2"), nullptr);
  ASSERT_EQ(LegendEntries(plot).size(), 2u);
  // Colours count the active curves: the third curve now draws blue.
  EXPECT_EQ(LegendEntries(plot).at(1).colour, QColor(0, 0, 255));
}

TEST_F(PlotWindow, PrintsOnePageWithinThePageSetup) {
  TPlotForm* form = open();
  TestFolder folder;
  const QString pdf = QString::fromStdString(folder.file("printed.pdf"));
  dialogs.OnPageSetup = [](QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    return true;
  };
  dialogs.OnPrint = [&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  form->Action("PageSetupItem")->trigger();
  form->Action("PrintItem")->trigger();
  const QString text = QString::fromLatin1(contentsOf(pdf));
  // One letter page, 11 by 8.5 inches in points.
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
  EXPECT_TRUE(text.contains(
      QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 792(\\.0*)? 612(\\.0*)?\\]"))));
  EXPECT_TRUE(text.contains(QStringLiteral("/Title")));
}

TEST_F(PlotWindow, SavesThePictureWithTheChosenAttributes) {
  TPlotForm* form = open();
  TestFolder folder;
  // A name typed without an extension takes the chosen filter's: PNG.
  dialogs.QueueFile(QString::fromStdString(folder.file("figure")), 1);
  whenModal<QDialog>([](QDialog* dialog) {
    ASSERT_EQ(dialog->windowTitle(), "Save Attributes");
    dialog->findChild<TDataEdit*>("WidthEdit")->setText(QStringLiteral("3"));
    dialog->findChild<TDataEdit*>("PixelsPerInchEdit")->setText(QStringLiteral("100"));
    dialog->findChild<QRadioButton*>("TrueColorButton")->setChecked(true);
    dialog->accept();
  });
  form->Action("SaveToDiskItem")->trigger();
  const QImage saved(QString::fromStdString(folder.file("figure.png")));
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), QSize(300, 400));  // 3 by 4 inches at 100 pixels per inch
  EXPECT_EQ(dialogs.Calls().front().filters.front(), "Bitmap (*.bmp)");

  // A bitmap beyond the memory is refused with the message.
  dialogs.QueueFile(QString::fromStdString(folder.file("huge.bmp")), 0);
  whenModal<QDialog>([](QDialog* dialog) {
    dialog->findChild<TDataEdit*>("WidthEdit")->setText(QStringLiteral("5000"));
    dialog->findChild<TDataEdit*>("HeightEdit")->setText(QStringLiteral("5000"));
    dialog->findChild<TDataEdit*>("PixelsPerInchEdit")->setText(QStringLiteral("600"));
    dialog->accept();
  });
  form->Action("SaveToDiskItem")->trigger();
  EXPECT_EQ(dialogs.Messages(), QStringList{"There is not enough memory to complete this task."});
}

TEST_F(PlotWindow, CtrlCCopiesThePlotAsAnImage) {
  TPlotForm* form = open();
  QApplication::clipboard()->clear();
  form->Canvas()->setFocus();
  QTest::keyClick(form->Canvas(), Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.size(), form->Canvas()->size());
  // The legend is part of the picture: its first entry's colour is there.
  bool black = false;
  const QRectF box = form->View().LegendBox();
  for (int x = static_cast<int>(box.left()) + 3; x < box.right() - 3 && !black; ++x) {
    for (int y = static_cast<int>(box.top()) + 3; y < box.bottom() - 3 && !black; ++y) {
      black = qGray(copied.pixel(x, y)) < 64;
    }
  }
  EXPECT_TRUE(black);
}

}  // namespace
