#include "core/help_topics.h"

#include <algorithm>
#include <iterator>

namespace {

struct WindowTopic {
  const char* key;
  const char* topic;
};

constexpr const char* kMainWindowTopic = "user/main-window.html";

constexpr WindowTopic kWindowTopics[] = {
    {"TdlgTitle", "user/project-windows.html#title"},
    {"TfrmShaftpeneta", "user/project-windows.html#shaft-properties"},
    {"TfrmSafetyFactor", "user/project-windows.html#factor-of-safety"},
    {"TfrmPenetration", "user/project-windows.html#shaft-length"},
    {"TfrmDesignLoad", "user/project-windows.html#design-load"},
    {"TfrmWaterDepth", "user/project-windows.html#water-table"},
    {"TDlgOptions", "user/project-windows.html#control-options"},
    {"Soil Layer Data", "user/soil-layers.html#layer-table"},
    {"Sand Layer Data", "user/soil-layers.html#sand"},
    {"Clay Layer Data", "user/soil-layers.html#clay"},
    {"Shale Layer Data", "user/soil-layers.html#shale"},
    {"Strong Rock Layer Data", "user/soil-layers.html#strong-rock"},
    {"Decomposed Geo. Layer Data", "user/soil-layers.html#decomposed-rock"},
    {"Weak Rock Layer Data", "user/soil-layers.html#weak-rock"},
    {"Gravelly Sand Layer Data", "user/soil-layers.html#gravelly-sand"},
    {"Gravel Layer Data", "user/soil-layers.html#gravel"},
    {"TPlotForm", "user/plots.html#plot-window"},
    {"TfrmGraphCaption", "user/plots.html#graph-title"},
    {"TfrmLineNames", "user/plots.html#edit-legend"},
    {"TfrmActiveLines", "user/plots.html#active-curves"},
    {"TdlgFormat", "user/plots.html#save-to-disk"},
    {"TDlgSideView", "user/elevation.html#elevation-view"},
    {"TReportViewer", "user/report-viewer.html"},
    {"THelpWindow", "user/help-window.html"},
};

const WindowTopic* findTopic(const QString& windowKey) {
  const auto* found = std::find_if(
      std::begin(kWindowTopics), std::end(kWindowTopics),
      [&windowKey](const WindowTopic& entry) { return windowKey == QLatin1String(entry.key); });
  return found != std::end(kWindowTopics) ? found : nullptr;
}

}  // namespace

QString HelpTopicFor(const QString& windowKey) {
  const WindowTopic* entry = findTopic(windowKey);
  return QLatin1String(entry != nullptr ? entry->topic : kMainWindowTopic);
}

bool HasHelpTopic(const QString& windowKey) {
  return windowKey.isEmpty() || findTopic(windowKey) != nullptr;
}
