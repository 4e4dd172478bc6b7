// TDlgSideView, "Elevation View": the drilled shaft drawn to scale in its
// soil profile, an MDI child of the main window. Each activation rebuilds
// the picture from the current project (edits made elsewhere show when the
// view is activated again); a resize fits it anew at equal scales. Moving
// the pointer shows its depth in the caption. "Print" prints the picture on
// one landscape page; the view's menu (right button) saves it as PNG, SVG or
// PDF, and Ctrl+C copies it as an image.
//
// When the fit fails (an area without height, a world window without
// width) the view is disabled: it stays blank and the read-out stops.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/elevation_drawing.h"
#include "core/elevation_geometry.h"

class QLabel;
class QMdiSubWindow;
class QPainter;
class QPushButton;
class TDialogs;
class TProgramData;

class TDlgSideView : public QWidget {
  Q_OBJECT

 public:
  TDlgSideView(TProgramData& project, TDialogs& dialogs, QWidget* parent = nullptr);

  // Rebuilds the outline and the world window from the project, then fits
  // and repaints (nothing once disabled).
  void FormActivate();
  // Connects activation of the sub-window that holds the view.
  void SetSubWindow(QMdiSubWindow* window);

  bool Disabled() const { return disabled_; }
  // The area the picture fills, below the label and the buttons.
  QWidget* Canvas() const { return canvas_; }
  QSize sizeHint() const override;
  const Elevation& View() const { return view_; }
  // The fitted display window of the canvas.
  const WorldWindow& Display() const { return display_; }
  // The picture as the screen shows it, at `size` pixels.
  QImage Picture(const QSize& size) const;
  // Paints the picture onto `device` laid out as a printed page (a printer
  // or a PDF writer's page).
  void PaintPage(QPaintDevice& device) const;
  // Writes the picture as the screen shows it: PNG, or an SVG or PDF
  // drawing of the window's size, by the file name's extension. False when
  // it cannot be written.
  bool SavePicture(const QString& path) const;

 public slots:
  // "Print": one landscape page titled "Soil-Pile Profile" after the print
  // dialog.
  void PrintClick();
  // Asks for a file and saves the picture.
  void SaveClick();
  // Ctrl+C: the picture as an image on the clipboard.
  void CopyToClipboard();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void fit();
  void paintCanvas();
  void showDepthAt(const QPointF& at);
  void paintPicture(QPainter& painter, const QSize& pixels) const;
  ElevationColours screenColours() const;

  TProgramData& project_;
  TDialogs& dialogs_;
  QLabel* label_ = nullptr;
  QPushButton* print_ = nullptr;
  QWidget* canvas_ = nullptr;
  Elevation view_;
  WorldWindow display_;
  bool disabled_ = false;
};
