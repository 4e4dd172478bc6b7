#include "core/setting_commits.h"

namespace {

// Stores `value` and marks the project modified when it differs.
template <typename T>
void storeChoice(TProgramData& project, T& member, T value) {
  if (member != value) {
    member = value;
    project.SetModified(true);
  }
}

// Stores the value the window edits; a value above 0 replaces the other
// way of ending the computation, which becomes 0.
void commitEitherOr(TProgramData& project, Extended& chosen, Extended& other, Extended value,
                    const LoadingChoice& loading) {
  chosen = value;
  if (value > 0) {
    storeChoice(project, other, Extended{0});
  }
  CommitLoadingType(project, loading);
}

}  // namespace

void CommitLoadingType(TProgramData& project, const LoadingChoice& loading) {
  const bool uplift = loading.uplift;
  storeChoice(project, project.LoadingType, uplift ? kUpliftLoading : kCompressionLoading);
  storeChoice(project, project.UpliftReduction, uplift ? loading.reduction : kNoUpliftReduction);
}

void CommitShaftLength(TProgramData& project, Extended length, const LoadingChoice& loading) {
  commitEitherOr(project, project.ShaftLength(), project.DesignLoad(), length, loading);
}

void CommitDesignLoad(TProgramData& project, Extended load, const LoadingChoice& loading) {
  commitEitherOr(project, project.DesignLoad(), project.ShaftLength(), load, loading);
}

void CommitSandTipOption(TProgramData& project, int option) {
  storeChoice(project, project.SandTipOption, option);
}

void CommitTitle(TProgramData& project, const std::string& title) {
  storeChoice(project, project.Title, title);
}
