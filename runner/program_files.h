// Where a program finds a file it needs, such as the engine library or the
// manuals: beside itself (the build tree, or a copy of the programs with
// their files), else in the installed layout, in a folder given relative to
// the program's own (install_layout.h). When neither holds the file, the
// path beside the program, which the caller then reports as missing.
#pragma once

#include <string>

// `relativePath` is the file's path below either folder, e.g.
// "Bormek2012_DLL.so" or "manual/contents.html".
std::string programFilePath(const std::string& programFolder, const std::string& relativePath,
                            const std::string& installedFolder);
