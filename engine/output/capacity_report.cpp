#include "output/capacity_report.h"

#include <string>
#include <vector>

#include "output/fortran_format.h"
#include "output/report_units.h"

namespace bormek {
namespace {

using fmt::Record;
using Lines = std::vector<std::string>;

void toReportAndConsole(RunOutput& out, const Lines& lines) {
  for (const std::string& line : lines) {
    out.report(line);
    out.console(line);
  }
}

void toReport(RunOutput& out, const Lines& lines) {
  for (const std::string& line : lines) {
    out.report(line);
  }
}

void toNotes(RunOutput& out, const Lines& lines) {
  for (const std::string& line : lines) {
    out.notes(line);
  }
}

std::string geometryLine(const char* label, float value, const char* unit) {
  return Record().X(6).A(label).F(value, 9, 3).X(2).A(unit).str();
}

Lines legendLines(bool lrfd) {
  if (lrfd) {
    return {"QS      = ULTIMATE SIDE RESISTANCE;",
            "QB      = ULTIMATE BASE RESISTANCE;",
            "WT      = WEIGHT OF DRILLED SHAFT (UPLIFT CAPACITY ONLY);",
            "QU      = TOTAL ULTIMATE RESISTANCE;",
            "LRFD QS = TOTAL SIDE FRICTION USING LRFD RESISTANCE FACTOR",
            "          TO THE ULTIMATE SIDE RESISTANCE;",
            "LRFD QB = TOTAL BASE BEARING USING LRFD RESISTANCE FACTOR",
            "          TO THE ULTIMATE BASE RESISTANCE",
            "LRFD QU = TOTAL CAPACITY WITH LRFD RESISTANCE FACTOR."};
  }
  return {"QS     = ULTIMATE SIDE RESISTANCE;",
          "QB     = ULTIMATE BASE RESISTANCE;",
          "WT     = WEIGHT OF DRILLED SHAFT (FOR UPLIFT CAPACITY ONLY);",
          "QU     = TOTAL ULTIMATE RESISTANCE;",
          "QBD    = TOTAL ALLOWABLE LOAD USING A FACTOR OF SAFETY",
          "         APPLIED TO THE ULTIMATE BASE RESISTANCE;",
          "QDN    = TOTAL ALLOWABLE LOAD USING FACTORS OF SAFETY",
          "         APPLIED TO THE ULTIMATE SIDE RESISTANCE AND",
          "         THE ULTIMATE BASE RESISTANCE."};
}

std::string firstHeadLine(const ReportStyle& style) {
  const char* base = style.uplift ? "WT" : "QB";
  Record line;
  if (style.si) {
    line.X(5).A("LENGTH").X(2).A("VOLUME").X(4).A("QS").X(5).A(base).X(8).A("QU");
  } else {
    line.X(5).A("LENGTH").X(2).A("VOLUME").X(5).A("QS").X(6).A(base).X(6).A("QU");
  }
  if (!style.lrfd) {
    return style.si ? line.X(7).A("QBD").X(5).A("QDN").X(5).A("QU/VOLUME").str()
                    : line.X(7).A("QBD").X(6).A("QDN").X(6).A("QU/VOLUME").str();
  }
  // English uplift heads the factored base column "WT"; SI keeps "LRFD QB".
  const bool weightHead = style.uplift && !style.si;
  line.X(style.si ? 6 : 5).A("LRFD QS");
  if (weightHead) {
    line.X(6).A("WT");
  } else {
    line.X(2).A("LRFD QB");
  }
  return line.X(3).A("LRFD QU").str();
}

std::string secondHeadLine(const ReportStyle& style) {
  if (style.si) {
    Record line;
    line.X(6).A("( M ) ").X(1).A("(CU.M ) ").X(1).A("( KN )").X(3).A("( KN )").X(2).A("( KN )");
    line.X(3).A("( KN )").X(3).A("( KN )").X(2);
    return line.A(style.lrfd ? "( KN ) " : "( KN /CU.M) ").str();
  }
  Record line;
  line.X(5).A("(FEET)").X(2).A("(CU.YDS)").X(1).A("(TONS)").X(3).A("(TONS)").X(2).A("(TONS)");
  line.X(3).A("(TONS)").X(3).A("(TONS)");
  return style.lrfd ? line.X(4).A("(TONS)").str() : line.X(2).A("(TONS/CU.YDS)").str();
}

}  // namespace

ReportStyle reportStyleOf(const RunSettings& s) {
  return {s.si, s.designMethod == kLrfd, s.loadingType == kUplift};
}

void writeGeometry(RunOutput& out, const ShaftGeometry& g, const RunSettings& s,
                   float bottomLengthFt) {
  const bool si = s.si;
  const char* length = si ? "M" : "FT.";
  toReportAndConsole(
      out,
      {"", "", fmt::X(5) + "DRILLED SHAFT INFORMATION", fmt::X(5) + "-------------------------", "",
       geometryLine("DIAMETER OF STEM          =", reportLength(g.stemDiameter, si), length),
       geometryLine("DIAMETER OF BASE          =", reportLength(g.baseDiameter, si), length),
       geometryLine("END OF STEM TO BASE       =", reportLength(g.bellHeight, si), length),
       geometryLine("ANGLE OF BELL             =", s.bellAngle, "DEG."),
       geometryLine("IGNORED TOP PORTION       =", reportLength(s.topLength, si), length),
       geometryLine("IGNORED BOTTOM PORTION    =", reportLength(bottomLengthFt, si), length),
       geometryLine("AREA OF ONE PERCENT STEEL =", reportSteelArea(g.steelArea, si),
                    si ? "SQ. M" : "SQ.IN."),
       Record()
           .X(6)
           .A("ELASTIC MODULUS, Ec       =")
           .E(s.ecInput, 10, 3)
           .X(1)
           .A(si ? "KN/SQ M" : "LB/SQ IN")
           .str(),
       geometryLine("VOLUME OF UNDERREAM       =", reportVolume(g.underreamVolume, si),
                    si ? "CU. M" : "CU.YDS."),
       "", ""});
}

void writeLegendAndHeads(RunOutput& out, const ReportStyle& style) {
  Lines lines = {"", "", fmt::X(5) + "PREDICTED RESULTS", fmt::X(5) + "-----------------", ""};
  for (const std::string& text : legendLines(style.lrfd)) {
    lines.push_back(fmt::X(5) + text);
  }
  lines.insert(lines.end(), {"", "", firstHeadLine(style), secondHeadLine(style)});
  toReportAndConsole(out, lines);
}

std::string rowLine(const CapacityRow& row, const ReportStyle& style) {
  const bool si = style.si;
  const int d = si ? 1 : 2;  // decimals of the volume and force columns
  // Columns 6 to 8: QBD, QDN, QU/VOLUME (ASD) or LRFD QS, QB, QU.
  const float sixth =
      style.lrfd ? reportForce(row.factoredSide, si) : reportForce(row.allowableBase, si);
  const float seventh =
      style.lrfd ? reportForce(row.factoredBase, si) : reportForce(row.allowable, si);
  const float eighth =
      style.lrfd ? reportForce(row.factoredTotal, si) : reportForcePerVolume(row.perVolume, si);
  return Record()
      .X(1)
      .F(reportLength(row.length, si), 8, 1)
      .X(1)
      .F(reportVolume(row.volume, si), 8, d)
      .F(reportForce(row.side, si), 9, d)
      .F(reportForce(row.base, si), 9, d)
      .F(reportForce(row.ultimate, si), 9, d)
      .F(sixth, 9, d)
      .F(seventh, 9, d)
      .X(1)
      .F(eighth, 9, 2)
      .str();
}

void writeClayBlowCountWarning(RunOutput& out) {
  toReport(out, {"", "", "*********************WARNING**********************",
                 "THE PREDICTED LOAD TRANSFER IN CLAY BASED ON THE N-VALUE",
                 "FROM STANDARD PENETRATION TESTS IS NOT RECOMMENDED FOR",
                 "THE FINAL DESIGN.  PLEASE INPUT THE UNDRAIDED SHEAR",
                 "STRENGTH FOR CLAY LAYERS IN THE FINAL DESIGN.", "", ""});
}

void writeUnitWeightError(RunOutput& out) {
  toNotes(out, {"", "", "*********************ERROR**********************",
                "PLEASE INPUT THE TOTAL UNIT WEIGHT FOR THE SOIL.  THE PROGRAM",
                "WILL CONSIDER THE SUBMERGED UNIT WEIGHT INTERNALLY IF THE SOIL",
                "IS BELOW THE WATER TABLE WHICH SHOULD BE ENTERED BY THE USER", "", ""});
}

void writeSandDataError(RunOutput& out) {
  toNotes(out, {"", "", "*********************ERROR**********************",
                "PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS",
                "OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS", "", ""});
}

void writeGravelBlowCountWarning(RunOutput& out) {
  const Lines lines = {"",
                       "",
                       "*****************WARNING*********************",
                       fmt::X(7) + "Blow counts should be greater than 25 for this criterion.",
                       fmt::X(7) + "Select other soil criteria and do not use this output data.",
                       ""};
  toReport(out, lines);
  toNotes(out, lines);
}

void writeProfileTooShort(RunOutput& out) {
  const Lines lines = {"", fmt::X(7) + "INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR",
                       fmt::X(7) + "COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER"};
  toNotes(out, lines);
  toReport(out, lines);
}

void writeNeedAnotherSoilLayer(RunOutput& out) {
  const Lines lines = {"", "   *********** NEED ANOTHER SOIL LAYER ************"};
  for (const std::string& line : lines) {
    out.console(line);
    out.notes(line);
    out.report(line);
  }
}

void writeDesignDepthNotReached(RunOutput& out) {
  for (const char* line : {"", "", " NOTE: Please add at least 2-diameter depth to the ",
                           "       soil profile for program to compute the tip",
                           "       resistance at the proposed shaft length."}) {
    out.console(line);
  }
}

void writeMostEfficientShaft(RunOutput& out, const BestShaft& best, bool si) {
  Lines lines = {"", "", ""};
  if (si) {
    lines.insert(
        lines.end(),
        {" THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE  APPEARS TO BE THE FOLLOWING ONE:", "",
         Record()
             .A(" DIAMETER OF STEM       = ")
             .F(reportLength(best.stemDiameter, si), 5, 1)
             .A(" M")
             .str(),
         "",
         Record()
             .A(" DIAMETER OF BASE       = ")
             .F(reportLength(best.baseDiameter, si), 5, 1)
             .A(" M")
             .str(),
         "",
         Record()
             .A(" ESTIMATED SHAFT LENGTH = ")
             .F(reportLength(best.length, si), 5, 0)
             .A(" M")
             .str(),
         "",
         Record()
             .A(" VOLUME OF CONCRETE     = ")
             .F(reportVolume(best.volume, si), 7, 2)
             .A(" CU.M")
             .str(),
         "",
         Record()
             .A(" ULTIMATE LOAD CAPACITY = ")
             .F(reportForce(best.ultimate, si), 10, 2)
             .A(" KN  ")
             .str(),
         "",
         Record()
             .A(" QU/VOLUME OF CONCRETE  = ")
             .F(reportForcePerVolume(best.perVolume, si), 7, 2)
             .A(" KN /CU.M")
             .str()});
  } else {
    lines.insert(
        lines.end(),
        {" THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE APPEARS TO BE THE FOLLOWING ONE:", "",
         Record().X(1).A(" DIAMETER OF STEM       =").F(best.stemDiameter, 5, 2).A(" FT.").str(),
         "",
         Record().X(1).A(" DIAMETER OF BASE       =").F(best.baseDiameter, 5, 2).A(" FT.").str(),
         "", Record().X(1).A(" ESTIMATED SHAFT LENGTH =").F(best.length, 5, 0).A(" FT.").str(), "",
         Record().X(1).A(" VOLUME OF CONCRETE     =").F(best.volume, 7, 2).A(" CU.YDS.").str(), "",
         Record().X(1).A(" ULTIMATE LOAD CAPACITY =").F(best.ultimate, 10, 2).A(" TONS").str(), "",
         Record()
             .X(1)
             .A(" QU/VOLUME OF CONCRETE  =")
             .F(best.perVolume, 7, 2)
             .A(" TONS/CU.YD.")
             .str()});
  }
  toReportAndConsole(out, lines);
}

void writeWeakRockNote(RunOutput& out) {
  toReport(out, {"", "", "ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)",
                 "------------------------------------------------------------",
                 "IF THE SETTLEMENT IS LESS THAN 0.4 IN. (10 mm), THE LOAD IS",
                 "CARRIED ENTIRELY IN SIDE RESISTANCE.  IF THE SETTLEMENT IS",
                 "GREATER THAN 0.4 IN. (10 MM), THE LOAD IS CARRIED ENTIRELY", "IN END BEARING."});
}

}  // namespace bormek
