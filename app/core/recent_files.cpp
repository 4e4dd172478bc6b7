#include "core/recent_files.h"

#include <algorithm>

bool TRecentFiles::UpdatePrevFile(const QString& path) {
  if (PrevFiles.front() == path) {
    return false;
  }
  // The slot that is freed by the move: the path's own when it is listed,
  // else the last one, whose entry is dropped.
  const auto found = std::find(PrevFiles.begin() + 1, PrevFiles.end(), path);
  const auto freed = found != PrevFiles.end() ? found : PrevFiles.end() - 1;
  std::move_backward(PrevFiles.begin(), freed, freed + 1);
  PrevFiles.front() = path;
  Recount();
  return true;
}

void TRecentFiles::Recount() {
  PrevFileCount = static_cast<int>(std::count_if(PrevFiles.begin(), PrevFiles.end(),
                                                 [](const QString& p) { return !p.isEmpty(); }));
}

void TRecentFiles::Clear() {
  PrevFiles.fill(QString());
  PrevFileCount = 0;
}

QString TRecentFiles::SlotCaption(int slot, const QString& currentFolder) const {
  QString path = PrevFiles.at(static_cast<std::size_t>(slot));
  const QString folderPrefix =
      currentFolder.endsWith(QLatin1Char('/')) ? currentFolder : currentFolder + QLatin1Char('/');
  if (path.startsWith(folderPrefix)) {
    path.remove(0, folderPrefix.size());
  }
  return QString::number(slot + 1) + QLatin1Char(' ') + path;
}
