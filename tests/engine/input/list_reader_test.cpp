#include "input/list_reader.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace bormek {
namespace {

ListReader readerOver(testing::TestFolder& folder, const std::string& text) {
  folder.write("in.txt", text);
  ListReader reader;
  EXPECT_TRUE(reader.open(folder.file("in.txt")));
  return reader;
}

TEST(ListReader, ARecordContinuesOnFollowingLinesAndSkipsTheRestOfItsLastLine) {
  testing::TestFolder folder;
  ListReader reader = readerOver(folder, "1 2\r\n\r\n3 4 99\r\n5\r\n");
  reader.beginRecord();
  EXPECT_EQ(reader.readReal("A"), 1.0f);
  EXPECT_EQ(reader.readReal("B"), 2.0f);
  EXPECT_EQ(reader.readReal("C"), 3.0f);  // empty line skipped
  EXPECT_EQ(reader.readReal("D"), 4.0f);
  reader.beginRecord();  // 99 is skipped with the rest of its line
  EXPECT_EQ(reader.readReal("E"), 5.0f);
}

TEST(ListReader, AcceptsBlanksTabsCommasAndFortranNumberForms) {
  testing::TestFolder folder;
  ListReader reader =
      readerOver(folder, "Title line, kept whole \n1E-6,\t1.5e+3  +2.  .5 2.5D0 -7\n");
  EXPECT_EQ(reader.readLine("TITLE"), "Title line, kept whole ");
  reader.beginRecord();
  EXPECT_EQ(reader.readReal("A"), 1e-6f);
  EXPECT_EQ(reader.readReal("B"), 1500.0f);
  EXPECT_EQ(reader.readReal("C"), 2.0f);
  EXPECT_EQ(reader.readReal("D"), 0.5f);
  EXPECT_EQ(reader.readReal("E"), 2.5f);
  EXPECT_EQ(reader.readInteger("F"), -7);
}

TEST(ListReader, AcceptsAnIntegerWrittenWithAZeroFraction) {
  testing::TestFolder folder;
  ListReader reader = readerOver(folder, "2.0 3\n");
  reader.beginRecord();
  EXPECT_EQ(reader.readInteger("A"), 2);
  EXPECT_EQ(reader.readInteger("B"), 3);
}

struct ErrorCase {
  const char* text;
  bool integer;
  int readsBefore;  // values read successfully before the failing one
  int line;
  int item;
  const char* reasonStart;
};

TEST(ListReader, FailuresNameTheLineTheItemAndWhatWasRead) {
  const ErrorCase cases[] = {
      {"1 2 abc\n", false, 2, 1, 3, "A NUMBER WAS EXPECTED FOR THE VALUE BUT \"abc\""},
      {"1\n2 2.5\n", true, 2, 2, 2, "A WHOLE NUMBER WAS EXPECTED FOR THE VALUE BUT \"2.5\""},
      {"1 3000000000\n", true, 1, 1, 2, "A WHOLE NUMBER WAS EXPECTED"},
      {"1 nan\n", false, 1, 1, 2, "A NUMBER WAS EXPECTED"},
      {"1 1e50\n", false, 1, 1, 2, "A NUMBER WAS EXPECTED"},
      {"1 2\n", false, 2, 2, 1, "THE FILE ENDS BEFORE THE VALUE"},
  };
  for (const ErrorCase& c : cases) {
    testing::TestFolder folder;
    ListReader reader = readerOver(folder, c.text);
    reader.beginRecord();
    for (int k = 0; k < c.readsBefore; ++k) {
      reader.readReal("VALUE");
    }
    try {
      c.integer ? static_cast<void>(reader.readInteger("VALUE"))
                : static_cast<void>(reader.readReal("VALUE"));
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const InputError& error) {
      EXPECT_EQ(error.line(), c.line) << c.text;
      EXPECT_EQ(error.item(), c.item) << c.text;
      EXPECT_EQ(error.reason().rfind(c.reasonStart, 0), 0u) << error.reason();
      EXPECT_EQ(error.file(), folder.file("in.txt"));
    }
  }
}

}  // namespace
}  // namespace bormek
