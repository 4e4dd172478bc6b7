#include "entry/path_parts.h"

#include <cctype>

namespace bormek {
namespace {
constexpr std::size_t kDriveLength = 3;
constexpr std::size_t kDirectoryLength = 256;
constexpr std::size_t kBaseNameLength = 256;
constexpr std::size_t kExtensionLength = 5;

std::string cut(const std::string& text, std::size_t length) {
  return text.substr(0, length);
}

std::string trimmedRight(std::string text) {
  while (!text.empty() && text.back() == ' ') {
    text.pop_back();
  }
  return text;
}
}  // namespace

PathParts splitPath(const std::string& path) {
  PathParts parts;
  std::string rest = path;
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    parts.drive = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  const auto lastSeparator = rest.find_last_of("/\\");
  std::string fileName = rest;
  if (lastSeparator != std::string::npos) {
    parts.directory = rest.substr(0, lastSeparator + 1);
    fileName = rest.substr(lastSeparator + 1);
  }
  const auto dot = fileName.find_last_of('.');
  if (dot != std::string::npos) {
    parts.extension = fileName.substr(dot);
    fileName.erase(dot);
  }
  parts.baseName = fileName;
  parts.drive = trimmedRight(cut(parts.drive, kDriveLength));
  parts.directory = trimmedRight(cut(parts.directory, kDirectoryLength));
  parts.baseName = trimmedRight(cut(parts.baseName, kBaseNameLength));
  parts.extension = trimmedRight(cut(parts.extension, kExtensionLength));
  return parts;
}

namespace {
// Where the file name of `path` starts: after its last separator or drive.
std::size_t fileNameStart(const std::string& path) {
  const auto lastSeparator = path.find_last_of("/\\:");
  return lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
}
}  // namespace

std::string fileNameOf(const std::string& path) {
  return path.substr(fileNameStart(path));
}

std::string withExtension(const std::string& path, const std::string& extension) {
  const auto dot = path.find_last_of('.');
  const bool nameHasDot = dot != std::string::npos && dot >= fileNameStart(path);
  return (nameHasDot ? path.substr(0, dot) : path) + extension;
}

}  // namespace bormek
