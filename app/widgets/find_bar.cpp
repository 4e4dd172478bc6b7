#include "widgets/find_bar.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

TFindBar::TFindBar(QWidget* window, Finder find) : QWidget(window), find_(std::move(find)) {
  auto* label = new QLabel(QStringLiteral("&Find:"), this);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("FindText"));
  field_->setClearButtonEnabled(true);
  label->setBuddy(field_);
  auto* next = new QPushButton(QStringLiteral("&Next"), this);
  next->setObjectName(QStringLiteral("FindNextButton"));
  auto* previous = new QPushButton(QStringLiteral("&Previous"), this);
  previous->setObjectName(QStringLiteral("FindPreviousButton"));
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("FindNote"));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(field_, 1);
  layout->addWidget(next);
  layout->addWidget(previous);
  layout->addWidget(note_);

  connect(field_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
  connect(field_, &QLineEdit::textChanged, note_, &QLabel::clear);
  connect(next, &QPushButton::clicked, this, [this] { FindNext(); });
  connect(previous, &QPushButton::clicked, this, [this] { FindNext(true); });
  auto* focusFind = new QShortcut(QKeySequence::Find, window);
  focusFind->setContext(Qt::WidgetWithChildrenShortcut);
  connect(focusFind, &QShortcut::activated, this, [this] {
    field_->setFocus();
    field_->selectAll();
  });
  auto* findAgain = new QShortcut(QKeySequence::FindNext, window);
  findAgain->setContext(Qt::WidgetWithChildrenShortcut);
  connect(findAgain, &QShortcut::activated, this, [this] { FindNext(); });
}

bool TFindBar::FindNext(bool backward) {
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  const bool found = find_(field_->text(), flags);
  note_->setText(found || field_->text().isEmpty() ? QString() : QStringLiteral("Not found"));
  return found;
}
