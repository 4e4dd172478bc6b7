// The widget-free parts of the main window: the recent-file list and its
// menu texts, the settings kept between runs, the display name of a project
// file and the editor command line. No display is needed.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/support/scratch_settings.h"
#include "core/app_settings.h"
#include "core/display_name.h"
#include "core/recent_files.h"

namespace {

using bormek::app_testing::ScratchSettings;

QString numbered(int k) {
  return QStringLiteral("/data/p") + QString::number(k) + QStringLiteral(".bkd");
}

// Settings stored in a scratch folder for the life of the test.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(settings_.IsValid()); }

  // The stored value, read past the object under test.
  static QString stored(const QString& key) { return ScratchSettings::Stored(key); }
  static void store(const QString& key, const QString& value) {
    ScratchSettings::Store(key, value);
  }

  ScratchSettings settings_;
};

using RecentFiles = SettingsTest;

TEST_F(RecentFiles, ReopeningTheFirstEntryLeavesTheListAndTheSettingsUntouched) {
  TAppSettings settings;
  for (int k = 1; k <= 5; ++k) {
    settings.UpdatePrevFile(numbered(k));
  }
  // Written after the last change; a later write would overwrite this.
  store(QStringLiteral("File2"), QStringLiteral("written by the test"));

  settings.UpdatePrevFile(numbered(5));

  const std::array<QString, kPrevFileSlots> expected = {numbered(5), numbered(4), numbered(3),
                                                        numbered(2), numbered(1)};
  EXPECT_EQ(settings.Recent.PrevFiles, expected);
  EXPECT_EQ(settings.Recent.PrevFileCount, 5);
  EXPECT_EQ(stored(QStringLiteral("File1")), numbered(5));
  EXPECT_EQ(stored(QStringLiteral("File2")), QStringLiteral("written by the test"));
}

TEST_F(RecentFiles, TheFifthEntryMovesToTheTopAndOnlyThoseAboveItMoveDown) {
  TAppSettings settings;
  for (int k = 0; k < kPrevFileSlots; ++k) {
    settings.Recent.PrevFiles.at(static_cast<std::size_t>(k)) = numbered(k);
  }
  settings.Recent.Recount();

  settings.UpdatePrevFile(numbered(4));

  const std::array<QString, kPrevFileSlots> expected = {
      numbered(4), numbered(0), numbered(1), numbered(2), numbered(3),
      numbered(5), numbered(6), numbered(7), numbered(8), numbered(9)};
  EXPECT_EQ(settings.Recent.PrevFiles, expected);
  EXPECT_EQ(settings.Recent.PrevFileCount, 10);
  for (int k = 0; k < kPrevFileSlots; ++k) {
    EXPECT_EQ(stored(QStringLiteral("File") + QString::number(k + 1)),
              expected.at(static_cast<std::size_t>(k)))
        << "slot " << k + 1;
  }
}

TEST_F(RecentFiles, AnEleventhDistinctFileDropsTheOldest) {
  TAppSettings settings;
  for (int k = 0; k <= 9; ++k) {
    settings.UpdatePrevFile(numbered(k));
  }
  EXPECT_EQ(settings.Recent.PrevFiles.front(), numbered(9));
  EXPECT_EQ(settings.Recent.PrevFiles.back(), numbered(0));

  settings.UpdatePrevFile(numbered(10));

  const std::array<QString, kPrevFileSlots> expected = {
      numbered(10), numbered(9), numbered(8), numbered(7), numbered(6),
      numbered(5),  numbered(4), numbered(3), numbered(2), numbered(1)};
  EXPECT_EQ(settings.Recent.PrevFiles, expected);
  EXPECT_EQ(settings.Recent.PrevFileCount, 10);
  EXPECT_EQ(stored(QStringLiteral("File10")), numbered(1));
}

TEST(RecentFileList, PathsAreComparedWithTheirCase) {
  TRecentFiles recent;
  EXPECT_TRUE(recent.UpdatePrevFile(QStringLiteral("/data/a.bkd")));
  EXPECT_TRUE(recent.UpdatePrevFile(QStringLiteral("/data/A.bkd")));
  EXPECT_FALSE(recent.UpdatePrevFile(QStringLiteral("/data/A.bkd")));
  EXPECT_EQ(recent.PrevFileCount, 2);
  EXPECT_EQ(recent.PrevFiles.at(1), QStringLiteral("/data/a.bkd"));
}

struct CaptionCase {
  const char* path;
  const char* folder;
  const char* caption;
};

TEST(RecentFileList, FilesOfTheCurrentFolderShowByName) {
  const CaptionCase cases[] = {
      {"/work/a.bkd", "/work", "1 a.bkd"},
      {"/work/a.bkd", "/home/user", "1 /work/a.bkd"},
      {"/work/a.bkd", "/wo", "1 /work/a.bkd"},
      {"/work/sub/a.bkd", "/work", "1 sub/a.bkd"},
      {"/a.bkd", "/", "1 a.bkd"},
  };
  for (const CaptionCase& c : cases) {
    TRecentFiles recent;
    recent.UpdatePrevFile(QString::fromUtf8(c.path));
    EXPECT_EQ(recent.SlotCaption(0, QString::fromUtf8(c.folder)), QString::fromUtf8(c.caption))
        << c.path << " in " << c.folder;
  }
  TRecentFiles two;
  two.UpdatePrevFile(QStringLiteral("/work/b.bkd"));
  two.UpdatePrevFile(QStringLiteral("/work/c.bkd"));
  EXPECT_EQ(two.SlotCaption(1, QStringLiteral("/work")), QStringLiteral("2 b.bkd"));
}

