// Reads the engine's plot-data file (.bkp) into the thirteen plot
// definitions: capacity against depth per diameter (ultimate and design
// values), the load-settlement curves, the combined plots of the first
// diameter and the soil-layer bands of the project's table D.
//
// The file is a stream of blank-separated numbers, one block per diameter:
// a header (diameters, depth rows, load-settlement curves), the depth rows
// (depth, ultimate side, tip and total, design side, tip and total) and 15
// rows per load-settlement curve (top load, top movement, tip load, tip
// movement). Values are in the project's units: ft or m, tons or kN, in or m.
#pragma once

#include <string>

class TDialogs;
class TPlotSet;
class TProgramData;

// Most diameters and depth rows a plot file may announce: the engine writes
// at most 60 diameters and 502 rows; more is taken for a damaged file.
inline constexpr int kMaxPlotDiameters = 100;
inline constexpr int kMaxPlotDepthRows = 1000;

// The shown message of a plot file that cannot be read.
inline constexpr const char* kPlotReadError = "An error occured in running the main program.";

// Reads `fileName` into `plots` and sets the project's SettlementCurves.
// True when the whole file was read. A file that cannot be opened or read
// returns false, after an error box through `dialogs` when `reportErrors`;
// what was read before the error stays in the plots.
bool LoadPlotResults(TPlotSet& plots, TProgramData& project, TDialogs& dialogs,
                     const std::string& fileName, bool reportErrors);

// The project's plot file (its name with the extension ".bkp") through
// LoadPlotResults when it exists; false when it does not.
bool LoadProjectResults(TPlotSet& plots, TProgramData& project, TDialogs& dialogs,
                        bool reportErrors);
