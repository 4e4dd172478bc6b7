// Where a program finds its manuals: the folder "manual" beside it, else
// the folder "manual" of the installed data folder (runner/program_files.h),
// whichever holds the contents page; the folder beside the program when
// neither does, whose empty book the help window then shows.
#pragma once

#include <QString>

QString ManualFolderOf(const QString& programFolder);
