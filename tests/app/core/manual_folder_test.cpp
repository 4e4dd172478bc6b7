// Where the desktop program finds its manuals: beside it, or in the
// installed layout's data folder relative to it.
#include "core/manual_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void writeContentsPage(const QString& folder) {
  QDir().mkpath(folder);
  QFile page(folder + QStringLiteral("/contents.html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html><body><h1>Contents</h1></body></html>");
}

struct LookupCase {
  const char* name;
  bool besideProgram;    // <prefix>/bin/manual holds a contents page
  bool installedLayout;  // <prefix>/share/bormek/manual holds one
  const char* expected;  // the folder found, relative to the prefix
};

TEST(ManualFolder, PrefersTheManualBesideTheProgramThenTheInstalledOne) {
  const LookupCase cases[] = {
      {"build tree", true, false, "bin/manual"},
      {"both", true, true, "bin/manual"},
      {"installed", false, true, "share/bormek/manual"},
      {"missing", false, false, "bin/manual"},
  };
  for (const LookupCase& lookup : cases) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QDir().mkpath(prefix.filePath(QStringLiteral("bin")));
    if (lookup.besideProgram) {
      writeContentsPage(prefix.filePath(QStringLiteral("bin/manual")));
    }
    if (lookup.installedLayout) {
      writeContentsPage(prefix.filePath(QStringLiteral("share/bormek/manual")));
    }
    EXPECT_EQ(ManualFolderOf(prefix.filePath(QStringLiteral("bin"))),
              prefix.filePath(QLatin1String(lookup.expected)))
        << lookup.name;
  }
}

}  // namespace
