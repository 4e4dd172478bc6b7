#include "widgets/data_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "widgets/child_window_flags.h"
#include "widgets/data_form.h"
#include "widgets/loading_forms.h"
#include "widgets/options_form.h"
#include "widgets/safety_factor_form.h"
#include "widgets/shaft_properties_form.h"
#include "widgets/title_form.h"
#include "widgets/water_depth_form.h"

namespace {

constexpr TDataWindows::Kind kUnitRefreshOrder[] = {
    TDataWindows::Kind::kShaftProperties, TDataWindows::Kind::kFactorOfSafety,
    TDataWindows::Kind::kShaftLength,     TDataWindows::Kind::kDesignLoad,
    TDataWindows::Kind::kWaterTable,
};

TDataForm* formOf(QMdiSubWindow* window) {
  return window != nullptr ? qobject_cast<TDataForm*>(window->widget()) : nullptr;
}

}  // namespace

TDataWindows::TDataWindows(QMdiArea* area, TProgramData& project, TAppSettings& settings,
                           TDialogs& dialogs)
    : QObject(area), area_(area), project_(project), settings_(settings), dialogs_(dialogs) {
  connect(area_, &QMdiArea::subWindowActivated, this, &TDataWindows::childActivated);
}

QPointer<TDataForm>& TDataWindows::slot(Kind kind) {
  return windows_.at(static_cast<std::size_t>(kind));
}

TDataForm* TDataWindows::Window(Kind kind) const {
  return windows_.at(static_cast<std::size_t>(kind));
}

TDataForm* TDataWindows::Show(Kind kind) {
  QPointer<TDataForm>& open = slot(kind);
  if (open == nullptr) {
    open = create(kind);
  }
  QMdiSubWindow* window = open->SubWindow();
  if (window->isMinimized()) {
    window->showNormal();
  }
  area_->setActiveSubWindow(window);
  return open;
}

TDataForm* TDataWindows::create(Kind kind) {
  TDataForm* form = nullptr;
  switch (kind) {
    case Kind::kTitle:
      form = new TdlgTitle(project_, dialogs_);
      break;
    case Kind::kShaftProperties:
      form = new TfrmShaftpeneta(project_, dialogs_);
      break;
    case Kind::kFactorOfSafety:
      form = new TfrmSafetyFactor(project_, dialogs_);
      break;
    case Kind::kShaftLength:
      form = new TfrmPenetration(project_, dialogs_);
      break;
    case Kind::kDesignLoad:
      form = new TfrmDesignLoad(project_, dialogs_);
      break;
    case Kind::kWaterTable:
      form = new TfrmWaterDepth(project_, dialogs_);
      break;
    case Kind::kControlOptions:
      form = new TDlgOptions(project_, settings_, dialogs_);
      break;
  }
  // Filled before it is shown, so that it never shows the fields' defaults.
  form->FormActivate();
  QMdiSubWindow* window = area_->addSubWindow(form, kChildWindowFlags);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(form->windowTitle());
  form->SetSubWindow(window);
  QPointer<TDataForm>& open = slot(kind);
  connect(form, &TDataForm::Closed, this, [&open] { open = nullptr; });
  window->show();
  window->setFixedSize(window->sizeHint());
  return form;
}

void TDataWindows::Close(Kind kind) {
  if (TDataForm* form = Window(kind)) {
    form->SubWindow()->close();
  }
}

void TDataWindows::CloseAll() {
  for (const QPointer<TDataForm>& form : windows_) {
    if (form != nullptr) {
      form->CloseForced();
    }
  }
}

void TDataWindows::RefreshUnits() {
  for (Kind kind : kUnitRefreshOrder) {
    if (TDataForm* form = Window(kind)) {
      form->FormActivate();
    }
  }
}

// Losing the focus to another program (no window) changes nothing. A
// window that refuses to store is brought back once the activation has
// settled; coming back, it keeps what was typed.
void TDataWindows::childActivated(QMdiSubWindow* window) {
  if (window == nullptr || window == active_) {
    return;
  }
  QPointer<QMdiSubWindow> left = active_;
  active_ = window;
  TDataForm* leftForm = formOf(left);
  if (leftForm != nullptr && !leftForm->FormDeactivate()) {
    active_ = left;
    QTimer::singleShot(0, leftForm, [this, left, leftForm] {
      if (left != nullptr) {
        area_->setActiveSubWindow(left);
        leftForm->FocusRefusedField();
      }
    });
    return;
  }
  if (TDataForm* entered = formOf(window)) {
    entered->FormActivate();
  }
}
