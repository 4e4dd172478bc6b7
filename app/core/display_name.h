// The short name of a project file shown in the window caption and the
// Save As title.
#pragma once

#include <QString>

// The default extension of the project file dialogs, without its dot.
inline constexpr const char* kProjectExtension = "bkd";

// The file-name part of `path`. When its extension is ".bkd" (in any case)
// everything from the first "." of the name on is dropped, so a.b.bkd gives
// "a"; a result longer than one character then starts with a capital:
// proj.bkd gives "Proj", x.BKD gives "x", y.txt gives "Y.txt".
QString DisplayName(const QString& path);
