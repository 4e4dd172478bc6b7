// The table window of a grid table (the soil-layer table D and every
// sub-table): a grid with header rows and a row column, drop-down lists
// over enumeration cells, sub-table buttons, typed expressions committed on
// moving, Enter, leaving and closing, and the row buttons.
//
// A table has at most one window; the window keeps the table's WindowOpen
// set while it exists and installs itself in the table's OnCellChanged and
// OnResize (keeping the handlers found there). When the table is destroyed
// (a layer deleted, a soil type changed), its window closes without
// touching it. Every message goes through the TDialogs given, which must
// outlive the window.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QModelIndex;
class QPushButton;
class TDialogs;
class TGridCellDelegate;
class TGridTable;
class TGridTableModel;
class TGridView;
struct TGridExtent;
struct TWindowChrome;

class TTableForm : public QWidget {
  Q_OBJECT

 public:
  // Shows the window of `table`, creating it when there is none: an MDI
  // child of `area` in normal state (without an area, a window of its own).
  // An open window is brought to the front. Nothing when the table has no
  // visible column. Returns the window, or nullptr.
  static TTableForm* ShowWindow(TGridTable& table, QMdiArea* area, TDialogs& dialogs);
  // The same as a modal window over `parent`; returns when it is closed.
  // The sub-tables it opens are modal too.
  static void ShowWindowModal(TGridTable& table, QWidget* parent, TDialogs& dialogs);
  // Closes the window of `table` when it is open, whatever is typed in it:
  // a valid entry is stored, a refused one dropped after its message.
  static void CloseWindow(TGridTable& table);
  static bool HasWindow(const TGridTable& table);
  static TTableForm* WindowOf(const TGridTable& table);

  // Stores the pending edit of the current cell into the table; false (with
  // the message shown and the focus kept) when the entry is refused.
  bool FormDeactivate();
  // The caption of the table shown ("Soil Layer Data", "Sand Layer Data");
  // "" once the table is gone.
  QString TableCaption() const;

  ~TTableForm() override;
  // The window's client size: the grid sized to whole columns and rows,
  // the row buttons and the comment label.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  TTableForm(TGridTable& table, TDialogs& dialogs, QWidget* parent);

  // Closing commits the current cell and is refused when the entry is.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // A size the user dragged is snapped to whole columns and rows.
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The last entry refused, kept so that leaving and deactivating (which
  // often come together) show its message once.
  struct Refusal {
    int row = -1;
    int column = -1;
    QString text;
  };

  TGridTable* table() const;
  void createWidgets();
  void setCaption();
  void Rebuild();
  void Relayout(int anchoredEdges = 0);
  void fitExtentToArea();
  QSize workAreaSize() const;
  TGridExtent presentExtent() const;
  TWindowChrome chrome() const;
  int buttonsExtent() const;
  int extraClientHeight(int clientWidth) const;
  QSize subWindowFrame() const;
  void resizeContainer(int anchoredEdges);
  void snapToDraggedSize();

  bool CommitCell(bool quietOnRepeat = false);
  bool GridSelectCell(const QModelIndex& target);
  QString editText(const QModelIndex& cell) const;
  int firstSelectableColumn(int from) const;
  void ensureCurrentCell();
  void focusEditor();
  void keepFocus();
  void bringToFront();

  void GridEnter();
  void GridEscape();
  void GridTab(bool forward);
  void GridExit();
  void windowActivated(QMdiSubWindow* window);
  void BtnAddClick();
  void BtnInsClick();
  void BtnDelClick();
  void ListItemChosen(int row, int column, int item);
  void CellButtonClick(int row, int column);
  bool rowCommandAllowed(int& row);

  void closeForced();
  void tableGone();
  void detach();
  static void refreshCaptions();

  TDialogs& dialogs_;
  const TGridTable* key_;  // the table's entry in the list of open windows
  TGridTableModel* model_ = nullptr;
  TGridCellDelegate* delegate_ = nullptr;
  TGridView* Grid = nullptr;
  QPushButton* BtnAdd = nullptr;
  QPushButton* BtnIns = nullptr;
  QPushButton* BtnDel = nullptr;
  QLabel* lblComments = nullptr;

  QPointer<QMdiSubWindow> subWindow_;
  QPointer<QDialog> dialog_;
  bool modal_ = false;
  bool registered_ = true;
  bool forcedClose_ = false;
  bool wasActive_ = false;

  // Window state: the data columns and rows the grid's size shows, and the
  // first of each in view.
  int ShownColumns = 0;
  int ShownRows = 0;
  int firstColumn_ = 0;
  int topRow_ = 0;

  // Pixel sizes, from the font and the screen's pixels per inch.
  int margin_ = 0;
  QSize buttonSize_;
  QSize clientSize_;

  QRect lastGeometry_;  // of the MDI child, as last laid out or moved
  Refusal refused_;
  int savedRow_ = 0;
  int savedColumn_ = -1;
  bool resetting_ = false;
  bool relayingOut_ = false;
  bool snapPending_ = false;
};
