// The results file <project>.json, written beside the report at the end of
// every run that got as far as creating its outputs: the same numbers as
// the report, in the report's units, at full single precision, with keys in
// words. docs/results-format.md describes every key; the file follows
// docs/results-format.schema.json. A run that stopped gives what it had:
// the diameters analysed so far, and null where a value was never reached.
#pragma once

#include <cstdint>

#include "output/json_writer.h"
#include "output/note_messages.h"
#include "output/run_results.h"
#include "parallel/side_worker.h"

namespace bormek {

inline constexpr int kResultsFormatVersion = 1;

// Writes the document to `sink`, piece by piece; `worker` writes some of
// the diameters meanwhile.
void writeResults(const RunResults& results, const NoteMessages& notes, std::int32_t status,
                  const JsonWriter::Sink& sink, SideWorker& worker);

}  // namespace bormek
