#include "settlement/settlement_stage.h"

#include "settlement/geomaterial_settlement.h"
#include "settlement/rock_socket_settlement.h"
#include "settlement/tz_pass.h"

namespace bormek {

std::int32_t runSettlementStage(const SettlementInput& input, RunOutput& out,
                                SettlementLines& lines, SideWorker& worker) {
  const int tipType = input.data->layers[static_cast<std::size_t>(input.tipLayer)].type;
  lines.oneLine = true;
  // A rock tip's line is built afresh, so its tip columns never hold the
  // values of an earlier diameter's t-z pass.
  switch (tipType) {
    case kStrongRockEither:
    case kStrongRockBoth:
      lines.method = SettlementMethod::kRockSocket;
      lines.lines[0] = rockSocketSettlement(input, out);
      return 0;
    case kDecomposedRock:
      lines.method = SettlementMethod::kDecomposedRock;
      lines.lines[0] = decomposedRockSettlement(input, out);
      return 0;
    case kWeakRock:
      lines.method = SettlementMethod::kWeakRock;
      lines.lines[0] = weakRockSettlement(input, out);
      return 0;
    default:
      break;
  }
  lines.oneLine = false;
  lines.method = SettlementMethod::kLoadTransfer;
  const std::int32_t status = runTzPasses(input, out, lines.lines, lines.listing, worker);
  if (status != 0) {
    return status;
  }
  lines.count = kTzLineCount;
  return 0;
}

}  // namespace bormek
