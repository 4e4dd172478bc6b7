// Help > Check for Updates: the page's address and what the user is told
// when nothing can open it.
#include <gtest/gtest.h>

#include <QUrlQuery>

#include "app/support/scripted_dialogs.h"
#include "core/update_check.h"

namespace {

TEST(UpdateCheck, ThePageCarriesTheProductAndItsVersion) {
  const QUrlQuery query(UpdatePageUrl());
  EXPECT_EQ(query.queryItemValue(QStringLiteral("product"), QUrl::FullyDecoded),
            QStringLiteral("Bormek 2012"));
  EXPECT_EQ(query.queryItemValue(QStringLiteral("version")), QStringLiteral("2012.7.8"));
  EXPECT_EQ(UpdatePageUrl().scheme(), QStringLiteral("https"));
}

TEST(UpdateCheck, AnOpenedPageNeedsNoMessage) {
  ScriptedDialogs dialogs;
  QUrl opened;
  EXPECT_TRUE(OpenUpdatePage(dialogs, [&opened](const QUrl& url) {
    opened = url;
    return true;
  }));
  EXPECT_EQ(opened, UpdatePageUrl());
  EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST(UpdateCheck, WhenNothingCanOpenThePageTheMessageGivesItsAddress) {
  ScriptedDialogs dialogs;
  EXPECT_FALSE(OpenUpdatePage(dialogs, [](const QUrl&) { return false; }));
  ASSERT_EQ(dialogs.Messages().size(), 1);
  EXPECT_TRUE(dialogs.Messages().front().startsWith(
      QStringLiteral("No program could be started to open the update page.")));
  EXPECT_TRUE(dialogs.Messages().front().endsWith(UpdatePageUrl().toString()));
}

}  // namespace
