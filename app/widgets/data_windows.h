// The data windows of the main window: at most one of each kind, created on
// first use as MDI children of the main window's area and forgotten when
// closed. This object tells them of activation: the window left stores its
// values first, then the window entered shows the project's; a window that
// refuses to store stays in front with its faulty field, showing what was
// typed.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>

class QMdiArea;
class QMdiSubWindow;
class TAppSettings;
class TDataForm;
class TDialogs;
class TProgramData;

class TDataWindows : public QObject {
  Q_OBJECT

 public:
  enum class Kind {
    kTitle,
    kShaftProperties,
    kFactorOfSafety,
    kShaftLength,
    kDesignLoad,
    kWaterTable,
    kControlOptions,
  };
  static constexpr int kKindCount = 7;

  // `project`, `settings` and `dialogs` must outlive the windows.
  TDataWindows(QMdiArea* area, TProgramData& project, TAppSettings& settings, TDialogs& dialogs);

  // Creates the window of `kind` when none is open, then shows it in front.
  TDataForm* Show(Kind kind);
  // The open window of `kind`, or nullptr.
  TDataForm* Window(Kind kind) const;
  // Closes the window of `kind` as the user would: refused while a field
  // refuses its entry.
  void Close(Kind kind);
  // Closes every window without storing: the project is being replaced.
  void CloseAll();
  // After a change of unit system: every open numeric window shows its
  // values and unit labels again, in the order shaft properties, factors of
  // safety, shaft length, design load, water table.
  void RefreshUnits();

 private:
  TDataForm* create(Kind kind);
  void childActivated(QMdiSubWindow* window);
  QPointer<TDataForm>& slot(Kind kind);

  QMdiArea* area_;
  TProgramData& project_;
  TAppSettings& settings_;
  TDialogs& dialogs_;
  std::array<QPointer<TDataForm>, kKindCount> windows_;
  QPointer<QMdiSubWindow> active_;
};
