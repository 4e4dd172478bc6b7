// The main window's soil-layer table D and the nine template tables of its
// layer data, one per soil type, defined once as data. D's table column
// clones the template of each row's soil type; it finds the templates of
// its own set (not through the process-wide identifier list), so several
// sets may be alive at once even though their identifiers are swapped.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/grid_table.h"

struct SoilLayerTables {
 public:
  SoilLayerTables(const SoilLayerTables&) = delete;
  SoilLayerTables& operator=(const SoilLayerTables&) = delete;

  TGridTable& D() { return *d_; }
  // D, then the templates in soil-type order.
  std::vector<TGridTable*> All();
  // The template defined with the identifier (1..7, 31, 32), whatever
  // identifier it holds now; nullptr for another.
  TGridTable* Template(int identifier) const;
  // "D" or a template's component name such as "tblDataSand"; nullptr for
  // another name.
  TGridTable* Component(const std::string& name) const;

 private:
  friend std::unique_ptr<SoilLayerTables> CreateSoilLayerTables();
  SoilLayerTables();

  struct NamedTemplate {
    std::string component;
    int identifier;
    std::unique_ptr<TGridTable> table;
  };

  std::vector<NamedTemplate> templates_;
  std::unique_ptr<TGridTable> d_;  // destroyed before the templates
};

// A new set: D with one sand layer (MinRows), each template with its two
// rows (top and bottom of the layer), all in English units.
std::unique_ptr<SoilLayerTables> CreateSoilLayerTables();
