#include "title_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "program_data.h"
#include "setting_commits.h"

namespace {

// Typing may not take the title past 80 characters; a longer title read
// from a file can still be shortened.
class TitleLengthValidator : public QValidator {
 public:
  explicit TitleLengthValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int&) const override {
    const qsizetype allowed = std::max<qsizetype>(TdlgTitle::kTitleLength, edit_->text().size());
    return input.size() <= allowed ? Acceptable : Invalid;
  }

 private:
  QLineEdit* edit_;
};

// Wide enough for a title of 80 average characters.
constexpr int kTitleWidthCharacters = 80;

}  // namespace

TdlgTitle::TdlgTitle(TProgramData& project, TDialogs& dialogs)
    : TDataForm(QStringLiteral("Project Title"), project, dialogs) {
  auto* label = new QLabel(QStringLiteral("Enter line of text for project description:"), this);
  TitleMemo = new QLineEdit(this);
  TitleMemo->setObjectName(QStringLiteral("TitleMemo"));
  TitleMemo->setValidator(new TitleLengthValidator(TitleMemo));
  TitleMemo->setMinimumWidth(TitleMemo->fontMetrics().averageCharWidth() * kTitleWidthCharacters);
  label->setBuddy(TitleMemo);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(TitleMemo);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TdlgTitle::FormActivate() {
  TitleMemo->setText(QString::fromStdString(project_.Title));
}

void TdlgTitle::StoreFields() {
  CommitTitle(project_, TitleMemo->text().toStdString());
}
