// Where a program finds its manuals: the folder "manual" beside it (the
// build tree, a copy of the programs with their manuals), else the folder
// "manual" of the installed data folder relative to it
// (runner/install_layout.h). A folder counts when it holds the contents
// page; when neither does, the folder beside the program, whose empty book
// the help window then shows.
#pragma once

#include <QString>

QString ManualFolderOf(const QString& programFolder);
