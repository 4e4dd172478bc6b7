// The list of recently opened project files shown in the File menu: ten
// slots, most recent first, an empty string for a free slot.
#pragma once

#include <QString>
#include <array>

inline constexpr int kPrevFileSlots = 10;

class TRecentFiles {
 public:
  std::array<QString, kPrevFileSlots> PrevFiles;
  // The number of non-empty entries of PrevFiles (Recount keeps it).
  int PrevFileCount = 0;

  // Puts `path` at the top; paths are compared exactly, case included.
  // When it is first already nothing changes and the answer is false.
  // When it is further down, the entries above it move down by one and
  // those below it stay; a path not in the list pushes every entry down and
  // the tenth is dropped. Recounts; true when the list changed.
  bool UpdatePrevFile(const QString& path);
  void Recount();
  // Empties every slot.
  void Clear();

  // The menu text of `slot` (0-based): its number from 1, a blank and the
  // path, shortened to the part after `currentFolder` + "/" when the path
  // starts with that, so files of the current folder show by name.
  QString SlotCaption(int slot, const QString& currentFolder) const;
};
