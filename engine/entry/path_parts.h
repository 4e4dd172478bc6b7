// Splitting of a file path into drive, directory, base name and extension
// for the report head. POSIX and Windows separators are both accepted; a
// drive is only a leading "X:". Each part is cut to its field length:
// drive 3, directory 256, base name 256, extension 5 (with the dot).
#pragma once

#include <string>

namespace bormek {

struct PathParts {
  std::string drive;      // "C:" or empty
  std::string directory;  // up to and including the last separator
  std::string baseName;
  std::string extension;  // from the last dot of the file name, dot included
};

PathParts splitPath(const std::string& path);

// The file name at the end of `path`, after its last separator or drive.
std::string fileNameOf(const std::string& path);

// `path` with the extension of its file name (from the name's last dot)
// replaced by `extension`, or with `extension` appended when the name has
// none. Nothing is cut: the result names a file to open.
std::string withExtension(const std::string& path, const std::string& extension);

}  // namespace bormek
