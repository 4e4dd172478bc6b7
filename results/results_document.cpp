#include "results/results_document.h"

#include <algorithm>
#include <limits>

namespace {
constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();
}  // namespace

double valueOf(const NamedValues& values, const std::string& key) {
  const auto found = std::find_if(values.begin(), values.end(),
                                  [&key](const auto& entry) { return entry.first == key; });
  return found == values.end() ? kMissing : found->second;
}

double ResultTable::value(const std::string& key, std::size_t row) const {
  const auto found = std::find(keys.begin(), keys.end(), key);
  if (found == keys.end()) {
    return kMissing;
  }
  const std::vector<double>& column = columns[static_cast<std::size_t>(found - keys.begin())];
  return row < column.size() ? column[row] : kMissing;
}

std::string ResultsDocument::unitOf(const std::string& key) const {
  const auto found = units.find(key);
  return found == units.end() ? std::string() : found->second;
}

const char* ResultsDocument::designCapacityKey() const {
  return lrfd() ? "factored_total_resistance" : "allowable_load";
}
