// The elevation view in the main window: one at start-up, the command's own
// view brought to the front until closed, a rebuild on every activation,
// the depth read-out, the disabled state, printing and the picture exports.
#include <QClipboard>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

#include "app/widgets/main_window_fixture.h"
#include "core/elevation_geometry.h"
#include "core/program_data.h"
#include "widgets/elevation_view.h"

namespace bormek::ui_testing {
namespace {

// B = 3 ft, L = 40 ft, no bell, clay to 20 ft over sand to 50 ft.
QStringList elevationProject() {
  return {"Elevation",   "1",      "2 1 1.0 5.0 1 2",        "3 3 0 0 0 0 3600000",
          "2 10 40 2 3", "2 20",   "0 120 0 1500 8 0 0 1 1", "0 120 0 1800 8 0 0 1 1",
          "0.55 0.55",   "1 50",   "0 120 32 0 15 0 0 1 1",  "0 120 34 0 20 0 0 1 1",
          "1",           "0.4 0.5"};
}

class ElevationView : public MainWindow {
 protected:
  QList<TDlgSideView*> views() const {
    QList<TDlgSideView*> found;
    for (QMdiSubWindow* window : form_->mdiArea()->subWindowList()) {
      if (auto* view = qobject_cast<TDlgSideView*>(window->widget())) {
        found.push_back(view);
      }
    }
    return found;
  }
  TDlgSideView* activeView() const {
    QMdiSubWindow* active = form_->mdiArea()->activeSubWindow();
    return active != nullptr ? qobject_cast<TDlgSideView*>(active->widget()) : nullptr;
  }
  // The document title of a PDF: a literal or hex string, in UTF-16 after a
  // byte-order mark or in plain bytes.
  static QString pdfTitle(const QByteArray& pdf) {
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("/Title\\s*(?:\\(([^)]*)\\)|<([0-9A-Fa-f]+)>)"))
            .match(QString::fromLatin1(pdf));
    if (!title.hasMatch()) {
      return {};
    }
    const QByteArray bytes = title.captured(1).isEmpty()
                                 ? QByteArray::fromHex(title.captured(2).toLatin1())
                                 : title.captured(1).toLatin1();
    if (!bytes.startsWith("\xfe\xff")) {
      return QString::fromLatin1(bytes);
    }
    QString text;
    for (qsizetype k = 2; k + 1 < bytes.size(); k += 2) {
      text += QChar(static_cast<char16_t>((static_cast<unsigned char>(bytes[k]) << 8) |
                                          static_cast<unsigned char>(bytes[k + 1])));
    }
    return text;
  }
  static QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

TEST_F(ElevationView, OneViewAtStartAndTheCommandsOwnUntilItIsClosed) {
  start({write(QStringLiteral("e.bkd"), elevationProject())});
  ASSERT_EQ(views().size(), 1);
  TDlgSideView* first = views().front();
  EXPECT_EQ(first->View().outline.size(), 1u);  // the project's straight shaft

  form_->Action(QStringLiteral("ViewElevationItem"))->trigger();
  QApplication::processEvents();
  ASSERT_EQ(views().size(), 2);
  TDlgSideView* remembered = activeView();
  ASSERT_NE(remembered, nullptr);
  EXPECT_NE(remembered, first);

  // Later uses bring the same view to the front.
  form_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
  clickButton("SoilProfileButton");
  QApplication::processEvents();
  EXPECT_EQ(views().size(), 2);
  EXPECT_EQ(activeView(), remembered);

  // Once it is closed, the next use makes a new one.
  remembered->parentWidget()->close();
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(views().size(), 1);
  form_->Action(QStringLiteral("ViewElevationItem"))->trigger();
  QApplication::processEvents();
  EXPECT_EQ(views().size(), 2);
}

TEST_F(ElevationView, EveryActivationRebuildsFromTheProjectWithoutChangingIt) {
  start({write(QStringLiteral("e.bkd"), elevationProject())});
  TProgramData& project = form_->Project();
  // A bell of ratio 3 at 45 degrees: the rebuilt outline has its bell.
  project.BellRatio() = 3;
  project.BellAngle() = 45;
  project.ShaftLength() = 0;
  project.SetModified(false);
  form_->Action(QStringLiteral("ViewElevationItem"))->trigger();
  QApplication::processEvents();
  TDlgSideView* view = activeView();
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->View().outline.size(), 2u);
  EXPECT_EQ(view->View().outline[1].d.x, 4.5L);
  // No shaft length: the view draws to the last layer's 50 ft and the
  // project keeps its 0, unmodified.
  EXPECT_EQ(view->View().shaftLength, 50);
  EXPECT_EQ(project.ShaftLength(), 0);
  EXPECT_FALSE(project.Modified());
}

TEST_F(ElevationView, ThePointerDepthShowsInTheCaptionUntilTheViewIsDisabled) {
  start({write(QStringLiteral("e.bkd"), elevationProject())});
  TDlgSideView* view = views().front();
  QWidget* canvas = view->Canvas();
  // The ground line lies at world y = 2B = 6: the pixel row the mapping
  // gives for it reads back within one pixel's worth of 6.
  const PixelPoint ground =
      WorldToPixel(view->Display(), canvas->width(), canvas->height(), {0, 6});
  QTest::mouseMove(canvas, QPoint(canvas->width() / 2, ground.y));
  QApplication::processEvents();
  const QString caption = view->windowTitle();
  ASSERT_TRUE(caption.startsWith(QStringLiteral("  Depth: "))) << caption.toStdString();
  const double depth = caption.mid(9).toDouble();
  const double perPixel =
      static_cast<double>(view->Display().yMax - view->Display().yMin) / view->height();
  EXPECT_NEAR(depth, 6.0, perPixel + 0.05) << caption.toStdString();

  // No client height: the fit fails and the view stays disabled.
  canvas->resize(canvas->width(), 0);
  EXPECT_TRUE(view->Disabled());
  view->setWindowTitle(QStringLiteral("Elevation View"));
  QTest::mouseMove(canvas, QPoint(5, 0));
  QApplication::processEvents();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Elevation View"));
}

TEST_F(ElevationView, PrintingGivesOneLandscapePageTitledSoilPileProfile) {
  start({write(QStringLiteral("e.bkd"), elevationProject())});
  const QString pdf = folder_.filePath(QStringLiteral("profile.pdf"));
  dialogs_.OnPrint = [&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  TDlgSideView* view = views().front();
  QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("PrintButton")), Qt::LeftButton);
  const QString text = QString::fromLatin1(contentsOf(pdf));
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
  const QRegularExpressionMatch box =
      QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(text);
  ASSERT_TRUE(box.hasMatch());
  EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble()) << "landscape";
  EXPECT_EQ(pdfTitle(contentsOf(pdf)), QStringLiteral("Soil-Pile Profile"));
}

