// The settings kept between runs of the program: the external text editor
// and the recent-file list. They live in QSettings("Talvex", "Bormek"),
// group "2012.7.8", values "Word Processor" and "File1" to "File10", in
// QSettings::defaultFormat() (tests point that format at a scratch folder).
// Every storage error is ignored; reading at first showing then starts from
// no editor and an empty list.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/recent_files.h"

class TAppSettings {
 public:
  // Command (path) of the external text editor; empty: the program's own
  // report viewer shows the files.
  QString WordProcessor;
  TRecentFiles Recent;

  // At window creation: "Word Processor" when it is stored.
  void ReadAtCreation();
  // At first showing, when the group exists: a stored non-empty editor and
  // the ten recent files. A storage error clears the editor and the list.
  // Recounts the list either way.
  void ReadAtFirstShowing();
  // Writes the editor and the ten slots, free ones as empty strings.
  void UpdateRegistry() const;
  // TRecentFiles::UpdatePrevFile, then UpdateRegistry when the list changed.
  void UpdatePrevFile(const QString& path);
};

// How the editor is started for a file: the program and its arguments.
struct EditorCommand {
  QString program;
  QStringList arguments;
};

// The command line `wordProcessor` + ' "' + `path` + '"' split into program
// and arguments. A `wordProcessor` that names an existing file is the
// program as a whole even with blanks in it. None for an empty (or blank)
// `wordProcessor`: no editor is configured.
std::optional<EditorCommand> EditorCommandFor(const QString& wordProcessor, const QString& path);
