// The results file <project>.json, written beside the report at the end of
// every run that got as far as creating its outputs: the same numbers as
// the report, in the report's units, at full single precision, with keys in
// words. docs/results-format.md describes every key; the file follows
// docs/results-format.schema.json. A run that stopped gives what it had:
// the diameters analysed so far, and null where a value was never reached.
#pragma once

#include <cstdint>
#include <string>

#include "output/json_writer.h"
#include "output/note_messages.h"
#include "output/run_results.h"

namespace bormek {

inline constexpr int kResultsFormatVersion = 1;

// Writes the document to `sink`, piece by piece. Diameters whose members
// were written while the run went on (RunResults::diameterRests) go in as
// they stand.
void writeResults(const RunResults& results, const NoteMessages& notes, std::int32_t status,
                  const JsonWriter::Sink& sink);

// A finished diameter's members after "most_efficient", as the results file
// holds them: all but that member depends only on the diameter and the
// settings as read.
std::string diameterRestText(const DiameterResults& diameter, const RunSettings& settings);

}  // namespace bormek