TEST_F(ElevationView, ThePictureIsSavedAsPngSvgAndPdfAndCopied) {
  start({write(QStringLiteral("e.bkd"), elevationProject())});
  TDlgSideView* view = views().front();
  const QString png = folder_.filePath(QStringLiteral("e.png"));
  const QString svg = folder_.filePath(QStringLiteral("e.svg"));
  const QString pdf = folder_.filePath(QStringLiteral("e.pdf"));
  dialogs_.QueueFile(png);
  QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
  const QImage saved(png);
  ASSERT_FALSE(saved.isNull());
  QWidget* canvas = view->Canvas();
  EXPECT_EQ(saved.size(), canvas->size());
  // The shaft's axis at mid-height lies inside the filled outline.
  const PixelPoint axis = WorldToPixel(view->Display(), canvas->width(), canvas->height(), {0, 30});
  EXPECT_EQ(saved.pixel(axis.x, axis.y), view->palette().color(QPalette::Text).rgb());

  ASSERT_TRUE(view->SavePicture(svg));
  QSvgRenderer drawing(svg);
  EXPECT_TRUE(drawing.isValid());
  ASSERT_TRUE(view->SavePicture(pdf));
  EXPECT_TRUE(contentsOf(pdf).startsWith("%PDF"));

  QTest::keySequence(view, QKeySequence::Copy);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), canvas->size());
}

}  // namespace
}  // namespace bormek::ui_testing
