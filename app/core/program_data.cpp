#include "core/program_data.h"

#include "core/project_file.h"

namespace {

constexpr Extended kMetresPerFoot = 0.3048L;
constexpr Extended kFeetPerMetre = 3.280839895L;
constexpr Extended kKilonewtonsPerTon = 8.896442997L;
constexpr Extended kTonsPerKilonewton = 0.1124044745L;
constexpr Extended kKpaPerPsi = 6.894757888L;
constexpr Extended kPsiPerKpa = 0.1450377252L;
constexpr Extended kNewSafetySide = 2.5L;
constexpr Extended kNewSafetyBase = 3.0L;
constexpr const char* kNewTitle = "New Pile";

constexpr SettingIndex kLengthSettings[] = {kMinDiameter,     kMaxDiameter, kTopExclusion,
                                            kBottomExclusion, kWaterDepth,  kShaftLength};

}  // namespace

TProgramData::TProgramData(SoilLayerTables& tables) : tables_(tables) {
  Create();
}

void TProgramData::EmptyTables() {
  for (TGridTable* table : tables_.All()) {
    table->SetRowCount(0);
  }
}

void TProgramData::GiveTablesTheirMinimumRows() {
  for (TGridTable* table : tables_.All()) {
    if (table->RowCount() < table->MinRows()) {
      table->SetRowCount(table->MinRows());
    }
  }
}

void TProgramData::Create() {
  FileName = kNewProjectFileName;
  UnitSystem = 1;
  Title = kNewTitle;
  SetUnits(1);
  OutputIncrement = 1.0L;
  DesignControl = kShaftLengthSpecified;
  LoadingType = 1;
  UpliftReduction = 1.0L;
  Settings.fill(0.0L);
  SafetySide() = kNewSafetySide;
  SafetyBase() = kNewSafetyBase;
  SettlementCurves = 1;
  SandTipOption = 1;
  CurrentFormat = true;
  DesignMethod = kAsdMethod;
  EmptyTables();
  GiveTablesTheirMinimumRows();
  SetModified(false);
}

std::string TProgramData::CreateFromFile(const std::string& path, bool current) {
  Create();
  FileName = path;
  UnitSystem = 1;
  EmptyTables();
  const std::string error = ReadProjectFile(*this, path, current);
  CurrentFormat = current;
  GiveTablesTheirMinimumRows();
  SetModified(false);
  return error;
}

void TProgramData::Save() {
  WriteProjectFile(*this, FileName);
  CurrentFormat = true;
  SetModified(false);
}

void TProgramData::SetUnits(int system) {
  if (system > 2) {
    system = 2;
  }
  if (system <= 0) {
    system = 1;
  }
  for (TGridTable* table : tables_.All()) {
    table->SetUnits(system);
  }
  if (system != UnitSystem) {
    const bool toSi = system == 2;
    for (const SettingIndex length : kLengthSettings) {
      Settings[length] *= toSi ? kMetresPerFoot : kFeetPerMetre;
    }
    DesignLoad() *= toSi ? kKilonewtonsPerTon : kTonsPerKilonewton;
    ShaftModulus() *= toSi ? kKpaPerPsi : kPsiPerKpa;
  }
  UnitSystem = system;
}

bool TProgramData::Modified() const {
  return modified_ || tables_.D().Changed();
}

void TProgramData::SetModified(bool modified) {
  modified_ = modified;
  if (!modified) {
    for (TGridTable* table : tables_.All()) {
      table->SetChanged(false);
    }
  }
}
