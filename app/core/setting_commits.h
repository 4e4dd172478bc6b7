// How the values of the data windows enter the project: the rules between
// the shaft length and the design load, the loading type, the end bearing
// in sands and the title. Values are in the project's unit system.
//
// Typing in a numeric field marks the project modified as it happens; the
// choices made here (loading type, reduction, end-bearing rule, title, and
// a value cleared by the length-or-load rule) mark it when they change a
// stored value, so that a changed choice is never lost without the
// question whether to save.
#pragma once

#include <string>

#include "core/program_data.h"

inline constexpr int kCompressionLoading = 1;
inline constexpr int kUpliftLoading = 2;
// Compression carries the whole load: no reduction.
inline constexpr Extended kNoUpliftReduction = 1.0L;

// The loading type as the window shows it: the uplift choice and the
// reduction factor typed for it.
struct LoadingChoice {
  bool uplift = false;
  Extended reduction = kNoUpliftReduction;
};

// Uplift stores its reduction factor; compression stores type 1 and 1.0,
// whatever the reduction field shows.
void CommitLoadingType(TProgramData& project, const LoadingChoice& loading);
// A shaft length above 0 replaces a design load (the load becomes 0).
void CommitShaftLength(TProgramData& project, Extended length, const LoadingChoice& loading);
// A design load above 0 replaces a shaft length (the length becomes 0).
void CommitDesignLoad(TProgramData& project, Extended load, const LoadingChoice& loading);
inline constexpr int kSandTipLinearToTenDiameters = 1;
inline constexpr int kSandTipMaximumAtAnyDepth = 0;

// The end-bearing rule in sands: kSandTipLinearToTenDiameters or
// kSandTipMaximumAtAnyDepth.
void CommitSandTipOption(TProgramData& project, int option);
// A title that differs from the project's replaces it and marks the project
// modified; the same title changes nothing.
void CommitTitle(TProgramData& project, const std::string& title);
