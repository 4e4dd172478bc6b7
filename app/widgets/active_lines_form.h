// The active-curves dialog of a plot window: every curve of the plot with
// its status " yes : " or " no  : ". The buttons activate all, deactivate
// all or toggle the selected curves; a double click toggles one. On OK the
// curves' active flags follow the listed status.
#pragma once

#include <QDialog>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TGraphPlot;

class TfrmActiveLines : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmActiveLines(TGraphPlot& plot, QWidget* parent = nullptr);

  // The listed status of each curve.
  std::vector<bool> Statuses() const;
  // Gives every curve its listed status.
  void StoreStatuses();

  void ActivateAll();
  void DeactivateAll();
  void ToggleSelected();

 private:
  void setStatus(QTreeWidgetItem* item, bool active);
  void toggle(QTreeWidgetItem* item);

  TGraphPlot& plot_;
  QTreeWidget* list_ = nullptr;
};
