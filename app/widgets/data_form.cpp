#include "widgets/data_form.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>

#include "core/program_data.h"
#include "widgets/data_edit.h"

namespace {

// A field is wide enough for a value of about fourteen characters.
constexpr const char* kFieldWidthSample = "00000000000000";

}  // namespace

TDataForm::TDataForm(const QString& caption, TProgramData& project, TDialogs& dialogs)
    : project_(project), dialogs_(dialogs) {
  setWindowTitle(caption);
}

bool TDataForm::FormDeactivate() {
  if (closed_) {
    return true;
  }
  if (!fieldsAccepted()) {
    return false;
  }
  StoreFields();
  return true;
}

void TDataForm::CloseForced() {
  forced_ = true;
  if (subWindow_ != nullptr) {
    subWindow_->close();
  } else {
    close();
  }
}

// The focused field first (it holds what was typed last), then every other
// enabled one; the first refusal stops the check with its message.
bool TDataForm::fieldsAccepted() {
  QList<TDataEdit*> fields = findChildren<TDataEdit*>();
  if (auto* focused = qobject_cast<TDataEdit*>(focusWidget())) {
    fields.move(fields.indexOf(focused), 0);
  }
  for (TDataEdit* field : fields) {
    if (field->isEnabled() && !field->Validate()) {
      refused_ = field;
      return false;
    }
  }
  return true;
}

void TDataForm::FocusRefusedField() {
  if (refused_ != nullptr) {
    refused_->setFocus(Qt::OtherFocusReason);
  }
}

TDataEdit* TDataForm::AddField(QGridLayout* grid, int row, const char* name, const QString& caption,
                               const QString& unitsString, Extended maxVal, const QString& hint,
                               bool marksModified) {
  auto* label = new QLabel(this);
  auto* field = new TDataEdit(dialogs_, this);
  field->setObjectName(QLatin1String(name));
  field->SetEditLabel(label);
  field->SetCaption(caption);
  field->SetUnitsString(unitsString);
  field->SetMaxVal(maxVal);
  field->setMinimumWidth(QFontMetrics(field->font()).horizontalAdvance(kFieldWidthSample));
  if (!hint.isEmpty()) {
    field->setToolTip(hint);
    label->setToolTip(hint);
  }
  if (marksModified) {
    connect(field, &QLineEdit::textEdited, this, [this] { project_.SetModified(true); });
  }
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  return field;
}

void TDataForm::ShowProjectUnits() {
  for (TDataEdit* field : findChildren<TDataEdit*>()) {
    field->SetUnits(project_.UnitSystem);
  }
}

void TDataForm::closeEvent(QCloseEvent* event) {
  if (!forced_ && !FormDeactivate()) {
    event->ignore();
    return;
  }
  closed_ = true;
  event->accept();
  emit Closed();
}
