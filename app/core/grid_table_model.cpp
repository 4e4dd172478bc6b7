#include "core/grid_table_model.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <string>

#include "core/display_lines.h"
#include "core/grid_enum_column.h"
#include "core/grid_float_column.h"
#include "core/grid_int_column.h"
#include "core/grid_string_column.h"
#include "core/grid_table.h"
#include "core/grid_table_column.h"

namespace {

int sizeOf(const std::vector<int>& values) {
  return static_cast<int>(values.size());
}

}  // namespace

// Held only by the handlers that the model installs in its table, so it is
// destroyed with the table's handlers: when the table itself is destroyed,
// or when the model puts the earlier handlers back (after clearing the
// callback).
struct TGridTableModel::Lifetime {
  std::function<void()> onTableDestroyed;

  ~Lifetime() {
    if (onTableDestroyed) {
      onTableDestroyed();
    }
  }
};

TGridTableModel::TGridTableModel(TGridTable& table, QObject* parent)
    : QAbstractTableModel(parent),
      table_(&table),
      previousCellChanged_(table.OnCellChanged),
      previousResize_(table.OnResize) {
  auto lifetime = std::make_shared<Lifetime>();
  lifetime->onTableDestroyed = [this] { lostTable(); };
  lifetime_ = lifetime;
  // Both handlers hold the lifetime, so replacing one of them alone does not
  // count as the table's end.
  table.OnCellChanged = [this, lifetime](int column, int row) {
    if (previousCellChanged_) {
      previousCellChanged_(column, row);
    }
    cellChanged(column, row);
  };
  table.OnResize = [this, lifetime] {
    if (previousResize_) {
      previousResize_();
    }
    resized();
  };
}

TGridTableModel::~TGridTableModel() {
  release();
}

void TGridTableModel::release() {
  if (table_ == nullptr) {
    return;
  }
  // Putting the handlers back destroys the lifetime; the table lives on.
  const std::shared_ptr<Lifetime> lifetime = lifetime_.lock();
  if (lifetime) {
    lifetime->onTableDestroyed = nullptr;
  }
  TGridTable* table = table_;
  beginResetModel();
  table_ = nullptr;
  endResetModel();
  table->OnCellChanged = previousCellChanged_;
  table->OnResize = previousResize_;
}

TColumn& TGridTableModel::Column(int column) const {
  return table_->VisibleColumns(column);
}

TCellControl TGridTableModel::ControlOf(int column) const {
  const TColumn& shown = Column(column);
  if (dynamic_cast<const TEnumColumn*>(&shown) != nullptr) {
    return TCellControl::kDropDown;
  }
  if (dynamic_cast<const TTableColumn*>(&shown) != nullptr) {
    return TCellControl::kButton;
  }
  return TCellControl::kNone;
}

int TGridTableModel::HeaderRows() const {
  int rows = 0;
  for (int column = 0; column < columnCount(); ++column) {
    rows = std::max(rows, Column(column).HeaderLineCount());
  }
  return rows;
}

QStringList TGridTableModel::HeaderLines(int column) const {
  const TColumn& shown = Column(column);
  QStringList lines;
  for (int line = 0; line < shown.HeaderLineCount(); ++line) {
    lines.append(QString::fromStdString(shown.HeaderLine(line)));
  }
  while (lines.size() < HeaderRows()) {
    lines.append(QString());
  }
  return lines;
}

TGridTable* TGridTableModel::SubTable(int row, int column) const {
  return Column(column).GetTable(row);
}

