#include "setting_commits.h"

namespace {

// Stores `value` and marks the project modified when it differs.
template <typename T>
void storeChoice(TProgramData& project, T& member, T value) {
  if (member != value) {
    member = value;
    project.SetModified(true);
  }
}

}  // namespace

void CommitLoadingType(TProgramData& project, const LoadingChoice& loading) {
  const bool uplift = loading.uplift;
  storeChoice(project, project.LoadingType, uplift ? kUpliftLoading : kCompressionLoading);
  storeChoice(project, project.UpliftReduction, uplift ? loading.reduction : kNoUpliftReduction);
}

void CommitShaftLength(TProgramData& project, Extended length, const LoadingChoice& loading) {
  project.ShaftLength() = length;
  if (length > 0) {
    storeChoice(project, project.DesignLoad(), Extended{0});
  }
  CommitLoadingType(project, loading);
}

void CommitDesignLoad(TProgramData& project, Extended load, const LoadingChoice& loading) {
  project.DesignLoad() = load;
  if (load > 0) {
    storeChoice(project, project.ShaftLength(), Extended{0});
  }
  CommitLoadingType(project, loading);
}

void CommitSandTipOption(TProgramData& project, int option) {
  storeChoice(project, project.SandTipOption, option);
}

void CommitTitle(TProgramData& project, const std::string& title) {
  storeChoice(project, project.Title, title);
}
