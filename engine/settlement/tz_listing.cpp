#include "settlement/tz_listing.h"

#include <fstream>
#include <string>

#include "input/unit_constants.h"
#include "output/fortran_format.h"

namespace bormek {
namespace {

using fmt::Record;

class CurveListing {
 public:
  explicit CurveListing(bool si) : si_(si), labels_(labelsOf(si)) {
    file_.open(kCurveListingFile, std::ios::out | std::ios::trunc | std::ios::binary);
  }
  void line(const std::string& text) {
    if (file_.is_open()) {
      file_ << text << '\n';
    }
  }
  void nodes(const TzModel& m);
  void tipCurve(const TzModel& m);

 private:
  bool si_;
  UnitLabels labels_;
  std::ofstream file_;
};

void CurveListing::nodes(const TzModel& m) {
  const float length = si_ ? kMetresPerInch : 1.0f;
  const float stress = si_ ? kKpaPerPsiCurveListing : 1.0f;
  line(fmt::X(5) + "NOTE: TZ CURVE DATA ARE AVAILABLE FOR SAND " + "AND CLAY LAYERS ONLY.");
  for (int k = 0; k < 4; ++k) {
    line("");
  }
  line(fmt::X(8) + "T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD " + "TRANSFER   PILE MOVEMENT");
  line(Record()
           .X(11)
           .A("NO.")
           .X(6)
           .A("POINTS")
           .X(8)
           .A(labels_.length)
           .X(14)
           .A(labels_.stress)
           .X(13)
           .A(labels_.length)
           .str());
  line("");
  for (int n = 0; n < m.nodeCount; ++n) {
    const TzNode& node = m.nodes[static_cast<std::size_t>(n)];
    line(Record().X(8).I(n + 1, 5).I(kCurvePoints, 11).E(node.depthIn * length, 16, 4).str());
    for (int k = 0; k < kCurvePoints; ++k) {
      const auto i = static_cast<std::size_t>(k);
      line(Record()
               .X(40)
               .E(node.curve.value[i] * stress, 17, 4)
               .E(node.curve.movement[i] * length, 16, 4)
               .str());
    }
  }
}

void CurveListing::tipCurve(const TzModel& m) {
  for (int k = 0; k < 3; ++k) {
    line("");
  }
  line(fmt::X(8) + "TIP   LOAD" + fmt::X(8) + "TIP MOVEMENT");
  line(Record().X(12).A(labels_.force).X(15).A(labels_.length).str());
  line("");
  for (int k = 0; k < kCurvePoints; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const float load = outputForceOfPounds(m.tip.value[i], si_);
    const float movement = si_ ? m.tip.movement[i] * kMetresPerInch : m.tip.movement[i];
    line(Record().E(load, 18, 4).E(movement, 19, 4).str());
  }
}

}  // namespace

float outputForceOfPounds(float pounds, bool si) {
  return si ? pounds * kNewtonsPerPound / kNewtonsPerKilonewton : pounds / kPoundsPerTon;
}

UnitLabels labelsOf(bool si) {
  return si ? UnitLabels{" M.", "KN.", "KPA"} : UnitLabels{"IN.", "ton", "PSI"};
}

void writeCurveListing(const TzListing& listing) {
  if (!listing.started) {
    return;
  }
  CurveListing file(listing.si);
  if (!listing.complete) {
    return;
  }
  file.nodes(listing.model);
  file.tipCurve(listing.model);
  file.line("1");
}

}  // namespace bormek