using StoredSettings = SettingsTest;

TEST_F(StoredSettings, FirstShowingReadsTheEditorAndTheTenFiles) {
  store(QStringLiteral("Word Processor"), QStringLiteral("/usr/bin/gedit"));
  store(QStringLiteral("File1"), numbered(1));
  store(QStringLiteral("File2"), QString());
  store(QStringLiteral("File3"), numbered(3));
  TAppSettings settings;

  settings.ReadAtFirstShowing();

  EXPECT_EQ(settings.WordProcessor, QStringLiteral("/usr/bin/gedit"));
  EXPECT_EQ(settings.Recent.PrevFiles.at(0), numbered(1));
  EXPECT_EQ(settings.Recent.PrevFiles.at(1), QString());
  EXPECT_EQ(settings.Recent.PrevFiles.at(2), numbered(3));
  EXPECT_EQ(settings.Recent.PrevFileCount, 2);
}

TEST_F(StoredSettings, AnEmptyStoredEditorKeepsTheOneReadAtCreation) {
  store(QStringLiteral("Word Processor"), QStringLiteral("kate"));
  TAppSettings settings;
  settings.ReadAtCreation();
  EXPECT_EQ(settings.WordProcessor, QStringLiteral("kate"));

  store(QStringLiteral("Word Processor"), QString());
  settings.ReadAtFirstShowing();
  EXPECT_EQ(settings.WordProcessor, QStringLiteral("kate"));
}

TEST_F(StoredSettings, WithoutStoredSettingsTheListStaysEmpty) {
  TAppSettings settings;
  settings.ReadAtCreation();
  settings.ReadAtFirstShowing();
  EXPECT_EQ(settings.WordProcessor, QString());
  EXPECT_EQ(settings.Recent.PrevFileCount, 0);
}

TEST_F(StoredSettings, UpdateRegistryWritesTheEditorAndEveryFreeSlotAsEmpty) {
  TAppSettings settings;
  settings.WordProcessor = QStringLiteral("/usr/bin/vi");
  settings.Recent.UpdatePrevFile(numbered(1));
  settings.UpdateRegistry();

  QSettings read(QSettings::IniFormat, QSettings::UserScope, "Talvex", "Bormek");
  read.beginGroup(QStringLiteral("2012.7.8"));
  EXPECT_EQ(read.value(QStringLiteral("Word Processor")).toString(), QStringLiteral("/usr/bin/vi"));
  EXPECT_EQ(read.value(QStringLiteral("File1")).toString(), numbered(1));
  for (int k = 2; k <= 10; ++k) {
    const QString key = QStringLiteral("File") + QString::number(k);
    EXPECT_TRUE(read.contains(key)) << key.toStdString();
    EXPECT_EQ(read.value(key).toString(), QString()) << key.toStdString();
  }
}

struct NameCase {
  const char* path;
  const char* name;
};

TEST(DisplayName, DropsTheProjectExtensionAndCapitalisesLongerNames) {
  const NameCase cases[] = {
      {"proj.bkd", "Proj"},
      {"x.BKD", "x"},
      {"y.txt", "Y.txt"},
      // Everything from the first dot goes, leaving one letter, kept as it is.
      {"a.b.bkd", "a"},
      {"/home/user/my.project.Bkd", "My"},
      {"/home/user/bridge pier.bkd", "Bridge pier"},
      {"/home/user/NewBormek.bkd", "NewBormek"},
      {"notes", "Notes"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(DisplayName(QString::fromUtf8(c.path)), QString::fromUtf8(c.name)) << c.path;
  }
}

TEST(EditorCommand, IsTheEditorWithTheQuotedPath) {
  const auto plain = EditorCommandFor(QStringLiteral("gedit"), QStringLiteral("/data/pier 4.bko"));
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(plain->program, QStringLiteral("gedit"));
  EXPECT_EQ(plain->arguments, QStringList{QStringLiteral("/data/pier 4.bko")});

  const auto withOptions = EditorCommandFor(QStringLiteral("\"/opt/My Editor/edit\" --new-window"),
                                            QStringLiteral("/data/a.bkd"));
  ASSERT_TRUE(withOptions.has_value());
  EXPECT_EQ(withOptions->program, QStringLiteral("/opt/My Editor/edit"));
  EXPECT_EQ(withOptions->arguments,
            (QStringList{QStringLiteral("--new-window"), QStringLiteral("/data/a.bkd")}));
}

TEST(EditorCommand, AnEditorFileWithBlanksInItsPathIsTakenWhole) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString editor = folder.filePath(QStringLiteral("my editor"));
  QFile file(editor);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  const auto command = EditorCommandFor(editor, QStringLiteral("/data/a.bkr"));
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->program, editor);
  EXPECT_EQ(command->arguments, QStringList{QStringLiteral("/data/a.bkr")});
}

// Without an editor the program's own report viewer shows the file.
TEST(EditorCommand, WithoutAnEditorThereIsNoCommand) {
  EXPECT_FALSE(EditorCommandFor(QString(), QStringLiteral("/data/a.bko")).has_value());
  EXPECT_FALSE(EditorCommandFor(QStringLiteral("   "), QStringLiteral("/data/a.bko")).has_value());
}

}  // namespace
