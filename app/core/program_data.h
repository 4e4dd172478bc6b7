// The current project: the scalar settings of one analysis and the name of
// its file. The soil layers live in the grid table D and its sub-tables
// (SoilLayerTables); the project reaches them when it creates, loads, saves
// or converts. Values are held in the project's unit system.
#pragma once

#include <array>
#include <string>

#include "core/number_text.h"
#include "core/soil_layer_tables.h"

inline constexpr const char* kNewProjectFileName = "NewBormek.bkd";

// Codes of the design method and the computation method, as the project
// file stores them.
inline constexpr int kLrfdMethod = 1;
inline constexpr int kAsdMethod = 2;
inline constexpr int kDesignLoadSpecified = 1;
inline constexpr int kShaftLengthSpecified = 2;

// Entries of the Settings array.
enum SettingIndex : int {
  kMinDiameter = 0,
  kMaxDiameter,
  kBellRatio,
  kBellAngle,
  kTopExclusion,
  kBottomExclusion,
  kShaftModulus,
  kWaterDepth,
  kShaftLength,
  kSafetySide,
  kSafetyBase,
  kDesignLoad,
  kSettingCount,
};

class TProgramData {
 public:
  explicit TProgramData(SoilLayerTables& tables);

  std::string FileName;
  int UnitSystem = 1;
  std::string Title;
  Extended OutputIncrement = 1.0L;
  int DesignControl = kShaftLengthSpecified;
  int LoadingType = 1;
  Extended UpliftReduction = 1.0L;
  std::array<Extended, kSettingCount> Settings{};
  int SettlementCurves = 1;
  int SandTipOption = 1;
  bool CurrentFormat = true;
  int DesignMethod = kAsdMethod;

  Extended& MinDiameter() { return Settings[kMinDiameter]; }
  Extended& MaxDiameter() { return Settings[kMaxDiameter]; }
  Extended& BellRatio() { return Settings[kBellRatio]; }
  Extended& BellAngle() { return Settings[kBellAngle]; }
  Extended& TopExclusion() { return Settings[kTopExclusion]; }
  Extended& BottomExclusion() { return Settings[kBottomExclusion]; }
  Extended& ShaftModulus() { return Settings[kShaftModulus]; }
  Extended& WaterDepth() { return Settings[kWaterDepth]; }
  Extended& ShaftLength() { return Settings[kShaftLength]; }
  Extended& SafetySide() { return Settings[kSafetySide]; }
  Extended& SafetyBase() { return Settings[kSafetyBase]; }
  Extended& DesignLoad() { return Settings[kDesignLoad]; }

  // A new project: English units, new-project values, every table emptied
  // to its minimum rows, not modified.
  void Create();
  // A project read from `path` in the current layout (or the legacy one when
  // `current` is false). Returns the reading error's message, empty when
  // the whole file was read; what was read stays either way.
  std::string CreateFromFile(const std::string& path, bool current);
  // Writes FileName in the current layout. A file that cannot be written
  // throws EProjectFileError and leaves the previous file as it was.
  void Save();
  // Switches the unit system of the project and of every grid table.
  void SetUnits(int system);

  // Unsaved changes: the project's own flag or any grid table's.
  bool Modified() const;
  void SetModified(bool modified);

  SoilLayerTables& Tables() { return tables_; }

 private:
  void EmptyTables();
  void GiveTablesTheirMinimumRows();

  SoilLayerTables& tables_;
  bool modified_ = false;
};
