#include "widgets/title_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "core/program_data.h"
#include "core/setting_commits.h"

namespace {

// Wide enough for a title of 80 average characters.
constexpr int kTitleWidthCharacters = 80;

}  // namespace

TdlgTitle::TdlgTitle(TProgramData& project, TDialogs& dialogs)
    : TDataForm(QStringLiteral("Project Title"), project, dialogs) {
  auto* label = new QLabel(QStringLiteral("Enter line of text for project description:"), this);
  TitleMemo = new QLineEdit(this);
  TitleMemo->setObjectName(QStringLiteral("TitleMemo"));
  TitleMemo->setMinimumWidth(TitleMemo->fontMetrics().averageCharWidth() * kTitleWidthCharacters);
  label->setBuddy(TitleMemo);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(TitleMemo);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

// A longer title read from a file is shown whole: the limit is raised to
// it before the text is set, which would otherwise cut it.
void TdlgTitle::FormActivate() {
  const QString title = QString::fromStdString(project_.Title);
  TitleMemo->setMaxLength(std::max<int>(kTitleLength, static_cast<int>(title.size())));
  TitleMemo->setText(title);
}

void TdlgTitle::StoreFields() {
  CommitTitle(project_, TitleMemo->text().toStdString());
}
