// The table window's logic over a grid table (grid_table.h), free of
// widgets so that it is tested without a display:
// - TGridTableModel, the QAbstractTableModel that a QTableView shows: one
//   view row per table row, one view column per visible table column, the
//   header lines as the horizontal header and the row-group numbers as the
//   vertical one;
// - GridColumnMinWidth, the width a column asks for;
// - GridSize and SnapGridExtent, the sizing of the window to whole columns
//   and rows.
// All sizes are in pixels.
#pragma once

#include <QAbstractTableModel>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QFontMetrics;
class TColumn;
class TGridTable;

// What covers the cells of a column in the window: nothing (typed text), a
// drop-down list (enumeration columns) or a push button (sub-table columns).
enum class TCellControl { kNone, kDropDown, kButton };

class TGridTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Data roles beyond Qt's.
  enum Role {
    kControlRole = Qt::UserRole,  // int: the TCellControl of the cell's column
    kItemsRole,                   // QStringList: the items of a drop-down cell
    kItemNumberRole,              // int: the 1-based item number of a drop-down cell
    kButtonCaptionRole,           // QString: "3: Sand Layer Data" for a button cell
  };

  // Installs the model's handlers as the table's OnCellChanged and OnResize;
  // the handlers found there keep running first. Destroying the model puts
  // them back. When the table is destroyed first, the model becomes empty
  // and emits tableDestroyed.
  explicit TGridTableModel(TGridTable& table, QObject* parent = nullptr);
  ~TGridTableModel() override;
  // Puts the table's earlier handlers back and shows no table from now on,
  // as the destructor does.
  void release();

  // nullptr once the table is destroyed.
  TGridTable* Table() const { return table_; }
  // The table column shown in view column `column`.
  TColumn& Column(int column) const;
  TCellControl ControlOf(int column) const;
  // The number of header rows: the most header lines of a visible column.
  int HeaderRows() const;
  // The header lines of a view column, padded with empty lines to
  // HeaderRows; a float column's last line carries its unit label.
  QStringList HeaderLines(int column) const;
  // The sub-table in a button cell; nullptr for an empty one.
  TGridTable* SubTable(int row, int column) const;
  // Every text that a column's cell controls may show: a list's items; for
  // buttons, the captions of the present rows and those of each kind of
  // sub-table at the largest row number (RowCount or MaxRows). Empty for a
  // column without controls.
  QStringList ControlTexts(int column) const;

  // Passes typed text to the column's SetText for the row. Returns the
  // message of a refusal (evaluation or range error, line breaks as "\n"),
  // or an empty string when the value is stored.
  QString commitText(int row, int column, const QString& text);
  // Sets a drop-down cell to item `item` (1-based).
  void chooseItem(int row, int column, int item);
  // The table's row commands, each as one model reset; the table's resize
  // notification is not passed on as tableResized for them.
  void addRowGroup();
  void insertRowGroup(int row);
  void deleteRowGroup(int row);
  // Tells the views that every cell may show new text.
  void refreshTexts();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // EditRole: typed text for text cells, an item number for drop-down cells.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  // The table changed its row count or unit system by itself (not through
  // the row commands above); the model has been reset.
  void tableResized();
  void tableDestroyed();

 private:
  struct Lifetime;

  void cellChanged(int tableColumn, int row);
  void resized();
  void lostTable();
  template <class Command>
  void runRowCommand(Command command);

  TGridTable* table_;
  std::function<void(int, int)> previousCellChanged_;
  std::function<void()> previousResize_;
  std::weak_ptr<Lifetime> lifetime_;
  bool runningRowCommand_ = false;
};

// The width a column asks for: the widest of its header lines with two
// blanks added, at least the width of its kind (drop-down 1.5 inch, integer
// and float 0.5 inch, text its Width in inches, sub-table 2 inches).
int GridColumnMinWidth(const TColumn& column, const QFontMetrics& metrics, int pixelsPerInch);

// The sizes that the grid of a table window is built from.
struct TGridMetrics {
  int fixedWidth = 0;  // the row-number column
  std::vector<int> columnWidths;
  int headerHeight = 0;  // all header rows
  int rowHeight = 0;
  int rowCount = 0;
  int frame = 0;  // the grid's frame on each side
  int verticalBarWidth = 0;
  int horizontalBarHeight = 0;
};

// The part of the table that the grid shows.
struct TGridExtent {
  int firstColumn = 0;
  int shownColumns = 0;
  int topRow = 0;
  int shownRows = 0;

  bool operator==(const TGridExtent&) const = default;
};

// The grid's size for an extent: the fixed column, the shown columns from
// the first one, the header and the shown rows, the frame, and a scroll bar
// in each direction where not everything shows.
QSize GridSize(const TGridMetrics& metrics, const TGridExtent& extent);

// What the window puts around its grid.
struct TWindowChrome {
  int minimumGridWidth = 0;  // the row buttons' extent: the grid area is never narrower
  int extraWidth = 0;        // margins and window frame, left and right together
  // Margins, row buttons, comment label and window frame, top and bottom
  // together, for a window of the given width.
  std::function<int(int windowWidth)> extraHeight;
};

QSize WindowSize(const TGridMetrics& metrics, const TGridExtent& extent,
                 const TWindowChrome& chrome);

// The window borders that the user drags, as flags.
enum TDraggedEdge { kLeftEdge = 1, kTopEdge = 2, kRightEdge = 4, kBottomEdge = 8 };

struct TSnappedGrid {
  TGridExtent extent;
  QSize windowSize;
};

// While a window border is dragged (`dragged` is the window's outer size):
// the extent and window size, among four candidates (no scroll bar,
// vertical only, horizontal only, both), whose rectangle lies least outside
// the dragged one; ties go to the earlier. With a horizontal bar, columns
// are taken from the present first one to the right, then to the left,
// while they fit (at least one); with a vertical bar, as many rows as fit
// (at least one), the top row moved up where the rows below run out. A
// drag of only the top or bottom border keeps the shown columns, of only
// the left or right border the shown rows. A candidate counts only when its
// extent needs the scroll bars it has; the first one always counts.
TSnappedGrid SnapGridExtent(const TGridMetrics& metrics, const TGridExtent& present,
                            const TWindowChrome& chrome, QSize dragged, int draggedEdges);

// The present extent made small enough for a window of at most `available`
// (outer size), as a window opens inside its work area: columns are dropped
// from the right and rows from the bottom, scroll bars taking their place,
// down to one column and one row. It never shows more than the present
// extent; an extent that fits stays as it is.
TGridExtent FitGridExtent(const TGridMetrics& metrics, const TGridExtent& present,
                          const TWindowChrome& chrome, QSize available);
