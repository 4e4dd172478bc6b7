#include "runner/engine_library.h"

#include "runner/install_layout.h"
#include "runner/program_files.h"

std::string engineLibraryPath(const std::string& programFolder) {
  return programFilePath(programFolder, kEngineLibraryFileName, kEngineFolderFromProgram);
}
