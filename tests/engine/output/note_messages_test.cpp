// The run notes grouped into messages, from the lines the run writes.
#include "output/note_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bormek {
namespace {

struct Expected {
  NoteKind kind;
  std::vector<std::string> lines;
};

TEST(NoteMessages, LinesAreGroupedAtBlankLinesAndFramesGiveTheKind) {
  NoteMessages notes;
  for (const char* line : {
           "",
           "     *********************ERROR**********************",
           "     INPUT DATA FILE /jobs/pier.bkd",
           "     LINE 5, ITEM 1: THE NUMBER OF LAYERS MUST BE 1 TO 29 (FOUND 30)",
           "     THE ANALYSIS HAS BEEN STOPPED.",
           "     ************************************************",
           "",
           "       INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR",
           "       COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER",
           "",
           "                             **** WARNING ****",
           "     THE VALUE OF X = 0.12E+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE",
           "",
           "   *********** NEED ANOTHER SOIL LAYER ************",
       }) {
    notes.add(line);
  }
  notes.addAlone("          15          41           0          41");
  notes.addAlone("          15          41           0          41");
  notes.add("     *****************WARNING*********************");
  notes.add("       Blow counts should be greater than 25 for this criterion.");

  const Expected expected[] = {
      {NoteKind::kError,
       {"INPUT DATA FILE /jobs/pier.bkd",
        "LINE 5, ITEM 1: THE NUMBER OF LAYERS MUST BE 1 TO 29 (FOUND 30)",
        "THE ANALYSIS HAS BEEN STOPPED."}},
      {NoteKind::kNote,
       {"INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR",
        "COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER"}},
      {NoteKind::kWarning,
       {"THE VALUE OF X = 0.12E+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE"}},
      {NoteKind::kNote, {"NEED ANOTHER SOIL LAYER"}},
      {NoteKind::kNote, {"15          41           0          41"}},
      {NoteKind::kNote, {"15          41           0          41"}},
      {NoteKind::kWarning, {"Blow counts should be greater than 25 for this criterion."}},
  };
  const std::vector<NoteMessage>& messages = notes.messages();
  ASSERT_EQ(messages.size(), std::size(expected));
  for (std::size_t k = 0; k < messages.size(); ++k) {
    EXPECT_EQ(messages[k].kind, expected[k].kind) << k;
    EXPECT_EQ(messages[k].lines, expected[k].lines) << k;
  }
}

}  // namespace
}  // namespace bormek
