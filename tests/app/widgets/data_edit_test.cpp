// The numeric edit as a user types into it: the check when the focus moves
// on or Enter is pressed, the limit that replaces a value beyond it, the
// integer and expression messages, the operator keys that extend a value,
// the property rules and the companion label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "app/support/scripted_dialogs.h"
#include "widgets/data_edit.h"

namespace {

class DataEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    label = new QLabel(&window);
    edit = new TDataEdit(dialogs, &window);
    next = new TDataEdit(dialogs, &window);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(next);
    edit->SetEditLabel(label);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // Types over the whole text of the edit, then tabs to the next one.
  void typeAndTab(const char* text) {
    typeOver(text);
    QTest::keyClick(edit, Qt::Key_Tab);
  }
  void typeOver(const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  ScriptedDialogs dialogs;
  QWidget window;
  QLabel* label = nullptr;
  TDataEdit* edit = nullptr;
  TDataEdit* next = nullptr;
};

TEST_F(DataEditTest, AValueBelowTheMinimumBecomesTheMinimumWithItsMessage) {
  edit->SetMaxVal(30);
  edit->SetMinVal(2);
  typeAndTab("1");
  EXPECT_EQ(edit->text(), "2");
  EXPECT_EQ(dialogs.Messages(), QStringList{"Entry must be greater than or equal to 2"});
  EXPECT_FALSE(edit->Valid());
  // The edit takes the focus back.
  EXPECT_TRUE(edit->hasFocus());

  typeAndTab("45");
  EXPECT_EQ(edit->text(), "30");
  EXPECT_EQ(dialogs.Messages().last(), "Entry must be less than or equal to 30");
}

TEST_F(DataEditTest, IntegerAndExpressionErrorsKeepTheTypedText) {
  edit->SetIntegerOnly(true);
  typeAndTab("2.5");
  EXPECT_EQ(edit->text(), "2.5");
  typeAndTab("x");
  EXPECT_EQ(edit->text(), "x");
  EXPECT_TRUE(edit->hasFocus());

  edit->SetIntegerOnly(false);
  typeAndTab("2+");
  EXPECT_EQ(dialogs.Messages(),
            (QStringList{"Entry must be an integer.", "Entry must be a valid integer.",
                         "Entry could not be evaluated:\ninvalid expression"}));
}

TEST_F(DataEditTest, AnAcceptedExpressionIsShownAsItsValueAndTheFocusMovesOn) {
  typeAndTab("3*(2+1)");
  EXPECT_EQ(edit->text(), "9");
  EXPECT_TRUE(edit->Valid());
  EXPECT_TRUE(next->hasFocus());
  EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DataEditTest, EnterChecksAndSelectsTheWholeValue) {
  typeOver("12");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "12");
  EXPECT_TRUE(edit->Valid());
  EXPECT_EQ(edit->selectedText(), "12");
  EXPECT_TRUE(edit->hasFocus());

  // An operator typed over the selected value extends it.
  QTest::keyClicks(edit, "*2");
  EXPECT_EQ(edit->text(), "12*2");
  QTest::keyClick(edit, Qt::Key_Enter);
  EXPECT_EQ(edit->text(), "24");

  // Any other key replaces the selected value.
  QTest::keyClicks(edit, "7");
  EXPECT_EQ(edit->text(), "7");
}

TEST_F(DataEditTest, LimitsMoveTheValueAndEachOther) {
  edit->SetNumber(25);
  edit->SetMaxVal(10);
  EXPECT_EQ(edit->text(), "10");
  edit->SetMinVal(12);  // above the maximum: the maximum becomes the minimum
  EXPECT_EQ(edit->MinVal(), 10.0L);
  edit->SetNumber(-4);  // writing clamps into [MinVal, MaxVal]
  EXPECT_EQ(edit->text(), "10");

  next->SetMaxVal(1e12L);
  next->SetIntegerOnly(true);
  EXPECT_EQ(next->MaxVal(), 2147483647.0L);
  EXPECT_EQ(next->MinVal(), -2147483648.0L);

  next->SetHex(true);
  next->SetNumber(255);
  EXPECT_EQ(next->text(), "$00FF");
  EXPECT_EQ(next->Number(), 255.0L);
}

TEST_F(DataEditTest, TheLabelShowsTheCaptionWithTheUnitAndFollowsTheEdit) {
  edit->SetCaption("&Depth");
  EXPECT_EQ(label->text(), "&Depth");
  edit->SetUnitsString("L2");
  edit->SetUnits(2);
  EXPECT_EQ(label->text(), "&Depth (m)");
  edit->SetUnits(1);
  EXPECT_EQ(label->text(), "&Depth (ft)");
  edit->SetUnitsString("F/L\u00B2");
  edit->SetUnits(7);  // above 3: the code itself
  EXPECT_EQ(edit->Units(), 3);
  EXPECT_EQ(label->text(), "&Depth (F/L\u00B2)");

  edit->setEnabled(false);
  EXPECT_FALSE(label->isEnabled());
  edit->setEnabled(true);
  EXPECT_TRUE(label->isEnabled());

  // The label's access key moves the focus to the edit.
  next->setFocus();
  QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
  EXPECT_TRUE(edit->hasFocus());
}

}  // namespace
