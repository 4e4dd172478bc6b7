// The project file (.bkd): the application's saved project and the engine's
// input. Written in the current layout; read in the current or the legacy
// layout. Plain text, CR LF line ends, "." as decimal separator.
#pragma once

#include <stdexcept>
#include <string>

class TProgramData;

class EProjectFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads `path` into the project and its tables. Returns the message of the
// first reading error, empty when the whole file was read; what was read
// before the error stays.
std::string ReadProjectFile(TProgramData& project, const std::string& path, bool current);

// Writes the project to `path` through a temporary file in the same folder
// that replaces the old file only once it is complete. Derives the design
// control from the data first (a shaft length above 0 gives 2, and the value
// not selected is set to 0). Throws EProjectFileError when the file cannot be
// written; the old file is then untouched.
void WriteProjectFile(TProgramData& project, const std::string& path);