QStringList TGridTableModel::ControlTexts(int column) const {
  QStringList texts;
  const TColumn& shown = Column(column);
  if (const auto* list = dynamic_cast<const TEnumColumn*>(&shown)) {
    for (const std::string& item : list->Items) {
      texts.append(QString::fromStdString(item));
    }
  } else if (const auto* subTables = dynamic_cast<const TTableColumn*>(&shown)) {
    for (int row = 0; row < rowCount(); ++row) {
      texts.append(QString::fromStdString(table_->ButtonCaption(row)));
    }
    const int lastRow = std::max(table_->RowCount(), table_->MaxRows);
    for (int identifier : subTables->Templates) {
      if (const TGridTable* kind = table_->FindTemplate(identifier)) {
        texts.append(
            QStringLiteral("%1: %2").arg(lastRow).arg(QString::fromStdString(kind->Caption)));
      }
    }
  }
  return texts;
}

QString TGridTableModel::commitText(int row, int column, const QString& text) {
  try {
    Column(column).SetText(row, text.toStdString());
  } catch (const std::exception& error) {
    return DisplayLines(error.what());
  }
  return {};
}

void TGridTableModel::chooseItem(int row, int column, int item) {
  Column(column).SetInteger(row, item);
}

void TGridTableModel::addRowGroup() {
  runRowCommand([this] { table_->AddRowGroup(); });
}

void TGridTableModel::insertRowGroup(int row) {
  runRowCommand([this, row] { table_->InsertRowGroup(row); });
}

void TGridTableModel::deleteRowGroup(int row) {
  runRowCommand([this, row] { table_->DeleteRowGroup(row); });
}

void TGridTableModel::refreshTexts() {
  if (rowCount() > 0 && columnCount() > 0) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  }
}

int TGridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || table_ == nullptr ? 0 : table_->RowCount();
}

int TGridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || table_ == nullptr ? 0 : table_->VisibleColumnCount();
}

QVariant TGridTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
    return {};
  }
  const int row = index.row();
  const TCellControl control = ControlOf(index.column());
  const TColumn& column = Column(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (control == TCellControl::kNone) {
        return QString::fromStdString(column.GetText(row));
      }
      if (control == TCellControl::kDropDown && role == Qt::EditRole) {
        return column.GetInteger(row);
      }
      return {};
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case kControlRole:
      return static_cast<int>(control);
    case kItemsRole:
      return control == TCellControl::kDropDown ? QVariant(ControlTexts(index.column()))
                                                : QVariant();
    case kItemNumberRole:
      return control == TCellControl::kDropDown ? QVariant(column.GetInteger(row)) : QVariant();
    case kButtonCaptionRole:
      return control == TCellControl::kButton
                 ? QVariant(QString::fromStdString(table_->ButtonCaption(row)))
                 : QVariant();
    default:
      return {};
  }
}

QVariant TGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (table_ == nullptr) {
    return {};
  }
  if (orientation == Qt::Horizontal) {
    if (section < 0 || section >= columnCount()) {
      return {};
    }
    if (role == Qt::DisplayRole) {
      return HeaderLines(section).join(QLatin1Char('\n'));
    }
    if (role == Qt::TextAlignmentRole) {
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    }
    return {};
  }
  if (section < 0 || section >= rowCount()) {
    return {};
  }
  if (role == Qt::DisplayRole) {
    return section / table_->RowGroup() + 1;
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  }
  return {};
}

Qt::ItemFlags TGridTableModel::flags(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
    return Qt::NoItemFlags;
  }
  if (ControlOf(index.column()) != TCellControl::kNone) {
    return Qt::ItemIsEnabled;
  }
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TGridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
    return false;
  }
  switch (ControlOf(index.column())) {
    case TCellControl::kNone:
      return commitText(index.row(), index.column(), value.toString()).isEmpty();
    case TCellControl::kDropDown:
      chooseItem(index.row(), index.column(), value.toInt());
      return true;
    case TCellControl::kButton:
      break;
  }
  return false;
}

