#include "results/batch_summary.h"

#include "results/number_text.h"

namespace {

constexpr const char* kColumns[] = {"file",
                                    "title",
                                    "status",
                                    "status_meaning",
                                    "unit_system",
                                    "design_method",
                                    "diameter",
                                    "design_length",
                                    "ultimate_capacity",
                                    "allowable_or_factored_capacity",
                                    "volume",
                                    "most_efficient"};

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    return text;
  }
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') {
      quoted += '"';
    }
  }
  return quoted + "\"";
}

std::string csvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) {
    line += (line.empty() ? "" : ",") + csvField(field);
  }
  return line;
}

// The fields every line of a project starts with.
std::vector<std::string> projectFields(const std::string& file, const ResultsDocument& results) {
  return {file,
          results.title,
          std::to_string(results.statusCode),
          results.statusMeaning,
          results.unitSystem,
          results.designMethod};
}

std::string diameterLine(const std::string& file, const ResultsDocument& results,
                         const DiameterResult& d) {
  std::vector<std::string> fields = projectFields(file, results);
  fields.push_back(shortestText(d.stemDiameter));
  const auto designValue = [&d](const char* key) {
    return d.designRow ? shortestText(valueOf(*d.designRow, key)) : std::string();
  };
  fields.push_back(designValue("length"));
  fields.push_back(designValue("total_ultimate_resistance"));
  fields.push_back(designValue(results.designCapacityKey()));
  fields.push_back(designValue("volume"));
  fields.emplace_back(d.mostEfficient ? "yes" : "no");
  return csvLine(fields);
}

}  // namespace

std::string summaryHeader() {
  return csvLine(std::vector<std::string>(std::begin(kColumns), std::end(kColumns)));
}

std::vector<std::string> summaryLines(const std::string& file, const ResultsDocument& results) {
  std::vector<std::string> lines;
  for (const DiameterResult& d : results.diameters) {
    lines.push_back(diameterLine(file, results, d));
  }
  if (lines.empty()) {
    std::vector<std::string> fields = projectFields(file, results);
    fields.resize(std::size(kColumns));
    lines.push_back(csvLine(fields));
  }
  return lines;
}

std::string summaryLineWithoutResults(const std::string& file, int status,
                                      const std::string& meaning) {
  std::vector<std::string> fields = {file, "", std::to_string(status), meaning};
  fields.resize(std::size(kColumns));
  return csvLine(fields);
}