// Every value change shows in the cell's whole row: a new soil type also
// gives the row a new sub-table and so a new button caption.
void TGridTableModel::cellChanged(int, int row) {
  if (table_ == nullptr || runningRowCommand_ || row < 0 || row >= rowCount() ||
      columnCount() == 0) {
    return;
  }
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TGridTableModel::resized() {
  if (table_ == nullptr || runningRowCommand_) {
    return;
  }
  beginResetModel();
  endResetModel();
  emit tableResized();
}

void TGridTableModel::lostTable() {
  beginResetModel();
  table_ = nullptr;
  endResetModel();
  emit tableDestroyed();
}

template <class Command>
void TGridTableModel::runRowCommand(Command command) {
  beginResetModel();
  runningRowCommand_ = true;
  try {
    command();
  } catch (...) {
    runningRowCommand_ = false;
    endResetModel();
    throw;
  }
  runningRowCommand_ = false;
  endResetModel();
}

int GridColumnMinWidth(const TColumn& column, const QFontMetrics& metrics, int pixelsPerInch) {
  int width = 0;
  for (int line = 0; line < column.HeaderLineCount(); ++line) {
    width =
        std::max(width, metrics.horizontalAdvance(QString::fromStdString(column.HeaderLine(line)) +
                                                  QLatin1String("  ")));
  }
  double inches = 0;
  if (dynamic_cast<const TEnumColumn*>(&column) != nullptr) {
    inches = 1.5;
  } else if (dynamic_cast<const TIntColumn*>(&column) != nullptr ||
             dynamic_cast<const TFloatColumn*>(&column) != nullptr) {
    inches = 0.5;
  } else if (const auto* text = dynamic_cast<const TStringColumn*>(&column)) {
    inches = static_cast<double>(text->Width);
  } else if (dynamic_cast<const TTableColumn*>(&column) != nullptr) {
    inches = 2;
  }
  return std::max(width, static_cast<int>(std::lround(inches * pixelsPerInch)));
}

QSize GridSize(const TGridMetrics& metrics, const TGridExtent& extent) {
  const int columnCount = sizeOf(metrics.columnWidths);
  int width = 2 * metrics.frame + metrics.fixedWidth;
  const int end = std::min(columnCount, extent.firstColumn + extent.shownColumns);
  for (int column = std::max(extent.firstColumn, 0); column < end; ++column) {
    width += metrics.columnWidths[column];
  }
  if (extent.shownRows < metrics.rowCount) {
    width += metrics.verticalBarWidth;
  }
  int height = 2 * metrics.frame + metrics.headerHeight + extent.shownRows * metrics.rowHeight;
  if (extent.shownColumns < columnCount) {
    height += metrics.horizontalBarHeight;
  }
  return {width, height};
}

QSize WindowSize(const TGridMetrics& metrics, const TGridExtent& extent,
                 const TWindowChrome& chrome) {
  const QSize grid = GridSize(metrics, extent);
  const int width = std::max(grid.width(), chrome.minimumGridWidth) + chrome.extraWidth;
  const int extraHeight = chrome.extraHeight ? chrome.extraHeight(width) : 0;
  return {width, grid.height() + extraHeight};
}

namespace {

// The columns that fit in `available` pixels: from the present first one
// to the right, then to the left of it; at least one.
void fitColumns(const TGridMetrics& metrics, int firstColumn, int available, TGridExtent& extent) {
  const int columnCount = sizeOf(metrics.columnWidths);
  int first = std::clamp(firstColumn, 0, std::max(columnCount - 1, 0));
  int count = 0;
  int used = 0;
  while (first + count < columnCount && used + metrics.columnWidths[first + count] <= available) {
    used += metrics.columnWidths[first + count];
    ++count;
  }
  while (first > 0 && used + metrics.columnWidths[first - 1] <= available) {
    --first;
    used += metrics.columnWidths[first];
    ++count;
  }
  extent.firstColumn = first;
  extent.shownColumns = std::min(std::max(count, 1), columnCount);
}

// The rows that fit in `available` pixels, at least one; the top row moves
// up where the rows below it run out.
void fitRows(const TGridMetrics& metrics, int topRow, int available, TGridExtent& extent) {
  int rows = metrics.rowHeight > 0 ? available / metrics.rowHeight : metrics.rowCount;
  rows = std::min(std::max(rows, 1), metrics.rowCount);
  extent.shownRows = rows;
  extent.topRow = std::max(std::min(topRow, metrics.rowCount - rows), 0);
}

}  // namespace

TSnappedGrid SnapGridExtent(const TGridMetrics& metrics, const TGridExtent& present,
                            const TWindowChrome& chrome, QSize dragged, int draggedEdges) {
  const int columnCount = sizeOf(metrics.columnWidths);
  const bool widthDragged = (draggedEdges & (kLeftEdge | kRightEdge)) != 0;
  const bool heightDragged = (draggedEdges & (kTopEdge | kBottomEdge)) != 0;
  const int gridAreaWidth = std::max(dragged.width() - chrome.extraWidth, chrome.minimumGridWidth);

  TSnappedGrid best;
  std::int64_t bestExcess = -1;
  // No scroll bar, vertical only, horizontal only, both.
  for (int candidate = 0; candidate < 4; ++candidate) {
    const bool verticalBar = candidate % 2 == 1;
    const bool horizontalBar = candidate >= 2;
    TGridExtent extent;
    if (!horizontalBar) {
      extent.shownColumns = columnCount;
    } else if (!widthDragged) {
      extent.firstColumn = present.firstColumn;
      extent.shownColumns = present.shownColumns;
    } else {
      const int available = gridAreaWidth - 2 * metrics.frame - metrics.fixedWidth -
                            (verticalBar ? metrics.verticalBarWidth : 0);
      fitColumns(metrics, present.firstColumn, available, extent);
    }
    if (!verticalBar) {
      extent.shownRows = metrics.rowCount;
    } else if (!heightDragged) {
      extent.topRow = present.topRow;
      extent.shownRows = present.shownRows;
    } else {
      TGridExtent assumed = extent;
      assumed.shownRows = 0;  // counts the vertical bar that this candidate has
      const int width = WindowSize(metrics, assumed, chrome).width();
      const int extraHeight = chrome.extraHeight ? chrome.extraHeight(width) : 0;
      const int available = dragged.height() - extraHeight - 2 * metrics.frame -
                            metrics.headerHeight -
                            (horizontalBar ? metrics.horizontalBarHeight : 0);
      fitRows(metrics, present.topRow, available, extent);
    }
    // A candidate whose extent shows everything in a direction has no
    // scroll bar there: it is another candidate with rows or columns lost.
    if (horizontalBar != (extent.shownColumns < columnCount) ||
        verticalBar != (extent.shownRows < metrics.rowCount)) {
      continue;
    }
    const QSize size = WindowSize(metrics, extent, chrome);
    const std::int64_t excess = std::int64_t{size.width()} * size.height() -
                                std::int64_t{std::min(size.width(), dragged.width())} *
                                    std::max(std::min(size.height(), dragged.height()), 0);
    if (bestExcess < 0 || excess < bestExcess) {
      best = {extent, size};
      bestExcess = excess;
    }
  }
  return best;
}

TGridExtent FitGridExtent(const TGridMetrics& metrics, const TGridExtent& present,
                          const TWindowChrome& chrome, QSize available) {
  TGridExtent extent = present;
  // Dropping rows can bring a vertical bar that widens the window, and
  // dropping columns a horizontal one that heightens it: repeat until both
  // fit or nothing more can go.
  bool dropped = true;
  while (dropped) {
    dropped = false;
    while (extent.shownColumns > 1 &&
           WindowSize(metrics, extent, chrome).width() > available.width()) {
      --extent.shownColumns;
      dropped = true;
    }
    while (extent.shownRows > 1 &&
           WindowSize(metrics, extent, chrome).height() > available.height()) {
      --extent.shownRows;
      dropped = true;
    }
    dropped = dropped && (WindowSize(metrics, extent, chrome).width() > available.width() ||
                          WindowSize(metrics, extent, chrome).height() > available.height());
  }
  return extent;
}
